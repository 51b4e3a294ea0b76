// The open-file button and the folder scan.

#include <gtest/gtest.h>

#include "harness.h"
#include "player/shell/controls.h"
#include "player/shell/local_folder.h"

namespace player::test {
namespace {

TEST(SoundFileName, LastFourCharactersLowerCased) {
    struct Case {
        const char* name;
        bool sound;
    };
    for (const Case& c : {Case{"a.mp3", true}, Case{"A.MP3", true}, Case{"b.Wav", true}, Case{"c.mid", true},
                          Case{".mp3", true}, Case{"x.mpeg", false}, Case{"x.midi", false}, Case{"x.wave", false},
                          Case{"mp3", false}, Case{"", false}, Case{"song.mp3 ", false}}) {
        EXPECT_EQ(isSoundFileName(c.name), c.sound) << c.name;
    }
}

TEST(OpenFile, ListsTheFolderInSystemOrderSelectsAndPlaysThePickedFile) {
    Harness h;
    h.files.addFolder("/m");
    h.files.addFile("/m/zeta.mp3");
    h.files.addFile("/m/notes.txt");
    h.files.addFolder("/m/album.mp3");
    h.files.addFile("/m/Alpha.WAV");
    h.files.addFile("/m/tune.mid");
    h.ui.dialogAnswer = "/m/Alpha.WAV";
    h.ui.queueControl(kOpenFileButton);
    h.run();
    EXPECT_EQ(h.ui.count("dialog [] [] [*.*|*.*]"), 1);
    EXPECT_EQ(h.rows(), (std::vector<std::string>{"zeta.mp3", "album.mp3", "Alpha.WAV", "tune.mid"}));
    EXPECT_EQ(h.ui.at(kMainList).selection, 2);
    EXPECT_EQ(h.playing(), "/m/Alpha.WAV");
    EXPECT_EQ(h.state.currentTitle, "Alpha.WAV");
    EXPECT_EQ(h.state.currentRow, 0);  // the scan leaves it
}

TEST(OpenFile, CancelledDialogListsTheCurrentFolderAndTheAdvanceStartsItsFirstFile) {
    Harness h;
    h.files.addFolder("/work");
    h.files.addFile("/work/one.mp3");
    h.files.addFile("/work/two.mp3");
    h.system.cwd = "/work/";
    h.ui.dialogAnswer = "";
    h.ui.queueControl(kOpenFileButton);
    h.run();
    EXPECT_EQ(h.rows().size(), 2u);
    EXPECT_EQ(h.ui.at(kMainList).selection, -1);
    EXPECT_EQ(h.state.streamHandle, 0u);
    EXPECT_EQ(h.state.localMode, 1);
    h.ui.queueTick();
    h.run();
    EXPECT_EQ(h.playing(), "one.mp3");  // the folder part of an empty path is empty
}

TEST(OpenFile, UnlistableFolderStillStartsThePickedFile) {
    Harness h;
    h.ui.dialogAnswer = "/gone/x.mp3";
    h.audio.failingSources = {};
    h.ui.queueControl(kOpenFileButton);
    h.run();
    EXPECT_TRUE(h.rows().empty());
    EXPECT_EQ(h.audio.stream(h.state.streamHandle)->source, "/gone/x.mp3");
}

TEST(OpenFile, ANonSoundPickIsPlayedButNotListed) {
    Harness h;
    h.files.addFolder("/m");
    h.files.addFile("/m/a.mp3");
    h.files.addFile("/m/readme.txt");
    h.ui.dialogAnswer = "/m/readme.txt";
    h.audio.failingSources = {"/m/readme.txt"};
    h.ui.queueControl(kOpenFileButton);
    h.ui.queueTick();
    h.run();
    EXPECT_EQ(h.playing(), "/m/a.mp3");  // nothing selected: the advance starts row 0
}

TEST(ScanFolder, SelectionSearchStopsAtRow1000) {
    Harness h;
    h.files.addFolder("/big");
    for (int i = 0; i < 1500; ++i)
        h.files.addFile("/big/" + std::to_string(10000 + i) + ".mp3");
    h.state.localPath = "/big/11200.mp3";
    scanFolder(h.shell);
    EXPECT_EQ(h.rows().size(), 1500u);
    EXPECT_EQ(h.ui.at(kMainList).selection, 1000);
    h.state.localPath = "/big/10999.mp3";
    scanFolder(h.shell);
    EXPECT_EQ(h.ui.at(kMainList).selection, 999);
}

TEST(ScanFolder, BackslashSeparatedPathsAreSplitToo) {
    Harness h;
    h.state.localPath = "/m\\song.mp3";
    scanFolder(h.shell);
    EXPECT_EQ(h.state.currentTitle, "song.mp3");
}

}  // namespace
}  // namespace player::test
