#pragma once
// Extracting the installer's archive below the install folder, entry by entry.

#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"
#include "sfx/container/find_archive.h"

namespace sfx {

// Results of extractEntry besides 0 (success) and the ZIP reader's own negative codes.
inline constexpr int kCannotCreate = -1;      // the output file or the transfer buffer
inline constexpr int kRefusedName = -200;     // a ".." component or an empty name
inline constexpr int kStrippedName = -201;    // an absolute name, extracted below the folder
inline constexpr int kRefusedLink = -202;     // a symbolic link
inline constexpr int kWriteFailed = -203;     // the data could not be stored completely
inline constexpr int kShortData = -204;       // the data ended before its stated size

// Extracts the archive's current entry below the folder, keeping its sub-path, and restores the
// entry's time (to the minute) and attributes. storedName receives the entry's name in 1251 once
// it is known. 0 on success, else one of the codes above or the reader's code.
int extractEntry(platform::Files& files, unzFile archive, const std::string& folder, std::string* name = nullptr);

struct ExtractionReport {
    int total = 0;                     // entries, from the end record
    int processed = 0;                 // entries the walk reached
    std::vector<std::string> failed;   // names (1251) of entries that did not arrive whole
    bool succeeded() const { return failed.empty() && processed == total; }
};

// Walks every entry in central-directory order. Before each entry's position advances the
// caller learns done × 100 / total (integer); an archive without entries reports 100.
ExtractionReport extractArchive(platform::Files& files, unzFile archive, const std::string& folder,
                                const std::function<void(int percent)>& progress);

}  // namespace sfx
