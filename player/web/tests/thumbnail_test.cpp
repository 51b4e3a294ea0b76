#include <gtest/gtest.h>

#include <chrono>
#include <future>
#include <thread>

#include "player/web/thumbnail.h"
#include "player/web/tests/fakes.h"
#include "player/web/tests/jpeg_writer.h"

namespace web {
namespace {

void waitForWorker(player::PlayerState& state) {
    while (state.thumbWorkerRunning.load())
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    joinThumbnailWorker(state);
}

TEST(Thumbnail, WorkerFetchesAndHandsTheControlsToTheUiThread) {
    webtest::Rig rig;
    rig.list.rows = {"First film\ninfo", "Second film\ninfo"};
    rig.list.selected = 0;
    rig.downloader.answers["http://img.test/1.jpg"] = webtest::encodeJpeg(130, 97, 10, 200, 10);
    ASSERT_TRUE(startThumbnailWorker(rig.ports, "http://img.test/1.jpg"));
    waitForWorker(rig.state);
    // nothing touched the controls from the worker itself
    EXPECT_TRUE(rig.views.pictures.empty());
    rig.list.selected = 1;  // the label shows the row selected when the picture arrives
    EXPECT_EQ(rig.ui.runPending(), 1);
    EXPECT_EQ(rig.views.pictures[kThumbnailView].width, 130);
    EXPECT_EQ(rig.views.texts[kThumbnailLabel], "Second film");
    EXPECT_TRUE(rig.files.exists("/tmp/defolt.jpg"));
}

TEST(Thumbnail, OnlyOneWorkerAtATimeWithItsOwnCopyOfTheAddress) {
    webtest::Rig rig;
    rig.downloader.answers["http://img.test/1.jpg"] = webtest::encodeJpeg(20, 20, 1, 2, 3);
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    rig.downloader.beforeAnswer = [released] { released.wait(); };

    std::string thumbUrl = "http://img.test/1.jpg";
    ASSERT_TRUE(startThumbnailWorker(rig.ports, thumbUrl));
    thumbUrl = "http://img.test/2.jpg";  // later clicks overwrite the state's address
    EXPECT_FALSE(startThumbnailWorker(rig.ports, thumbUrl));
    EXPECT_FALSE(startThumbnailWorker(rig.ports, "http://img.test/3.jpg"));
    release.set_value();
    waitForWorker(rig.state);

    const auto requests = rig.downloader.requestsSoFar();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].first, "http://img.test/1.jpg");
    // once it ended, the next click starts a new one
    EXPECT_TRUE(startThumbnailWorker(rig.ports, "http://img.test/1.jpg"));
    waitForWorker(rig.state);
}

TEST(Thumbnail, UnloadablePictureLeavesViewAndLabelAlone) {
    webtest::Rig rig;
    rig.downloader.answers["http://img.test/x.jpg"] = "not a jpeg";
    ASSERT_TRUE(startThumbnailWorker(rig.ports, "http://img.test/x.jpg"));
    waitForWorker(rig.state);
    EXPECT_EQ(rig.ui.runPending(), 0);
}

}  // namespace
}  // namespace web
