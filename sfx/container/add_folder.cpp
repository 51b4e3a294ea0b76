#include "sfx/container/add_folder.h"

#include <zip.h>

#include <thread>

#include "platform/names.h"
#include "sfx/container/dos_time.h"
#include "sfx/container/entry_names.h"
#include "sfx/container/minizip_io.h"
#include "sfx/container/zip_constants.h"

namespace sfx {
namespace {

void listInto(platform::Files& files, const std::string& folder, std::vector<std::string>& out) {
    auto entries = files.listFolder(folder, "*.*");
    if (!entries)
        return;
    for (const platform::FolderEntry& e : *entries) {
        if (e.name == "." || e.name == "..")
            continue;
        const std::string path = folder + e.name;
        if (e.isFolder) {
            if (!e.isLink)
                listInto(files, platform::withTrailingSeparator(path), out);
        } else {
            out.push_back(path);
        }
    }
}

// Hands the file to the writer block by block; true when the last block was accepted.
bool writeData(platform::Files& files, zipFile zip, const std::string& path, const PackOptions& options) {
    auto file = files.openFile(path, platform::OpenMode::Read);
    if (!file)
        return false;
    std::vector<char> block(kBlockSize);
    bool lastAccepted = false;
    for (;;) {
        const int64_t n = file->read(block.data(), block.size());
        if (n <= 0) {
            if (n < 0)
                lastAccepted = false;
            break;
        }
        lastAccepted = zipWriteInFileInZip(zip, block.data(), static_cast<unsigned>(n)) == ZIP_OK;
        if (options.pauseAfterBlock.count() > 0)
            std::this_thread::sleep_for(options.pauseAfterBlock);
        if (!lastAccepted)
            break;
    }
    file->close();
    return lastAccepted;
}

}  // namespace

std::vector<std::string> listFilesDepthFirst(platform::Files& files, const std::string& folder) {
    std::vector<std::string> out;
    listInto(files, platform::withTrailingSeparator(folder), out);
    return out;
}

int addFolderToArchive(platform::Files& files, const std::string& archivePath, const std::string& folder,
                       const ReportProgress& reportProgress, const PackOptions& options,
                       std::vector<std::string>* notCounted) {
    zlib_filefunc64_def io = filesIo(files);
    zipFile zip = zipOpen2_64(archivePath.c_str(), APPEND_STATUS_CREATE, nullptr, &io);
    if (!zip)
        return 0;
    const std::vector<std::string> list = listFilesDepthFirst(files, folder);
    if (list.empty()) {
        zipClose(zip, nullptr);
        return 0;
    }
    int counted = 0;
    for (const std::string& path : list) {
        const std::optional<platform::FileStamp> stamp = files.fileStamp(path);
        if (!stamp) {
            if (notCounted)
                notCounted->push_back(path);
            continue;
        }
        const DosDateTime local = localDateTime(stamp->lastWrite);
        zip_fileinfo info{};
        info.tmz_date.tm_sec = static_cast<uInt>(local.second);
        info.tmz_date.tm_min = static_cast<uInt>(local.minute);
        info.tmz_date.tm_hour = static_cast<uInt>(local.hour);
        info.tmz_date.tm_mday = static_cast<uInt>(local.day);
        info.tmz_date.tm_mon = static_cast<uInt>(local.month - 1);
        info.tmz_date.tm_year = static_cast<uInt>(local.year);
        info.dosDate = packDosDateTime(local);
        info.external_fa = externalAttributes(stamp->attributes, stamp->unixMode);

        const std::string relative = relativeEntryPath(path, platform::withTrailingSeparator(folder));
        if (reportProgress)
            reportProgress(path, static_cast<double>(counted) * 100.0 / static_cast<double>(list.size()));

        const std::string name = storedEntryName(relative);
        if (zipOpenNewFileInZip4_64(zip, name.c_str(), &info, nullptr, 0, nullptr, 0, nullptr, Z_DEFLATED, 9, 0,
                                    -MAX_WBITS, DEF_MEM_LEVEL, Z_DEFAULT_STRATEGY, nullptr, 0,
                                    versionMadeBy(stamp->unixMode), 0, 0) != ZIP_OK) {
            if (notCounted)
                notCounted->push_back(path);
            continue;
        }
        const bool written = files.pathInfo(path).size != 0 && writeData(files, zip, path, options);
        // A file whose entry could not be closed (sizes and CRC-32 not stored) did not arrive.
        if (zipCloseFileInZip(zip) == ZIP_OK && written)
            ++counted;
        else if (notCounted)
            notCounted->push_back(path);
    }
    if (reportProgress)
        reportProgress(std::string(), 100.0);
    if (zipClose(zip, nullptr) != ZIP_OK)
        return -1;
    return counted;
}

}  // namespace sfx
