#include "platform/fake/fake_files.h"

#include <gtest/gtest.h>

using namespace platform;

// The fake must behave like the real file system where the tests of other modules rely on it.
TEST(FakeFiles, ResolvesRelativePathsAndListsInCreationOrder) {
    fake::FakeFiles files;
    files.currentDirectory = "/install";
    files.addFile("b.txt", "12");
    files.addFile("/install/a.txt", "1");
    files.addFolder("sub");
    EXPECT_EQ(files.pathInfo("b.txt").size, 2u);
    EXPECT_EQ(files.pathInfo("/install/sub/").kind, PathKind::Folder);
    auto list = files.listFolder("", "*.*");
    ASSERT_TRUE(list);
    std::vector<std::string> names;
    for (const auto& e : *list)
        names.push_back(e.name);
    EXPECT_EQ(names, (std::vector<std::string>{".", "..", "b.txt", "a.txt", "sub"}));
}

TEST(FakeFiles, RefusalsAndFolderRules) {
    fake::FakeFiles files;
    files.addFile("/f/locked", "x");
    files.refuseDelete("/f/locked");
    files.addFile("/f/secret", "x");
    files.refuseRead("/f/secret");
    EXPECT_FALSE(files.deleteFile("/f/locked"));
    EXPECT_FALSE(files.readFile("/f/secret"));
    EXPECT_FALSE(files.removeFolder("/f"));
    EXPECT_FALSE(files.deleteFile("/f"));
    EXPECT_TRUE(files.deleteFile("/f/secret"));
    EXPECT_FALSE(files.writeFile("/nowhere/x", "y"));
}
