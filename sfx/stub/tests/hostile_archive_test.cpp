// Archives made to escape the install folder or to pass off damage as success.

#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "platform/native.h"
#include "sfx/container/installer_file.h"
#include "sfx/container/tests/test_archives.h"
#include "sfx/stub/extraction.h"

namespace sfx {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

struct Outcome {
    bool opened = false;
    ExtractionReport report;
};

Outcome install(const std::string& zip, const TempFolder& work, const fs::path& into) {
    test::writeBytes(work.path() / "setup", test::fakeStub() + zip + archiveLengthTrailer(uint32_t(zip.size())));
    Outcome o;
    Archive a = findArchive(platform::nativeFiles(), work.text() + "setup");
    o.opened = static_cast<bool>(a);
    if (a)
        o.report = extractArchive(platform::nativeFiles(), static_cast<unzFile>(a.get()), into.string() + "/", nullptr);
    return o;
}

// Every file below the folder, as paths relative to it.
std::vector<std::string> treeOf(const fs::path& folder) {
    std::vector<std::string> out;
    for (const auto& e : fs::recursive_directory_iterator(folder))
        out.push_back(fs::relative(e.path(), folder).string());
    std::sort(out.begin(), out.end());
    return out;
}

TEST(HostileArchive, DotDotNamesAreRefusedAndReported) {
    TempFolder work, outside;
    const fs::path target = outside.path() / "a" / "b";
    const Outcome o = install(test::makeZip({{"../escape.txt", "x"}, {"ok/../../../escape2.txt", "x"}, {"fine", "f"}}),
                              work, target);
    ASSERT_TRUE(o.opened);
    EXPECT_EQ(o.report.failed, (std::vector<std::string>{"../escape.txt", "ok/../../../escape2.txt"}));
    EXPECT_FALSE(o.report.succeeded());
    EXPECT_EQ(treeOf(outside.path()), (std::vector<std::string>{"a", "a/b", "a/b/fine"}));
}

TEST(HostileArchive, AbsoluteNamesLandBelowTheFolderAndAreReported) {
    TempFolder work, outside;
    const fs::path target = outside.path() / "in";
    const std::string absolute = (outside.path() / "abs.txt").string();
    const Outcome o = install(test::makeZip({{absolute, "x"}, {"C:\\boot.ini", "y"}}), work, target);
    EXPECT_EQ(o.report.failed.size(), 2u);
    EXPECT_FALSE(fs::exists(outside.path() / "abs.txt"));
    EXPECT_EQ(test::readBytes(target / fs::path(absolute).relative_path()), "x");
    EXPECT_EQ(test::readBytes(target / "boot.ini"), "y");
}

TEST(HostileArchive, NamesTooLongForTheNameBufferAreRefused) {
    TempFolder work, target;
    const std::string longName = std::string(300, 'd') + "/" + std::string(250, 'f');
    const std::string longest = std::string(200, 'a') + "/" + std::string(200, 'b') + "/" + std::string(97, 'c');
    ASSERT_EQ(longest.size(), 499u);
    const Outcome o = install(test::makeZip({{longName, "x"}, {longest, "y"}}), work, target.path());
    EXPECT_EQ(o.report.failed.size(), 1u);
    EXPECT_EQ(test::readBytes(target.path() / longest), "y");
    EXPECT_EQ(treeOf(target.path()).size(), 3u);  // two folders and the one file
}

TEST(HostileArchive, SymbolicLinkEntriesAreNotCreated) {
    TempFolder work, outside;
    const fs::path target = outside.path() / "in";
    test::RawEntry link{"link", "/etc", 0120777};
    test::RawEntry through{"link/passwd", "owned", 0100644};
    const Outcome o = install(test::makeZip({link, through}), work, target);
    EXPECT_EQ(o.report.failed, std::vector<std::string>{"link"});
    EXPECT_FALSE(fs::is_symlink(target / "link"));
    EXPECT_EQ(test::readBytes(target / "link" / "passwd"), "owned");  // a plain folder, inside
}

std::string noise(size_t n) {
    std::string s(n, '\0');
    uint32_t x = 12345;
    for (char& c : s) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>(x >> 24);
    }
    return s;
}

TEST(HostileArchive, AFlippedByteInPlainDataIsACrcError) {
    TempFolder work, target;
    std::string zip = test::makeZip({{"a.bin", noise(50000)}, {"b.txt", "fine"}});
    zip[30 + 5 + 25000] ^= 0x01;  // inside a stored-like deflate block of incompressible data
    const Outcome o = install(zip, work, target.path());
    ASSERT_TRUE(o.opened);
    EXPECT_EQ(o.report.failed, std::vector<std::string>{"a.bin"});
    EXPECT_EQ(test::readBytes(target.path() / "b.txt"), "fine");
}

TEST(HostileArchive, AFlippedByteInCompressedDataIsNotASuccess) {
    TempFolder work, target;
    const std::string data(50000, 'z');
    std::string zip = test::makeZip({{"a.bin", data}, {"b.txt", "fine"}});
    // The stored method is deflate; flip a byte in the middle of a.bin's compressed data, which
    // starts after the 30-byte local header and the name.
    zip[30 + 5 + 20] ^= 0x01;
    const Outcome o = install(zip, work, target.path());
    ASSERT_TRUE(o.opened);
    EXPECT_EQ(o.report.failed, std::vector<std::string>{"a.bin"});
    EXPECT_EQ(test::readBytes(target.path() / "b.txt"), "fine");
}

TEST(HostileArchive, TruncatedInstallerIsNotOpened) {
    TempFolder work, target;
    std::string zip = test::makeZip({{"a.bin", std::string(10000, 'q')}});
    zip.resize(zip.size() / 2);
    const Outcome o = install(zip, work, target.path());
    EXPECT_FALSE(o.opened);
    EXPECT_TRUE(fs::is_empty(target.path()));
}

TEST(HostileArchive, DamagedCentralDirectoryIsReportedNotSucceeded) {
    TempFolder work, target;
    std::string zip = test::makeZip({{"a", "1"}, {"b", "2"}, {"c", "3"}});
    // Break the signature of the second central-directory header: the walk stops early.
    const size_t first = zip.find(std::string("PK\x01\x02", 4));
    const size_t second = zip.find(std::string("PK\x01\x02", 4), first + 4);
    ASSERT_NE(second, std::string::npos);
    zip[second] = 'X';
    const Outcome o = install(zip, work, target.path());
    if (o.opened) {
        EXPECT_FALSE(o.report.succeeded());
    }
}

TEST(HostileArchive, EndRecordBeyondTheSearchWindowIsNotFound) {
    TempFolder work, target;
    const std::string zip = test::makeZip({{"a", "1"}});
    test::writeBytes(work.path() / "setup",
                     test::fakeStub() + zip + archiveLengthTrailer(uint32_t(zip.size())) + std::string(65536, '\0'));
    EXPECT_FALSE(findArchive(platform::nativeFiles(), work.text() + "setup"));
}

}  // namespace
}  // namespace sfx

namespace sfx {
namespace {

// Every single-byte corruption of a small installer: extraction never writes outside the
// folder, and when it reports success each file it wrote holds the bytes of one of the
// originals.
TEST(HostileArchive, NoSingleByteCorruptionPassesOffWrongDataAsSuccess) {
    const std::vector<test::RawEntry> entries = {{"a.txt", std::string(1500, 'a') + "tail"},
                                                 {"sub/b.bin", noise(600)},
                                                 {"c.txt", "c"}};
    std::set<std::string> originals;
    for (const auto& e : entries)
        originals.insert(e.data);
    const std::string zip = test::makeZip(entries);
    TempFolder work, outside;
    const fs::path target = outside.path() / "in";
    for (size_t at = 0; at < zip.size(); at += 2) {
        std::string damaged = zip;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        fs::remove_all(target);
        const Outcome o = install(damaged, work, target);
        for (const std::string& path : treeOf(outside.path()))
            ASSERT_EQ(path.rfind("in", 0), 0u) << "byte " << at << " wrote " << path;
        if (!o.opened || !o.report.succeeded())
            continue;
        for (const auto& e : fs::recursive_directory_iterator(target))
            if (e.is_regular_file()) {
                EXPECT_TRUE(originals.count(test::readBytes(e.path()))) << "byte " << at << ": " << e.path();
            }
    }
}

}  // namespace
}  // namespace sfx
