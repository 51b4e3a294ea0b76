#pragma once
// Packing a folder into a ZIP archive: one entry per regular file, depth first, deflated at
// level 9, named in code page 866 with "/" between folders, dated in local MS-DOS time, carrying
// the file's attribute word (and on Linux its mode, as Info-ZIP stores it).

#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "platform/files.h"

namespace sfx {

// Called on the packing thread: before each file with its full path and the share of files
// counted so far, and once at the end with an empty path and 100.
using ReportProgress = std::function<void(const std::string& path, double percent)>;

struct PackOptions {
    // The pause after each block read, which keeps the machine responsive while a large folder
    // is packed. Benchmarks and tests set it to 0.
    std::chrono::milliseconds pauseAfterBlock{10};
};

inline constexpr size_t kBlockSize = 102400;

// Every regular file below the folder (which ends with a separator), depth first, in the order
// the listing returns the names. Links to folders are not followed, so a loop of links cannot
// make the list endless.
std::vector<std::string> listFilesDepthFirst(platform::Files& files, const std::string& folder);

// Creates the archive at archivePath and returns the number of files whose data was written
// completely; files of zero bytes and files that could not be read get an entry but no count.
// notCounted, when given, receives the full paths of the listed files that were not counted.
int addFolderToArchive(platform::Files& files, const std::string& archivePath, const std::string& folder,
                       const ReportProgress& reportProgress, const PackOptions& options = {},
                       std::vector<std::string>* notCounted = nullptr);

}  // namespace sfx
