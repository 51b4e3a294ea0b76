#include "sfx/builder/build_procedure.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>

#include <filesystem>

#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_files.h"
#include "platform/fake/fake_system.h"
#include "platform/fake/fake_window.h"
#include "platform/native.h"
#include "sfx/builder/builder_texts.h"
#include "sfx/container/tests/test_archives.h"

namespace sfx::builder {
namespace {

using test::TempFolder;
namespace fs = std::filesystem;

TEST(CountFiles, CountsFilesInEveryFolder) {
    platform::fake::FakeFiles files;
    files.addFile("/s/a");
    files.addFile("/s/b/c");
    files.addFile("/s/b/d/e");
    files.addFolder("/s/empty");
    EXPECT_EQ(countFiles(files, "/s"), 3);
    EXPECT_EQ(countFiles(files, "/missing/"), 0);
}

TEST(InstallerOutputName, AddsExeOnWindowsOnly) {
    struct Case {
        const char* answer;
        bool windows;
        const char* expected;
    };
    for (const Case& c : {Case{"setup", true, "setup.exe"}, Case{"setup.EXE", true, "setup.EXE"},
                          Case{"setup.Exe", true, "setup.Exe"}, Case{"a.exe.txt", true, "a.exe.txt.exe"},
                          Case{"exe", true, "exe.exe"}, Case{"setup", false, "setup"},
                          Case{"setup.exe", false, "setup.exe"}})
        EXPECT_EQ(installerOutputName(c.answer, c.windows), c.expected) << c.answer;
}

TEST(BarPosition, RoundsHalvesToEven) {
    EXPECT_EQ(barPosition(0.0), 0);
    EXPECT_EQ(barPosition(33.333), 33);
    EXPECT_EQ(barPosition(66.667), 67);
    EXPECT_EQ(barPosition(12.5), 12);
    EXPECT_EQ(barPosition(37.5), 38);
    EXPECT_EQ(barPosition(100.0), 100);
}

TEST(MakeTempArchiveName, DrawsAgainWhileTheNameIsTaken) {
    platform::fake::FakeFiles files;
    platform::fake::FakeSystem system;
    system.tempFolder = "/tmp/";
    files.addFile("/tmp/Kestrel57");
    files.addFolder("/tmp/Kestrel3");
    std::vector<int> draws = {57, 3, 42};
    size_t next = 0;
    EXPECT_EQ(makeTempArchiveName(files, system, "Kestrel", [&] { return draws[next++]; }), "/tmp/Kestrel42");
    EXPECT_EQ(next, 3u);
}

TEST(MakeTempArchiveName, EndsWhenEveryCandidateIsTaken) {
    platform::fake::FakeFiles files;
    platform::fake::FakeSystem system;
    system.tempFolder = "/tmp/";
    system.pid = 77;
    for (int i = 0; i < 100; ++i)
        files.addFile("/tmp/Kestrel" + std::to_string(i));
    files.addFile("/tmp/Kestrel-77-0");
    int draw = 0;
    const std::string name = makeTempArchiveName(files, system, "Kestrel", [&] { return draw++ % 100; });
    EXPECT_EQ(name, "/tmp/Kestrel-77-1");
}

struct BuilderFixture : ::testing::Test {
    platform::fake::FakeWindow window;
    platform::fake::FakeDialogs dialogs;
    platform::fake::FakeSystem system;
    std::string stub = test::fakeStub();
    std::vector<std::function<void()>> launched;
    TempFolder source, work;
    Builder builder{window,
                    platform::nativeFiles(),
                    system,
                    dialogs,
                    stub,
                    [this](std::function<void()> f) { launched.push_back(std::move(f)); },
                    PackOptions{std::chrono::milliseconds(0)}};

    void SetUp() override {
        system.tempFolder = work.text();
        builder.buildWindow(common::Picture::blank(253, 34));
    }
    void build(const std::string& output) {
        window.setText(kFolderField, source.text());
        dialogs.saveAnswers = {output};
        builder.handle({platform::WindowEventKind::Button, kPackButton});
        auto pending = std::move(launched);
        launched.clear();
        for (auto& f : pending)
            f();
    }
    // Temporary archives left in the temporary folder.
    int leftovers() {
        int n = 0;
        for (const auto& e : fs::directory_iterator(work.path()))
            n += e.path().filename().string().rfind("Kestrel", 0) == 0;
        return n;
    }
};

TEST_F(BuilderFixture, WindowHasItsGadgetsInPlace) {
    struct Expected {
        int id;
        platform::Rect rect;
    };
    for (const Expected& e : {Expected{0, {5, 60, 180, 20}}, Expected{1, {0, 0, 253, 34}},
                              Expected{2, {5, 45, 245, 15}}, Expected{3, {190, 60, 60, 20}},
                              Expected{4, {5, 110, 240, 15}}, Expected{5, {5, 90, 240, 15}},
                              Expected{6, {125, 135, 60, 20}}, Expected{7, {190, 135, 60, 20}},
                              Expected{8, {5, 135, 60, 20}}}) {
        SCOPED_TRACE(e.id);
        const auto& c = window.controls.at(e.id);
        EXPECT_EQ(c.rect.x, e.rect.x);
        EXPECT_EQ(c.rect.y, e.rect.y);
        EXPECT_EQ(c.rect.width, e.rect.width);
        EXPECT_EQ(c.rect.height, e.rect.height);
    }
    EXPECT_EQ(window.controls.at(kStatusLine).text, kIdle.str());
    EXPECT_EQ(window.controls.at(kPackButton).text, kPack.str());
}

TEST_F(BuilderFixture, FourFilesMoveTheBarAndNameEachFile) {
    for (const char* n : {"a", "b", "c", "d"})
        test::writeBytes(source.path() / n, n);
    build(work.text() + "setup");
    EXPECT_EQ(window.controls.at(kProgressBar).progressHistory, (std::vector<int>{0, 25, 50, 75, 100, 0}));
    const auto& texts = window.controls.at(kStatusLine).textHistory;
    ASSERT_EQ(texts.size(), 6u);
    std::vector<std::string> names(texts.begin(), texts.begin() + 4);
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"a", "b", "c", "d"}));
    EXPECT_EQ(texts[4], "");
    EXPECT_EQ(texts[5], kIdle.str());

    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].caption, kDoneTitle.str());
    EXPECT_EQ(dialogs.shown[0].text, kDoneText.str() + "4" + kDoneFiles.str());
    const std::string installer = test::readBytes(work.path() / "setup");
    EXPECT_EQ(installer.substr(0, stub.size()), stub);
    EXPECT_EQ(leftovers(), 0);
    for (int id : {kExitButton, kPackButton, kBrowseButton})
        EXPECT_TRUE(window.controls.at(id).enabled);
    EXPECT_FALSE(builder.buildRunning());
    EXPECT_EQ(builder.state.sourceFolder, "");
}

TEST_F(BuilderFixture, ButtonsAreInsensitiveWhileBuilding) {
    test::writeBytes(source.path() / "a", "a");
    window.setText(kFolderField, source.text());
    dialogs.saveAnswers = {work.text() + "setup"};
    builder.handle({platform::WindowEventKind::Button, kPackButton});
    for (int id : {kExitButton, kPackButton, kBrowseButton})
        EXPECT_FALSE(window.controls.at(id).enabled);
    EXPECT_TRUE(builder.buildRunning());
    builder.handle({platform::WindowEventKind::Button, kPackButton});
    EXPECT_EQ(launched.size(), 1u);
}

TEST_F(BuilderFixture, EmptyFolderGivesStubPlus26Bytes) {
    build(work.text() + "setup");
    EXPECT_EQ(fs::file_size(work.path() / "setup"), stub.size() + 26);
    EXPECT_EQ(dialogs.shown.at(0).text, kDoneText.str() + "0" + kDoneFiles.str());
}

TEST_F(BuilderFixture, AnEmptyFileAmongOthersYieldsNoInstallerAndSaysWhich) {
    test::writeBytes(source.path() / "a", "a");
    test::writeBytes(source.path() / "zero", "");
    build(work.text() + "setup");
    EXPECT_FALSE(fs::exists(work.path() / "setup"));
    EXPECT_EQ(leftovers(), 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_NE(dialogs.shown[0].text.find(source.text() + "zero"), std::string::npos);
}

TEST_F(BuilderFixture, AnUnwritableOutputLeavesNothingAndSaysSo) {
    test::writeBytes(source.path() / "a", "a");
    build(work.text() + "no such folder/setup");
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].icon, platform::MessageIcon::Warning);
    EXPECT_EQ(dialogs.shown[0].text, kNotWritten.str() + work.text() + "no such folder/setup");
    EXPECT_EQ(leftovers(), 0);
}

TEST_F(BuilderFixture, AFullDiskDeletesThePartialInstaller) {
    // A file-size limit between the archive's size and the installer's plays the full disk: the
    // temporary archive fits, the installer does not.
    std::string noise(200000, '\0');
    uint32_t x = 7;
    for (char& c : noise) {
        x = x * 1103515245 + 12345;
        c = static_cast<char>(x >> 24);
    }
    test::writeBytes(source.path() / "noise", noise);
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit limited = old;
    limited.rlim_cur = noise.size() + 2000;
    auto oldHandler = ::signal(SIGXFSZ, SIG_IGN);
    ::setrlimit(RLIMIT_FSIZE, &limited);
    build(work.text() + "setup");
    ::setrlimit(RLIMIT_FSIZE, &old);
    ::signal(SIGXFSZ, oldHandler);

    EXPECT_FALSE(fs::exists(work.path() / "setup"));
    EXPECT_EQ(leftovers(), 0);
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].text, kNotWritten.str() + work.text() + "setup");
}

TEST_F(BuilderFixture, CancelledDialogsOrEmptyFieldDoNothing) {
    builder.handle({platform::WindowEventKind::Button, kPackButton});
    EXPECT_TRUE(dialogs.chooserTitles.empty());
    window.setText(kFolderField, source.text());
    builder.handle({platform::WindowEventKind::Button, kPackButton});
    EXPECT_EQ(dialogs.chooserTitles, std::vector<std::string>{kSaveTitle.str()});
    EXPECT_TRUE(launched.empty());
    dialogs.folderAnswers = {"/opt/data"};
    builder.handle({platform::WindowEventKind::Button, kBrowseButton});
    EXPECT_EQ(window.text(kFolderField), "/opt/data/");
}

TEST_F(BuilderFixture, CloseRequestsAreIgnoredAndExitEnds) {
    EXPECT_TRUE(builder.handle({platform::WindowEventKind::Close, 0}));
    EXPECT_FALSE(builder.handle({platform::WindowEventKind::Button, kExitButton}));
    EXPECT_TRUE(builder.handle({platform::WindowEventKind::Button, kAboutButton}));
    EXPECT_EQ(dialogs.shown.at(0).caption, kAboutTitle.str());
    EXPECT_EQ(dialogs.shown.at(0).text.rfind(common::cp1251("Kestrel v1.1\n\r\n\rОписание: Kestrel это небольшая "
                                                            "утилита, чтобы сделать\n\rСамораспаковывающийся ZIP "
                                                            "архивов.\n\r")
                                                 .str(),
                                             0),
              0u);
}

}  // namespace
}  // namespace sfx::builder
