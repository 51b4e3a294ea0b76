#include <sys/stat.h>

#include <chrono>
#include <fstream>
#include <future>

#include <gtest/gtest.h>

#include "platform/native.h"
#include "temp_folder.h"

using namespace platform;
namespace fs = std::filesystem;

namespace {

void writeBytes(const fs::path& p, const std::string& bytes) {
    std::ofstream(p, std::ios::binary) << bytes;
}

}  // namespace

TEST(PosixFiles, PathInfoTellsMissingFolderAndFileApart) {
    TempFolder tmp;
    writeBytes(tmp.path() / "full", "12345");
    writeBytes(tmp.path() / "empty", "");
    Files& files = nativeFiles();
    EXPECT_EQ(files.pathInfo(tmp.str() + "/nothing").kind, PathKind::Missing);
    EXPECT_EQ(files.pathInfo(tmp.str()).kind, PathKind::Folder);
    EXPECT_EQ(files.pathInfo(tmp.str() + "/full").kind, PathKind::File);
    EXPECT_EQ(files.pathInfo(tmp.str() + "/full").size, 5u);
    EXPECT_EQ(files.pathInfo(tmp.str() + "/empty").kind, PathKind::File);
    EXPECT_EQ(files.pathInfo(tmp.str() + "/empty").size, 0u);
    EXPECT_EQ(files.pathInfo("").kind, PathKind::Missing);
}

TEST(PosixFiles, CyrillicNamesAreUtf8OnDiskAnd1251Inside) {
    TempFolder tmp;
    const std::string name1251 = "\xcc\xf3\xe7\xfb\xea\xe0.txt";  // Музыка.txt
    Files& files = nativeFiles();
    ASSERT_TRUE(files.writeFile(tmp.str() + "/" + name1251, "data"));
    EXPECT_TRUE(fs::exists(tmp.path() / "\xd0\x9c\xd1\x83\xd0\xb7\xd1\x8b\xd0\xba\xd0\xb0.txt"));
    auto entries = files.listFolder(tmp.str(), "*.*");
    ASSERT_TRUE(entries);
    bool found = false;
    for (const auto& e : *entries)
        found |= e.name == name1251 && !e.isFolder;
    EXPECT_TRUE(found);
    EXPECT_EQ(files.readFile(tmp.str() + "/" + name1251).value_or(""), "data");
}

TEST(PosixFiles, ListingReportsDotsFoldersFilesAndMatchesPattern) {
    TempFolder tmp;
    fs::create_directory(tmp.path() / "sub");
    writeBytes(tmp.path() / "a.mp3", "x");
    writeBytes(tmp.path() / "README", "x");
    Files& files = nativeFiles();
    auto all = files.listFolder(tmp.str() + "/", "*.*");
    ASSERT_TRUE(all);
    std::map<std::string, bool> seen;
    for (const auto& e : *all)
        seen[e.name] = e.isFolder;
    EXPECT_EQ(seen, (std::map<std::string, bool>{{".", true}, {"..", true}, {"sub", true}, {"a.mp3", false}, {"README", false}}));
    auto mp3 = files.listFolder(tmp.str(), "*.mp3");
    ASSERT_TRUE(mp3);
    ASSERT_EQ(mp3->size(), 1u);
    EXPECT_EQ((*mp3)[0].name, "a.mp3");
    EXPECT_FALSE(files.listFolder(tmp.str() + "/missing", "*.*"));
}

TEST(PosixFiles, LinkToFolderCountsAsFolder) {
    TempFolder tmp;
    fs::create_directory(tmp.path() / "real");
    fs::create_directory_symlink(tmp.path() / "real", tmp.path() / "link");
    fs::create_symlink(tmp.path() / "gone", tmp.path() / "dangling");
    auto entries = nativeFiles().listFolder(tmp.str(), "*.*");
    ASSERT_TRUE(entries);
    for (const auto& e : *entries) {
        if (e.name == "link") {
            EXPECT_TRUE(e.isFolder);
            EXPECT_TRUE(e.isLink);
        }
        if (e.name == "dangling") {
            EXPECT_FALSE(e.isFolder);
            EXPECT_TRUE(e.isLink);
        }
    }
}

TEST(PosixFiles, ReadingAFifoFailsInsteadOfBlocking) {
    TempFolder tmp;
    const std::string fifo = tmp.str() + "/uninst.dat";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto result = std::async(std::launch::async, [&] { return nativeFiles().readFile(fifo).has_value(); });
    ASSERT_EQ(result.wait_for(std::chrono::seconds(5)), std::future_status::ready);
    EXPECT_FALSE(result.get());
}

TEST(PosixFiles, ReadFileFailsForFoldersAndMissingFiles) {
    TempFolder tmp;
    EXPECT_FALSE(nativeFiles().readFile(tmp.str()));
    EXPECT_FALSE(nativeFiles().readFile(tmp.str() + "/none"));
}

TEST(PosixFiles, DeleteTakesFilesOnlyAndRemoveFolderOnlyEmptyOnes) {
    TempFolder tmp;
    fs::create_directories(tmp.path() / "full/inner");
    fs::create_directory(tmp.path() / "empty");
    writeBytes(tmp.path() / "f", "x");
    Files& files = nativeFiles();
    EXPECT_FALSE(files.deleteFile(tmp.str() + "/empty"));
    EXPECT_TRUE(fs::exists(tmp.path() / "empty"));
    EXPECT_TRUE(files.deleteFile(tmp.str() + "/f"));
    EXPECT_FALSE(fs::exists(tmp.path() / "f"));
    EXPECT_FALSE(files.deleteFile(tmp.str() + "/f"));
    EXPECT_FALSE(files.deleteFile(""));
    EXPECT_FALSE(files.removeFolder(tmp.str() + "/full"));
    EXPECT_TRUE(files.removeFolder(tmp.str() + "/empty"));
    EXPECT_FALSE(fs::exists(tmp.path() / "empty"));
}

TEST(PosixFiles, CreateFoldersMakesTheWholePath) {
    TempFolder tmp;
    Files& files = nativeFiles();
    EXPECT_TRUE(files.createFolders(tmp.str() + "/a/b/c/"));
    EXPECT_TRUE(fs::is_directory(tmp.path() / "a/b/c"));
    EXPECT_TRUE(files.createFolders(tmp.str() + "/a/b"));
    writeBytes(tmp.path() / "file", "x");
    EXPECT_FALSE(files.createFolders(tmp.str() + "/file/sub"));
}

TEST(PosixFiles, WriteFileTruncates) {
    TempFolder tmp;
    Files& files = nativeFiles();
    ASSERT_TRUE(files.writeFile(tmp.str() + "/w", "long content"));
    ASSERT_TRUE(files.writeFile(tmp.str() + "/w", "short"));
    EXPECT_EQ(files.readFile(tmp.str() + "/w").value_or(""), "short");
    EXPECT_FALSE(files.writeFile(tmp.str() + "/no/such/folder/w", "x"));
}
