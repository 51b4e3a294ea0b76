#include "sfx/container/entry_names.h"

#include <gtest/gtest.h>

#include "common/cp1251.h"

namespace sfx {
namespace {

TEST(RelativeEntryPath, RemovesTheLeadingFolderIgnoringCase) {
    EXPECT_EQ(relativeEntryPath("/src/sub/name.txt", "/src/"), "sub/name.txt");
    EXPECT_EQ(relativeEntryPath("/SRC/name.txt", "/src/"), "name.txt");
    const std::string upper = common::cp1251("/Папка/файл.txt");
    const std::string lower = common::cp1251("/папка/");
    EXPECT_EQ(relativeEntryPath(upper, lower), common::cp1251("файл.txt").str());
}

TEST(RelativeEntryPath, KeepsALaterOccurrenceOfTheFolder) {
    EXPECT_EQ(relativeEntryPath("/a/x/a/y", "/a/"), "x/a/y");
}

TEST(StoredEntryName, IsCodePage866WithSlashes) {
    const std::string stored = storedEntryName(common::cp1251("Музыка\\трек.mp3"));
    // "М" is 0x8C in 866 (0xCC in 1251), "у" 0xE3 (0xF3 in 1251).
    ASSERT_GE(stored.size(), 7u);
    EXPECT_EQ(static_cast<unsigned char>(stored[0]), 0x8C);
    EXPECT_EQ(static_cast<unsigned char>(stored[1]), 0xE3);
    EXPECT_EQ(stored.substr(6, 1), "/");
}

struct NameCase {
    const char* stored;
    const char* path;
    bool isFolder;
    bool hostile;
    bool refused;
};

class InstallNames : public ::testing::TestWithParam<NameCase> {};

TEST_P(InstallNames, StayBelowTheInstallFolder) {
    const NameCase& c = GetParam();
    const InstallName n = installNameFor(c.stored);
    EXPECT_EQ(n.refused, c.refused) << c.stored;
    EXPECT_EQ(n.hostile, c.hostile) << c.stored;
    if (!c.refused) {
        EXPECT_EQ(n.path, c.path) << c.stored;
        EXPECT_EQ(n.isFolder, c.isFolder) << c.stored;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InstallNames,
    ::testing::Values(NameCase{"sub/name.txt", "sub/name.txt", false, false, false},
                      NameCase{"sub\\name.txt", "sub/name.txt", false, false, false},
                      NameCase{"data/", "data", true, false, false},
                      NameCase{"./a/./b", "a/b", false, false, false},
                      NameCase{"/etc/passwd", "etc/passwd", false, true, false},
                      NameCase{"C:\\Windows\\x.dll", "Windows/x.dll", false, true, false},
                      NameCase{"../evil", "", false, true, true},
                      NameCase{"a/../../evil", "", false, true, true},
                      NameCase{"a\\..\\evil", "", false, true, true},
                      NameCase{"/", "", true, true, true},
                      NameCase{"..", "", false, true, true}));

TEST(InstallNames, CyrillicComesBackIn1251) {
    const std::string name1251 = common::cp1251("Песни/трек.mp3");
    EXPECT_EQ(installNameFor(storedEntryName(name1251)).path, name1251);
}

}  // namespace
}  // namespace sfx
