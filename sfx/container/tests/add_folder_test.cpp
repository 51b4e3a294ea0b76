#include "sfx/container/add_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unzip.h>

#include <filesystem>

#include "common/cp1251.h"
#include "platform/fake/fake_files.h"
#include "platform/native.h"
#include "platform/text/codepage.h"
#include "sfx/container/dos_time.h"
#include "sfx/container/find_archive.h"
#include "sfx/container/installer_file.h"
#include "sfx/container/tests/test_archives.h"

namespace sfx {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

const PackOptions kNoPause{std::chrono::milliseconds(0)};

struct Packed {
    int count = 0;
    std::vector<std::pair<std::string, double>> progress;
    std::string archive;
};

Packed pack(const TempFolder& source, const TempFolder& work) {
    Packed p;
    const std::string archivePath = work.text() + "out.zip";
    p.count = addFolderToArchive(
        platform::nativeFiles(), archivePath, source.text(),
        [&](const std::string& path, double percent) { p.progress.emplace_back(path, percent); }, kNoPause);
    p.archive = test::readBytes(work.path() / "out.zip");
    return p;
}

struct EntryInfo {
    std::string name;
    unz_file_info64 info;
};

std::vector<EntryInfo> entriesOf(const TempFolder& work, const std::string& bytes) {
    test::writeBytes(work.path() / "read.zip", bytes);
    Archive a = findArchive(platform::nativeFiles(), work.text() + "read.zip");
    std::vector<EntryInfo> out;
    if (!a)
        return out;
    unzFile z = static_cast<unzFile>(a.get());
    for (int r = unzGoToFirstFile(z); r == UNZ_OK; r = unzGoToNextFile(z)) {
        EntryInfo e{};
        char name[500] = {};
        unzGetCurrentFileInfo64(z, &e.info, name, sizeof name - 1, nullptr, 0, nullptr, 0);
        e.name = name;
        out.push_back(e);
    }
    return out;
}

TEST(AddFolderToArchive, EmptyFolderGivesTheBareEndRecord) {
    TempFolder source, work;
    const Packed p = pack(source, work);
    EXPECT_EQ(p.count, 0);
    EXPECT_TRUE(p.progress.empty());
    const std::string expected = std::string("PK\x05\x06", 4) + std::string(18, '\0');
    EXPECT_EQ(p.archive, expected);

    const std::string stub = test::fakeStub();
    ASSERT_TRUE(writeInstaller(platform::nativeFiles(), work.text() + "setup", stub, p.archive));
    const std::string installer = test::readBytes(work.path() / "setup");
    ASSERT_EQ(installer.size(), stub.size() + 26);
    EXPECT_EQ(installer.substr(0, stub.size()), stub);
    EXPECT_EQ(installer.substr(installer.size() - 4), std::string("\x16\x00\x00\x00", 4));
}

TEST(AddFolderToArchive, ListsDepthFirstInListingOrder) {
    platform::fake::FakeFiles files;
    files.addFile("/src/a.txt");
    files.addFile("/src/sub/b.txt");
    files.addFolder("/src/sub/deep");
    files.addFile("/src/sub/deep/c.txt");
    files.addFile("/src/sub/e.txt");
    files.addFolder("/src/empty");
    files.addFile("/src/d.txt");
    const std::vector<std::string> expected = {"/src/a.txt", "/src/sub/b.txt", "/src/sub/deep/c.txt",
                                               "/src/sub/e.txt", "/src/d.txt"};
    EXPECT_EQ(listFilesDepthFirst(files, "/src/"), expected);
}

TEST(AddFolderToArchive, EntriesFollowTheListAndFoldersGetNone) {
    TempFolder source, work;
    test::writeBytes(source.path() / "a" / "b" / "c.txt", "deep");
    test::writeBytes(source.path() / "top.txt", "top");
    test::writeBytes(source.path() / "a" / "side.txt", "side");
    fs::create_directories(source.path() / "empty");
    const Packed p = pack(source, work);
    EXPECT_EQ(p.count, 3);

    std::vector<std::string> expected;
    for (const std::string& path : listFilesDepthFirst(platform::nativeFiles(), source.text()))
        expected.push_back(path.substr(source.text().size()));
    std::vector<std::string> names;
    for (const EntryInfo& e : entriesOf(work, p.archive))
        names.push_back(e.name);
    EXPECT_EQ(names, expected);
    EXPECT_EQ(std::count(names.begin(), names.end(), "a/b/c.txt"), 1);
}

TEST(AddFolderToArchive, EntryFieldsCarryMethodFlagsTimeAndAttributes) {
    TempFolder source, work;
    test::writeBytes(source.path() / "run.sh", std::string(300000, 'x'));
    test::writeBytes(source.path() / "ro.txt", "read only");
    test::writeBytes(source.path() / ".hidden", "h");
    ::chmod((source.path() / "run.sh").c_str(), 0755);
    ::chmod((source.path() / "ro.txt").c_str(), 0444);
    const int64_t when = 1620571064;  // 44 seconds past a minute
    for (const char* n : {"run.sh", "ro.txt", ".hidden"})
        ASSERT_TRUE(platform::nativeFiles().setLastWriteTime(source.text() + n, when));

    const Packed p = pack(source, work);
    EXPECT_EQ(p.count, 3);
    const auto entries = entriesOf(work, p.archive);
    ASSERT_EQ(entries.size(), 3u);
    for (const EntryInfo& e : entries) {
        SCOPED_TRACE(e.name);
        EXPECT_EQ(e.info.compression_method, 8u);
        EXPECT_EQ(e.info.flag, 2u);
        EXPECT_EQ(e.info.version >> 8, 3u);  // made by Unix
        EXPECT_EQ(e.info.size_file_extra, 0u);
        EXPECT_EQ(e.info.size_file_comment, 0u);
        EXPECT_EQ(e.info.dosDate, packDosDateTime(localDateTime(when)));
        const uint32_t mode = static_cast<uint32_t>(e.info.external_fa >> 16);
        const uint32_t attributes = static_cast<uint32_t>(e.info.external_fa & 0xFFFF);
        EXPECT_TRUE(S_ISREG(mode));
        if (e.name == "run.sh") {
            EXPECT_EQ(mode & 0777, 0755u);
            EXPECT_EQ(attributes, 0x20u);
            EXPECT_LT(e.info.compressed_size, e.info.uncompressed_size / 100);
        } else if (e.name == "ro.txt") {
            EXPECT_EQ(mode & 0777, 0444u);
            EXPECT_EQ(attributes, 0x01u);
        } else {
            EXPECT_EQ(attributes, 0x02u);
        }
    }
}

TEST(AddFolderToArchive, CyrillicNameIsStoredIn866) {
    TempFolder source, work;
    test::writeBytes(source.path() / "Песня.txt", "la");  // UTF-8 on disk
    const Packed p = pack(source, work);
    const auto entries = entriesOf(work, p.archive);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, platform::cp1251ToCp866(common::cp1251("Песня.txt")));
    EXPECT_EQ(static_cast<unsigned char>(entries[0].name[0]), 0x8F);  // "П" in 866
}

TEST(AddFolderToArchive, ZeroByteFileGetsAnEntryButNoCount) {
    TempFolder source, work;
    test::writeBytes(source.path() / "a.txt", "a");
    test::writeBytes(source.path() / "empty.txt", "");
    std::vector<std::string> notCounted;
    const int count = addFolderToArchive(platform::nativeFiles(), work.text() + "o.zip", source.text(), nullptr,
                                         kNoPause, &notCounted);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(notCounted, std::vector<std::string>{source.text() + "empty.txt"});
    EXPECT_EQ(entriesOf(work, test::readBytes(work.path() / "o.zip")).size(), 2u);
}

TEST(AddFolderToArchive, ASpecialFileGetsNoEntryAndDoesNotHang) {
    TempFolder source, work;
    test::writeBytes(source.path() / "a.txt", "a");
    ASSERT_EQ(::mkfifo((source.path() / "pipe").c_str(), 0644), 0);
    std::vector<std::string> notCounted;
    const int count = addFolderToArchive(platform::nativeFiles(), work.text() + "o.zip", source.text(), nullptr,
                                         kNoPause, &notCounted);
    EXPECT_EQ(count, 1);
    EXPECT_EQ(notCounted, std::vector<std::string>{source.text() + "pipe"});
}

TEST(AddFolderToArchive, ReportsProgressBeforeEachFileAndAtTheEnd) {
    TempFolder source, work;
    for (const char* n : {"1", "2", "3", "4"})
        test::writeBytes(source.path() / n, n);
    const Packed p = pack(source, work);
    ASSERT_EQ(p.progress.size(), 5u);
    const std::vector<std::string> list = listFilesDepthFirst(platform::nativeFiles(), source.text());
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(p.progress[i].first, list[i]);
        EXPECT_DOUBLE_EQ(p.progress[i].second, 25.0 * static_cast<double>(i));
    }
    EXPECT_EQ(p.progress[4].first, "");
    EXPECT_DOUBLE_EQ(p.progress[4].second, 100.0);
}

TEST(AddFolderToArchive, ProgressCountsOnlyFilesThatArrived) {
    TempFolder source, work;
    test::writeBytes(source.path() / "empty", "");
    test::writeBytes(source.path() / "full", "x");
    test::writeBytes(source.path() / "more", "y");
    const Packed p = pack(source, work);
    ASSERT_EQ(p.progress.size(), 4u);
    const std::vector<std::string> list = listFilesDepthFirst(platform::nativeFiles(), source.text());
    double counted = 0;
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_DOUBLE_EQ(p.progress[i].second, counted * 100.0 / 3.0);
        if (fs::file_size(platform::cp1251ToUtf8(list[i])) > 0)
            ++counted;
    }
}

TEST(AddFolderToArchive, AFolderThatCannotBeListedCountsAsEmpty) {
    TempFolder work;
    const int count = addFolderToArchive(platform::nativeFiles(), work.text() + "o.zip", work.text() + "missing/",
                                         nullptr, kNoPause);
    EXPECT_EQ(count, 0);
    EXPECT_EQ(test::readBytes(work.path() / "o.zip").size(), 22u);
}

// Info-ZIP and Python read what we write, stub and trailer around it included.
TEST(AddFolderToArchive, OtherToolsReadTheInstaller) {
    TempFolder source, work;
    test::writeBytes(source.path() / "VT-90", std::string(200000, 'p'));
    test::writeBytes(source.path() / "skins" / "Vantor.rss", "skin");
    ::chmod((source.path() / "VT-90").c_str(), 0755);
    const Packed p = pack(source, work);
    ASSERT_EQ(p.count, 2);
    ASSERT_TRUE(writeInstaller(platform::nativeFiles(), work.text() + "setup", test::fakeStub(), p.archive));
    const std::string setup = (work.path() / "setup").string();

    int status = 0;
    const std::string unzipList = test::run("unzip -l '" + setup + "' 2>&1", &status);
    EXPECT_LE(status, 1) << unzipList;  // 1: a warning about the bytes in front
    EXPECT_NE(unzipList.find("skins/Vantor.rss"), std::string::npos) << unzipList;
    EXPECT_NE(unzipList.find("200000"), std::string::npos) << unzipList;

    const std::string test = test::run("unzip -t '" + setup + "' 2>&1", &status);
    EXPECT_LE(status, 1) << test;
    EXPECT_NE(test.find("No errors detected"), std::string::npos) << test;

    const std::string info = test::run("zipinfo '" + setup + "' 2>&1", &status);
    EXPECT_NE(info.find("-rwxr-xr-x"), std::string::npos) << info;
    EXPECT_NE(info.find("defX"), std::string::npos) << info;  // deflate, maximum

    const std::string py = test::run("python3 -m zipfile -l '" + setup + "' 2>&1", &status);
    EXPECT_EQ(status, 0) << py;
    EXPECT_NE(py.find("skins/Vantor.rss"), std::string::npos) << py;
    const std::string pyTest = test::run("python3 -m zipfile -t '" + setup + "' 2>&1", &status);
    EXPECT_EQ(status, 0) << pyTest;

    // Info-ZIP extracts it with the executable bit.
    fs::create_directories(work.path() / "x");
    test::run("cd '" + (work.path() / "x").string() + "' && unzip -q '" + setup + "' 2>&1", &status);
    EXPECT_EQ(test::readBytes(work.path() / "x" / "VT-90"), std::string(200000, 'p'));
    EXPECT_TRUE((fs::status(work.path() / "x" / "VT-90").permissions() & fs::perms::owner_exec) != fs::perms::none);
}

TEST(AddFolderToArchive, PythonReadsCyrillicNamesAs866) {
    TempFolder source, work;
    test::writeBytes(source.path() / "Папка" / "Песня.txt", "la");
    const Packed p = pack(source, work);
    test::writeBytes(work.path() / "a.zip", p.archive);
    int status = 0;
    const std::string out = test::run(
        "python3 -c \"import zipfile,sys; print(zipfile.ZipFile(sys.argv[1], metadata_encoding='cp866').namelist())\" '" +
            (work.path() / "a.zip").string() + "'",
        &status);
    EXPECT_EQ(status, 0) << out;
    EXPECT_NE(out.find("Папка/Песня.txt"), std::string::npos) << out;
}

}  // namespace
}  // namespace sfx
