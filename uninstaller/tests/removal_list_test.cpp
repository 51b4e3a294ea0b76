#include "uninstaller/removal_list.h"

#include <gtest/gtest.h>

using uninstaller::readRemovalList;
using namespace std::string_literals;

// The line rules themselves are tested with the shared reader; here the list keeps what the
// uninstaller relies on.
TEST(RemovalList, EntriesKeepBlanksAndBytes) {
    EXPECT_EQ(readRemovalList(" VT-90\r\nVT-90 \r\n\t\r\n"), (std::vector<std::string>{" VT-90", "VT-90 ", "\t"}));
}

TEST(RemovalList, SameEntriesForEveryLineEnd) {
    const std::vector<std::string> expected{"a.dll", "b.txt", "uninst.dat"};
    EXPECT_EQ(readRemovalList("a.dll\r\nb.txt\r\nuninst.dat\r\n"), expected);
    EXPECT_EQ(readRemovalList("a.dll\nb.txt\nuninst.dat"), expected);
    EXPECT_EQ(readRemovalList("a.dll\rb.txt\runinst.dat\r"), expected);
}

TEST(RemovalList, ZeroByteEndsAnEntry) {
    EXPECT_EQ(readRemovalList("a.d\0ll\n"s), (std::vector<std::string>{"a.d", "ll"}));
}
