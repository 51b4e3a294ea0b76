#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "platform/player_window/window_rules.h"

namespace platform::player_window {
namespace {

TEST(BrowserUri, AddressesAsTheViewsLoadThem) {
    struct Case {
        std::string address;
        std::string uri;
    };
    const Case cases[] = {
        {"", ""},
        {"http://127.0.0.1:8090/login.php?email=a@b.c&pass=123456", "http://127.0.0.1:8090/login.php?email=a@b.c&pass=123456"},
        // The program folder ends with a separator, so the player writes two slashes.
        {"file://localhost//opt/vt 90/logo.html", "file:///opt/vt%2090/logo.html"},
        {"file://localhost/opt/logo.html", "file:///opt/logo.html"},
        {"/tmp/frame.html", "file:///tmp/frame.html"},
        {"/tmp/a#b?.html", "file:///tmp/a%23b%3F.html"},
        {"http://h/search?q=Depeche Mode", "http://h/search?q=Depeche%20Mode"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(browserUri(c.address), c.uri) << c.address;
}

TEST(BrowserUri, CyrillicTextKeepsItsBytes) {
    // Query texts go out in the system's code page; a file name is a UTF-8 name on this system.
    EXPECT_EQ(browserUri("http://h/?q=" + common::cp1251("Ая").str()), "http://h/?q=%C0%FF");
    EXPECT_EQ(browserUri("/tmp/" + common::cp1251("я").str()), "file:///tmp/\xD1\x8F");
}

TEST(PremultipliedArgb, BlendsByAlphaAndPacksNativeWords) {
    common::Picture p;
    p.width = 3;
    p.height = 1;
    p.rgba = {255, 128, 0, 255, /**/ 255, 255, 255, 0, /**/ 200, 100, 50, 128};
    const auto argb = premultipliedArgb(p);
    ASSERT_EQ(argb.size(), 3u);
    EXPECT_EQ(argb[0], 0xFFFF8000u);
    EXPECT_EQ(argb[1], 0x00000000u);
    EXPECT_EQ(argb[2], 0x80643219u);
}

TEST(PremultipliedArgb, ShortOrEmptyPictureGivesNothing) {
    common::Picture p;
    p.width = 2;
    p.height = 2;
    p.rgba.resize(12);
    EXPECT_TRUE(premultipliedArgb(p).empty());
    EXPECT_TRUE(premultipliedArgb(common::Picture{}).empty());
}

TEST(NextDeadline, KeepsTheBeatAndDropsMissedTicks) {
    // On time, or a little late: the beat stays on the absolute grid.
    EXPECT_EQ(nextDeadline(55'000, 55'000, 55'000), 110'000);
    EXPECT_EQ(nextDeadline(55'000, 60'000, 55'000), 110'000);
    // Busy for 300 ms (a page download): one tick now, the next a full period later.
    EXPECT_EQ(nextDeadline(55'000, 355'000, 55'000), 410'000);
}

TEST(ColumnText, LineFeedsSeparateColumns) {
    EXPECT_EQ(columnText("Song\n3:45", 0), "Song");
    EXPECT_EQ(columnText("Song\n3:45", 1), "3:45");
    EXPECT_EQ(columnText("Song\n3:45", 2), "");
    EXPECT_EQ(columnText("Song", 1), "");
    EXPECT_EQ(columnText("", 0), "");
    EXPECT_EQ(columnText("a\n\nc", 2), "c");
}

}  // namespace
}  // namespace platform::player_window
