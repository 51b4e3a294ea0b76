#include "player/web/thumbnail.h"

#include <memory>

#include "player/web/page_files.h"
#include "player/web/picture_search.h"

namespace web {

void fetchThumbnail(WebPorts& ports, const std::string& url) {
    const std::string path = pageFilePath(PageFile::Thumbnail, ports.system.temporaryFolder());
    ports.downloader.downloadToFile(url, path);
    auto picture = loadJpegFile(ports.files, path);
    if (!picture)
        return;
    // The controls belong to the user-interface thread; the label shows the row selected when
    // the picture arrives, which need not be the row that was clicked.
    auto shared = std::make_shared<common::Picture>(std::move(*picture));
    player::MainList& list = ports.list;
    player::Views& views = ports.views;
    ports.ui.post([shared, &list, &views] {
        views.showPicture(kThumbnailView, *shared);
        views.setText(kThumbnailLabel, list.rowText(list.selection()));
    });
}

bool startThumbnailWorker(WebPorts& ports, const std::string& url) {
    player::PlayerState& state = ports.state;
    if (state.thumbWorkerRunning.load())
        return false;
    if (state.thumbWorker.joinable())
        state.thumbWorker.join();  // the earlier one has ended
    state.thumbWorkerRunning = true;
    state.thumbWorker = std::thread([&ports, url]() {
        fetchThumbnail(ports, url);
        ports.state.thumbWorkerRunning = false;
    });
    return true;
}

void joinThumbnailWorker(player::PlayerState& state) {
    if (state.thumbWorker.joinable())
        state.thumbWorker.join();
}

}  // namespace web
