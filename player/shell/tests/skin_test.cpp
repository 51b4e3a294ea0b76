// The skin step, with a real library found by the system's search and with table libraries.

#include <gtest/gtest.h>

#include "harness.h"
#include "platform/library/fake_library.h"
#include "player/shell/controls.h"
#include "player/shell/skin.h"

namespace player::test {
namespace {

using CallCounts = void (*)(int*, const char**, const char**);

TEST(Skin, LibraryFileNamePerSystem) {
    EXPECT_EQ(platform::libraryFileName("SkinFeature", true), "SkinFeature.dll");
    EXPECT_EQ(platform::libraryFileName("SkinFeature", false), "libSkinFeature.so");
}

// The counting library lies on the tests' run path, so the plain name finds it.
TEST(Skin, RealLibraryGetsItsThreeCallsOnceEach) {
    auto loader = platform::nativeLibraryLoader();
    auto probe = loader->load(platform::libraryFileName(kSkinLibrary));
    ASSERT_TRUE(probe) << "the counting skin library is not on the run path";
    auto counts = reinterpret_cast<CallCounts>(probe->entry("SkinCallCounts"));
    ASSERT_NE(counts, nullptr);
    int before[3];
    const char* file = nullptr;
    const char* password = nullptr;
    counts(before, &file, &password);

    Harness h(false);
    StartupData data = h.data();
    data.libraryLoader = loader.get();
    ASSERT_TRUE(startUp(h.shell, data, h.errors));
    EXPECT_EQ(h.state.skinLoaded, 1);
    int after[3];
    counts(after, &file, &password);
    EXPECT_EQ(after[0] - before[0], 1);
    EXPECT_EQ(after[1] - before[1], 1);
    EXPECT_EQ(after[2] - before[2], 0);
    EXPECT_STREQ(file, "Vantor.rss");
    EXPECT_STREQ(password, "");

    h.ui.queueControl(kQuitButton);
    EXPECT_EQ(runEventLoop(h.shell), 0);
    counts(after, &file, &password);
    EXPECT_EQ(after[2] - before[2], 1);
}

TEST(Skin, WithoutTheLibraryThePlayerRunsUnskinned) {
    platform::fake::FakeLibraryLoader loader;
    Harness h(false);
    StartupData data = h.data();
    data.libraryLoader = &loader;
    ASSERT_TRUE(startUp(h.shell, data, h.errors));
    EXPECT_EQ(h.state.skinLoaded, 0);
    EXPECT_EQ(loader.loadRequests, std::vector<std::string>{"libSkinFeature.so"});
    h.ui.queueControl(kQuitButton);
    EXPECT_EQ(runEventLoop(h.shell), 0);
}

int calls[3];
int initializeSkin() { return ++calls[0]; }
int loadSkinFile(const char*, const char*) { return ++calls[1]; }
int unLoadSkin() { return ++calls[2]; }

TEST(Skin, ALibraryMissingAnEntryPointIsTreatedAsAbsent) {
    platform::fake::FakeLibraryLoader loader;
    loader.libraries["libSkinFeature.so"] = {{"InitializeSkin", reinterpret_cast<void*>(&initializeSkin)},
                                             {"LoadSkinFile", reinterpret_cast<void*>(&loadSkinFile)}};
    calls[0] = calls[1] = calls[2] = 0;
    Harness h(false);
    EXPECT_EQ(loadSkin(h.shell, loader), 0);
    EXPECT_EQ(calls[0] + calls[1], 0);

    loader.libraries["libSkinFeature.so"]["UnLoadSkin"] = reinterpret_cast<void*>(&unLoadSkin);
    EXPECT_EQ(loadSkin(h.shell, loader), 1);
    EXPECT_EQ(calls[0], 1);
    EXPECT_EQ(calls[1], 1);
    EXPECT_EQ(calls[2], 0);
    unloadSkin(h.shell);
    EXPECT_EQ(calls[2], 1);
}

}  // namespace
}  // namespace player::test
