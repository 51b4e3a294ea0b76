#include "sfx/container/find_archive.h"

#include <gtest/gtest.h>

#include "platform/native.h"
#include "sfx/container/installer_file.h"
#include "sfx/container/tests/test_archives.h"

namespace sfx {
namespace {

using test::TempFolder;

int entryCount(const std::string& path) {
    Archive a = findArchive(platform::nativeFiles(), path);
    if (!a)
        return -1;
    unz_global_info64 g{};
    unzGetGlobalInfo64(static_cast<unzFile>(a.get()), &g);
    return static_cast<int>(g.number_entry);
}

std::string installerWith(const std::string& archive) {
    return test::fakeStub() + archive + archiveLengthTrailer(static_cast<uint32_t>(archive.size()));
}

TEST(FindArchive, FindsTheArchiveBehindTheStubWhateverTheFileIsCalled) {
    TempFolder work;
    const std::string zip = test::makeZip({{"a.txt", "alpha"}, {"b/c.txt", "gamma"}});
    test::writeBytes(work.path() / "any name at all", installerWith(zip));
    EXPECT_EQ(entryCount(work.text() + "any name at all"), 2);

    Archive a = findArchive(platform::nativeFiles(), work.text() + "any name at all");
    ASSERT_TRUE(a);
    unzFile z = static_cast<unzFile>(a.get());
    ASSERT_EQ(unzLocateFile(z, "b/c.txt", 1), UNZ_OK);
    ASSERT_EQ(unzOpenCurrentFile(z), UNZ_OK);
    char buffer[16] = {};
    EXPECT_EQ(unzReadCurrentFile(z, buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), "gamma");
    EXPECT_EQ(unzCloseCurrentFile(z), UNZ_OK);
}

TEST(FindArchive, TheBareStubHoldsNoArchive) {
    TempFolder work;
    test::writeBytes(work.path() / "stub", test::fakeStub());
    EXPECT_EQ(entryCount(work.text() + "stub"), -1);
    EXPECT_EQ(entryCount(work.text() + "missing"), -1);
}

TEST(FindArchive, BytesAfterTheTrailerAreToleratedWithinTheSearchWindow) {
    TempFolder work;
    const std::string installer = installerWith(test::makeZip({{"a.txt", "alpha"}}));
    test::writeBytes(work.path() / "signed", installer + std::string(60000, 'S'));
    EXPECT_EQ(entryCount(work.text() + "signed"), 1);
    // The end record now lies further than 65,535 bytes from the end.
    test::writeBytes(work.path() / "far", installer + std::string(70000, 'S'));
    EXPECT_EQ(entryCount(work.text() + "far"), -1);
}

TEST(FindArchive, AnEmptyArchiveOpensWithNoEntries) {
    TempFolder work;
    test::writeBytes(work.path() / "empty", installerWith(std::string("PK\x05\x06", 4) + std::string(18, '\0')));
    EXPECT_EQ(entryCount(work.text() + "empty"), 0);
}

TEST(FindArchive, TruncatedInstallerHoldsNoArchive) {
    TempFolder work;
    const std::string installer = installerWith(test::makeZip({{"a.txt", std::string(5000, 'a')}}));
    test::writeBytes(work.path() / "cut", installer.substr(0, installer.size() - 40));
    EXPECT_EQ(entryCount(work.text() + "cut"), -1);
}

}  // namespace
}  // namespace sfx
