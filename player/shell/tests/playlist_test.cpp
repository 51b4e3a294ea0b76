// The built-in playlist file, the user list and the history drop-down.

#include <gtest/gtest.h>

#include "common/cp1251.h"
#include "common/lines.h"
#include "harness.h"
#include "player/shell/controls.h"
#include "player/shell/playlist.h"
#include "player/shell/preferences.h"

namespace player::test {
namespace {

TEST(BuiltInPlaylist, IsExactlyTheCarriedFile) {
    const std::string_view file = builtInPlaylist();
    EXPECT_EQ(file.size(), 2856u);
    // Lines end in CR LF only.
    for (size_t i = 0; i < file.size(); ++i) {
        if (file[i] == '\r') {
            EXPECT_EQ(file.at(i + 1), '\n') << "at " << i;
        }
        if (file[i] == '\n') {
            EXPECT_EQ(file.at(i - 1), '\r') << "at " << i;
        }
    }
}

TEST(BuiltInPlaylist, LayoutHasEveryStructuralProperty) {
    const auto lines = common::splitLines(builtInPlaylist());
    auto indexOf = [&](const std::string& line) {
        for (size_t i = 0; i < lines.size(); ++i)
            if (lines[i].rfind(line, 0) == 0)
                return static_cast<int>(i);
        return -1;
    };
    const int playlistHeader = indexOf(common::cp1251("[Мой плейлист]"));
    const int historyHeader = indexOf(common::cp1251("[История]"));
    ASSERT_EQ(playlistHeader, 0);
    ASSERT_GT(historyHeader, 0);
    EXPECT_EQ(lines.at(static_cast<size_t>(historyHeader - 1)), "");  // blank line between
    EXPECT_EQ(lines.back(), "");                                      // and after the groups
    // Title before File for entries 6 and 16.
    EXPECT_LT(indexOf("Title6="), indexOf("File6="));
    EXPECT_LT(indexOf("Title16="), indexOf("File16="));
    EXPECT_GT(indexOf("Title5="), indexOf("File5="));
    // Trailing blank runs of up to 37; a value with a leading blank; no entry count.
    size_t longestRun = 0;
    for (const auto& line : lines) {
        const size_t last = line.find_last_not_of(' ');
        longestRun = std::max(longestRun, line.size() - (last == std::string::npos ? 0 : last + 1));
        EXPECT_EQ(line.find("NumberOf"), std::string::npos);
    }
    EXPECT_EQ(longestRun, 37u);
    EXPECT_EQ(lines.at(static_cast<size_t>(indexOf("Title17="))).substr(0, 9), "Title17= ");
    bool semicolonInHistory = false;
    for (size_t i = static_cast<size_t>(historyHeader); i < lines.size(); ++i)
        semicolonInHistory |= lines[i].find(';') != std::string::npos;
    EXPECT_TRUE(semicolonInHistory);
}

TEST(BuiltInPlaylist, ReadsAsTwentyRowsAndFortySixHistoryTexts) {
    Harness h;
    loadPlaylist(h.shell);
    const auto rows = h.rows();
    ASSERT_EQ(rows.size(), 20u);
    EXPECT_EQ(rows[0], "Another Life Radio");
    EXPECT_EQ(rows[1], std::string(106, '-'));
    EXPECT_EQ(rows[7], std::string(107, '-'));
    EXPECT_EQ(rows[16], std::string(107, '-'));
    EXPECT_EQ(rows[12], common::cp1251("Love радио").str());
    EXPECT_EQ(rows[14], common::cp1251("Радио Premium").str());
    EXPECT_EQ(rows[17], "--Depeche Mode-- (Radio ADREnaLINA)");
    const std::vector<std::string> named = {"Another Life Radio", "Beatles Radio", "Retro FM", "ONLY 80's HITS",
                                            "Luga Radio", "Pop Null Wave", "Europa Plus", "Radio Gala",
                                            "MixFm", "RadioBengel"};
    for (const auto& name : named)
        EXPECT_NE(std::find(rows.begin(), rows.end(), name), rows.end()) << name;
    for (const auto& row : rows)
        EXPECT_EQ(row.find_last_not_of(' '), row.size() - 1) << row;
    EXPECT_EQ(h.state.playlistEntries.at(1).url, "\"\"");
    for (int n : {0, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 17, 18, 19})
        EXPECT_EQ(h.state.playlistEntries.at(static_cast<size_t>(n)).url.rfind("http://", 0), 0u) << n;

    const auto& history = h.ui.at(kHistoryList).items;
    ASSERT_EQ(history.size(), 46u);
    EXPECT_EQ(history.at(36), std::string(17, '-'));
    int remixes = 0;
    for (const auto& text : history)
        remixes += text.size() > 5 && text.substr(text.size() - 5) == "Remix";
    EXPECT_GT(remixes, 23);
}

TEST(BuiltInPlaylist, StartUpReplacesAnEditedFile) {
    Harness h(false);
    h.files.addFile("/tmp/Playlist.pls", "[x]\r\n");
    ASSERT_TRUE(startUp(h.shell, h.data(), h.errors));
    EXPECT_EQ(h.files.content("/tmp/Playlist.pls"), std::string(builtInPlaylist()));
}

TEST(LoadPlaylist, RepeatedPressesShowTheSameRows) {
    Harness h;
    loadPlaylist(h.shell);
    loadPlaylist(h.shell);
    EXPECT_EQ(h.rows().size(), 20u);
    EXPECT_EQ(h.state.playlistEntries.size(), 20u);
}

TEST(LoadPlaylist, EditsShowAtTheNextPressAndEntriesEndAtTheFirstEmptyFile) {
    Harness h;
    h.files.writeFile("/tmp/Playlist.pls", common::cp1251("[Мой плейлист]\r\nFile0=http://a\r\n"
                                                          "File1=http://b\r\nTitle1=B\r\n"
                                                          "File2=\r\nTitle2=C\r\nFile3=http://d\r\n")
                                               .str());
    loadPlaylist(h.shell);
    EXPECT_EQ(h.rows(), (std::vector<std::string>{"", "B"}));
    EXPECT_EQ(h.state.playlistEntries.at(0).url, "http://a");
}

TEST(LoadPlaylist, MissingFileOrGroupGivesAnEmptyList) {
    Harness h;
    h.files.writeFile("/tmp/Playlist.pls", "[playlist]\r\nFile1=http://x\r\nTitle1=X\r\n");
    loadPlaylist(h.shell);
    EXPECT_TRUE(h.rows().empty());
    h.files.deleteFile("/tmp/Playlist.pls");
    h.state.playlistEntries.push_back({"old", "old"});
    loadPlaylist(h.shell);
    EXPECT_TRUE(h.rows().empty());
    EXPECT_TRUE(h.state.playlistEntries.empty());
}

TEST(History, StopsAtTheFirstEmptyValueAndAfterFile50) {
    Harness h(false);
    std::string file = common::cp1251("[История]\r\n");
    for (int n = 0; n < 60; ++n)
        file += "File" + std::to_string(n) + "=h" + std::to_string(n) + "\r\n";
    h.files.writeFile("/tmp/Playlist.pls", file);
    Shell& shell = h.shell;
    ControlSpec dropDown;
    dropDown.number = kHistoryList;
    dropDown.kind = ControlKind::DropDown;
    h.ui.createControl(dropDown);
    fillHistory(shell);
    EXPECT_EQ(h.ui.at(kHistoryList).items.size(), 51u);
    EXPECT_EQ(h.ui.at(kHistoryList).items.back(), "h50");

    h.ui.at(kHistoryList).items.clear();
    h.files.writeFile("/tmp/Playlist.pls", common::cp1251("[История]\r\nFile0=a\r\nFile1=\r\nFile2=c\r\n").str());
    fillHistory(shell);
    EXPECT_EQ(h.ui.at(kHistoryList).items, std::vector<std::string>{"a"});
}

}  // namespace
}  // namespace player::test
