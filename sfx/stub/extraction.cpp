#include "sfx/stub/extraction.h"

#include <vector>

#include "platform/names.h"
#include "platform/text/codepage.h"
#include "sfx/container/add_folder.h"
#include "sfx/container/dos_time.h"
#include "sfx/container/entry_names.h"
#include "sfx/container/zip_constants.h"

namespace sfx {

int extractEntry(platform::Files& files, unzFile archive, const std::string& folderIn, std::string* nameOut) {
    const std::string folder = platform::withTrailingSeparator(folderIn);
    files.createFolders(folder);

    unz_file_info64 info{};
    char stored[500] = {};
    // The reader leaves a name that fills the buffer unterminated: the last byte stays zero.
    const int infoResult =
        unzGetCurrentFileInfo64(archive, &info, stored, sizeof stored - 1, nullptr, 0, nullptr, 0);
    if (infoResult != UNZ_OK)
        return infoResult;
    if (nameOut)
        *nameOut = platform::cp866ToCp1251(stored);
    // A longer name arrives cut short and would be written under a name it never had.
    if (info.size_filename > sizeof stored - 1)
        return kRefusedName;

    const InstallName target = installNameFor(stored);
    if (target.refused)
        return kRefusedName;
    const uint32_t unixMode = unixModeOf(static_cast<uint32_t>(info.version), static_cast<uint32_t>(info.external_fa));
    if (isSymbolicLink(unixMode))
        return kRefusedLink;

    const int openResult = unzOpenCurrentFile(archive);
    if (openResult != UNZ_OK)
        return openResult;

    const std::string path = folder + target.path;
    if (target.isFolder) {
        files.createFolders(path);
        unzCloseCurrentFile(archive);
        return target.hostile ? kStrippedName : 0;
    }

    const std::string parent = platform::folderPart(path);
    if (!parent.empty())
        files.createFolders(parent);
    auto out = files.openFile(path, platform::OpenMode::Create);
    if (!out) {
        unzCloseCurrentFile(archive);
        return kCannotCreate;
    }
    std::vector<char> buffer(kBlockSize);
    int result = 0;
    bool written = true;
    uint64_t total = 0;
    for (;;) {
        result = unzReadCurrentFile(archive, buffer.data(), static_cast<unsigned>(buffer.size()));
        if (result <= 0)
            break;
        total += static_cast<uint64_t>(result);
        if (!out->write(buffer.data(), static_cast<size_t>(result)))
            written = false;
    }
    if (!out->close())
        written = false;
    // The reader compares the CRC-32 when the entry is closed after a complete read.
    const int closeResult = unzCloseCurrentFile(archive);

    DosDateTime when = unpackDosDateTime(static_cast<uint32_t>(info.dosDate));
    when.second = 0;
    files.setLastWriteTime(path, utcFromLocal(when));
    files.setAttributes(path, static_cast<uint32_t>(info.external_fa & 0xFFFF), unixMode);

    if (result < 0)
        return result;
    if (closeResult != UNZ_OK)
        return closeResult;
    // The reader compares the CRC-32 only when the stated size was reached; damaged data that
    // ends the compressed stream early must not pass for a complete file.
    if (total != info.uncompressed_size)
        return kShortData;
    if (!written)
        return kWriteFailed;
    return target.hostile ? kStrippedName : 0;
}

ExtractionReport extractArchive(platform::Files& files, unzFile archive, const std::string& folder,
                                const std::function<void(int)>& progress) {
    ExtractionReport report;
    unz_global_info64 global{};
    if (unzGetGlobalInfo64(archive, &global) == UNZ_OK)
        report.total = static_cast<int>(global.number_entry);
    if (report.total == 0) {
        // Nothing to do, and nothing to divide by: the bar is simply full.
        if (progress)
            progress(100);
        return report;
    }
    unzGoToFirstFile(archive);
    int done = 0;
    do {
        std::string name;
        const int code = extractEntry(files, archive, folder, &name);
        if (code != 0)
            report.failed.push_back(name.empty() ? "#" + std::to_string(done + 1) : name);
        if (progress)
            progress(static_cast<int>(static_cast<int64_t>(done) * 100 / report.total));
        ++done;
    } while (unzGoToNextFile(archive) == UNZ_OK);
    report.processed = done;
    return report;
}

}  // namespace sfx
