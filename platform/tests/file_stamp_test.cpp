#include <gtest/gtest.h>
#include <sys/stat.h>

#include <fstream>

#include "platform/native.h"
#include "platform/tests/temp_folder.h"
#include "platform/text/codepage.h"

namespace platform {
namespace {

TEST(WindowsAttributes, FollowWritePermissionAndLeadingDot) {
    EXPECT_EQ(windowsAttributes(true, "a.txt"), kAttributeArchive);
    EXPECT_EQ(windowsAttributes(false, "a.txt"), kAttributeReadOnly);
    EXPECT_EQ(windowsAttributes(true, ".profile"), kAttributeHidden);
    EXPECT_EQ(windowsAttributes(false, ".profile"), kAttributeReadOnly | kAttributeHidden);
}

TEST(PosixFiles, OpenFileReadsWritesAndSeeks) {
    TempFolder t;
    const std::string path = utf8ToCp1251(t.str()) + "/" + utf8ToCp1251("файл.bin");
    auto out = nativeFiles().openFile(path, OpenMode::Create);
    ASSERT_TRUE(out);
    EXPECT_TRUE(out->write("hello world", 11));
    EXPECT_TRUE(out->seek(0, OpenFile::Origin::Start));
    EXPECT_TRUE(out->write("J", 1));
    EXPECT_EQ(out->tell(), 1);
    EXPECT_TRUE(out->close());

    auto in = nativeFiles().openFile(path, OpenMode::Read);
    ASSERT_TRUE(in);
    EXPECT_TRUE(in->seek(-5, OpenFile::Origin::End));
    char buffer[16] = {};
    EXPECT_EQ(in->read(buffer, sizeof buffer), 5);
    EXPECT_EQ(std::string(buffer, 5), "world");
    EXPECT_EQ(in->read(buffer, sizeof buffer), 0);
    EXPECT_FALSE(nativeFiles().openFile(path + "-missing", OpenMode::Read));
    EXPECT_FALSE(nativeFiles().openFile(utf8ToCp1251(t.str()), OpenMode::Read));  // a folder
}

TEST(PosixFiles, ReadOnlyFileRefusesToBeRecreated) {
    TempFolder t;
    const std::string path = t.str() + "/ro";
    std::ofstream(path) << "keep";
    ::chmod(path.c_str(), 0444);
    EXPECT_FALSE(nativeFiles().openFile(path, OpenMode::Create));
    std::ifstream in(path);
    std::string content;
    in >> content;
    EXPECT_EQ(content, "keep");
}

TEST(PosixFiles, StampAndAttributesRoundTrip) {
    TempFolder t;
    const std::string path = t.str() + "/.f";
    std::ofstream(path) << "x";
    ASSERT_TRUE(nativeFiles().setLastWriteTime(path, 1000000020));
    ASSERT_TRUE(nativeFiles().setAttributes(path, 0, 0100750));
    auto stamp = nativeFiles().fileStamp(path);
    ASSERT_TRUE(stamp);
    EXPECT_EQ(stamp->lastWrite, 1000000020);
    EXPECT_EQ(stamp->unixMode & 0777, 0750u);
    EXPECT_EQ(stamp->attributes, kAttributeHidden);

    // The Windows word alone: read-only takes write permission away, and gives it back.
    ASSERT_TRUE(nativeFiles().setAttributes(path, kAttributeReadOnly, 0));
    EXPECT_EQ(nativeFiles().fileStamp(path)->unixMode & 0222, 0u);
    ASSERT_TRUE(nativeFiles().setAttributes(path, kAttributeArchive, 0));
    EXPECT_NE(nativeFiles().fileStamp(path)->unixMode & 0200, 0u);
    // Set-user-ID from an archive is not honoured.
    ASSERT_TRUE(nativeFiles().setAttributes(path, 0, 0104755));
    EXPECT_EQ(nativeFiles().fileStamp(path)->unixMode & 07777, 0755u);
    EXPECT_FALSE(nativeFiles().fileStamp(t.str()));
}

}  // namespace
}  // namespace platform
