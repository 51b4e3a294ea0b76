#include "sfx/stub/extraction.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "common/cp1251.h"
#include "platform/native.h"
#include "platform/text/codepage.h"
#include "sfx/container/add_folder.h"
#include "sfx/container/dos_time.h"
#include "sfx/container/installer_file.h"
#include "sfx/container/tests/test_archives.h"

namespace sfx {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

struct Extracted {
    bool opened = false;
    ExtractionReport report;
    std::vector<int> progress;
};

Extracted extractInstaller(const std::string& installerBytes, const TempFolder& work, const std::string& into) {
    test::writeBytes(work.path() / "setup", installerBytes);
    Extracted e;
    Archive a = findArchive(platform::nativeFiles(), work.text() + "setup");
    e.opened = static_cast<bool>(a);
    if (a)
        e.report = extractArchive(platform::nativeFiles(), static_cast<unzFile>(a.get()), into,
                                  [&](int p) { e.progress.push_back(p); });
    return e;
}

std::string installerOf(const std::string& zip) {
    return test::fakeStub() + zip + archiveLengthTrailer(static_cast<uint32_t>(zip.size()));
}

std::string packFolder(const TempFolder& source) {
    TempFolder work;
    addFolderToArchive(platform::nativeFiles(), work.text() + "a.zip", source.text(), nullptr,
                       PackOptions{std::chrono::milliseconds(0)});
    return test::readBytes(work.path() / "a.zip");
}

TEST(Extraction, RoundTripKeepsSubPathsContentModeAndTimeToTheMinute) {
    TempFolder source, work, target;
    const std::string big(250000, 'b');
    test::writeBytes(source.path() / "VT-90", big);
    test::writeBytes(source.path() / "sub" / "name.txt", "name");
    test::writeBytes(source.path() / "Песни" / "Трек.txt", "track");
    test::writeBytes(source.path() / "ro.txt", "read only");
    ::chmod((source.path() / "VT-90").c_str(), 0755);
    ::chmod((source.path() / "ro.txt").c_str(), 0444);
    const sfx::DosDateTime stamp{2021, 5, 9, 14, 37, 44};
    for (const char* n : {"VT-90", "sub/name.txt", "ro.txt"})
        platform::nativeFiles().setLastWriteTime(source.text() + n, utcFromLocal(stamp));

    const Extracted e = extractInstaller(installerOf(packFolder(source)), work, target.text() + "VT-90/");
    ASSERT_TRUE(e.opened);
    EXPECT_TRUE(e.report.succeeded());
    EXPECT_EQ(e.report.total, 4);
    const fs::path root = target.path() / "VT-90";
    EXPECT_EQ(test::readBytes(root / "VT-90"), big);
    EXPECT_EQ(test::readBytes(root / "sub" / "name.txt"), "name");
    EXPECT_EQ(test::readBytes(root / "Песни" / "Трек.txt"), "track");

    struct stat st {};
    ASSERT_EQ(::stat((root / "VT-90").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0755u);
    sfx::DosDateTime minute = stamp;
    minute.second = 0;
    EXPECT_EQ(static_cast<int64_t>(st.st_mtime), utcFromLocal(minute));
    ASSERT_EQ(::stat((root / "ro.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0222, 0u);
}

TEST(Extraction, ProgressForThreeEntriesIs0_33_66) {
    TempFolder work, target;
    const Extracted e =
        extractInstaller(installerOf(test::makeZip({{"a", "1"}, {"b", "2"}, {"c", "3"}})), work, target.text());
    EXPECT_EQ(e.progress, (std::vector<int>{0, 33, 66}));
    EXPECT_EQ(e.report.total, 3);
}

TEST(Extraction, AnArchiveWithoutEntriesFillsTheBarAndSucceeds) {
    TempFolder work, target;
    const Extracted e =
        extractInstaller(installerOf(std::string("PK\x05\x06", 4) + std::string(18, '\0')), work, target.text());
    ASSERT_TRUE(e.opened);
    EXPECT_EQ(e.progress, std::vector<int>{100});
    EXPECT_EQ(e.report.total, 0);
    EXPECT_TRUE(e.report.succeeded());
}

TEST(Extraction, OverwritesExistingFilesButNotReadOnlyOnes) {
    TempFolder work, target;
    test::writeBytes(target.path() / "old.txt", "old content");
    test::writeBytes(target.path() / "locked.txt", "locked content");
    ::chmod((target.path() / "locked.txt").c_str(), 0444);
    const Extracted e = extractInstaller(installerOf(test::makeZip({{"old.txt", "new"}, {"locked.txt", "new"}})),
                                         work, target.text());
    EXPECT_EQ(test::readBytes(target.path() / "old.txt"), "new");
    EXPECT_EQ(test::readBytes(target.path() / "locked.txt"), "locked content");
    EXPECT_EQ(e.report.failed, std::vector<std::string>{"locked.txt"});
}

TEST(Extraction, FolderEntryCreatesTheFolderOnly) {
    TempFolder work, target;
    extractInstaller(installerOf(test::makeZip({{"data/", ""}})), work, target.text());
    EXPECT_TRUE(fs::is_directory(target.path() / "data"));
    EXPECT_TRUE(fs::is_empty(target.path() / "data"));
}

// An archive made by Info-ZIP, folder entries and all, appended to our stub installs correctly.
TEST(Extraction, InstallsAnArchiveMadeByInfoZip) {
    TempFolder source, work, target;
    test::writeBytes(source.path() / "tree" / "VT-90", std::string(123457, 'v'));
    test::writeBytes(source.path() / "tree" / "skins" / "Vantor.rss", "skin");
    fs::create_directories(source.path() / "tree" / "empty");
    ::chmod((source.path() / "tree" / "VT-90").c_str(), 0755);
    int status = 0;
    const std::string out = test::run("cd '" + source.path().string() + "/tree' && zip -9 -r -q ../made.zip . 2>&1",
                                      &status);
    ASSERT_EQ(status, 0) << out;
    const Extracted e = extractInstaller(installerOf(test::readBytes(source.path() / "made.zip")), work,
                                         target.text());
    ASSERT_TRUE(e.opened);
    EXPECT_TRUE(e.report.succeeded()) << (e.report.failed.empty() ? "" : e.report.failed[0]);
    EXPECT_EQ(test::readBytes(target.path() / "VT-90"), std::string(123457, 'v'));
    EXPECT_EQ(test::readBytes(target.path() / "skins" / "Vantor.rss"), "skin");
    EXPECT_TRUE(fs::is_directory(target.path() / "empty"));
    EXPECT_TRUE((fs::status(target.path() / "VT-90").permissions() & fs::perms::owner_exec) != fs::perms::none);
}

}  // namespace
}  // namespace sfx

#include "platform/fake/fake_files.h"

namespace sfx {
namespace {

// The whole way from folder to installed tree runs against the in-memory files as well.
TEST(Extraction, PackAndInstallOnFakeFiles) {
    platform::fake::FakeFiles files;
    files.addFile("/src/VT-90", std::string(250000, 'p'));
    files.addFile("/src/sub/name.txt", "name");
    files.setStamp("/src/VT-90", platform::FileStamp{utcFromLocal({2022, 3, 4, 5, 6, 7}), 0x20, 0100755});
    files.setStamp("/src/sub/name.txt", platform::FileStamp{0, platform::kAttributeReadOnly, 0});
    files.addFolder("/tmp");
    const int count = addFolderToArchive(files, "/tmp/a.zip", "/src/", nullptr, PackOptions{std::chrono::milliseconds(0)});
    ASSERT_EQ(count, 2);
    const std::string archive = files.content("/tmp/a.zip");
    files.addFile("/dl/setup", test::fakeStub() + archive + archiveLengthTrailer(uint32_t(archive.size())));

    Archive a = findArchive(files, "/dl/setup");
    ASSERT_TRUE(a);
    const ExtractionReport r = extractArchive(files, static_cast<unzFile>(a.get()), "/opt/VT-90", nullptr);
    EXPECT_TRUE(r.succeeded());
    EXPECT_EQ(files.content("/opt/VT-90/VT-90"), std::string(250000, 'p'));
    EXPECT_EQ(files.content("/opt/VT-90/sub/name.txt"), "name");
    EXPECT_EQ(files.stamp("/opt/VT-90/VT-90").unixMode, 0100755u);
    EXPECT_EQ(files.stamp("/opt/VT-90/VT-90").lastWrite, utcFromLocal({2022, 3, 4, 5, 6, 0}));
    EXPECT_EQ(files.stamp("/opt/VT-90/sub/name.txt").attributes, platform::kAttributeReadOnly);

    // Installing again: the read-only file keeps its content and is named as failed.
    files.addFile("/dl/setup2", files.content("/dl/setup"));
    Archive again = findArchive(files, "/dl/setup2");
    const ExtractionReport r2 = extractArchive(files, static_cast<unzFile>(again.get()), "/opt/VT-90", nullptr);
    EXPECT_EQ(r2.failed, std::vector<std::string>{"sub/name.txt"});
}

}  // namespace
}  // namespace sfx
