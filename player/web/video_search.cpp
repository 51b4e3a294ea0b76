#include "player/web/video_search.h"

#include "common/lines.h"
#include "player/web/page_files.h"
#include "player/web/toolbox.h"

namespace web {

void searchVideo(WebPorts& ports, const std::string& url) {
    ports.list.clear();
    const std::string path = pageFilePath(PageFile::VideoResults, ports.system.temporaryFolder());
    if (!ports.downloader.downloadToFile(url, path))
        return;
    const auto page = ports.files.readFile(path);
    if (!page)
        return;
    parseVideoResults(ports.state, ports.list, *page);
}

void parseVideoResults(player::PlayerState& state, player::MainList& list, std::string_view page) {
    int v = 0, m = 0, r = 0;
    common::LineReader reader(page);
    while (!reader.atEnd()) {
        std::string line = reader.readLine();

        if (findText(line, "aname")) {
            // Link and title are kept even when empty.
            const std::string link = textBetween(line, "href=\"", "\"");
            state.currentTitle = decodeEntities(textBetween(line, "\">", "</a>"));
            if (v < player::kVideoSlots) {
                state.videoLinks[static_cast<size_t>(v)] = link;
                state.videoTitles[static_cast<size_t>(v)] = state.currentTitle;
            }
            ++v;
        }

        if (findText(line, "img src=")) {
            // Overwrites the line: the information test below sees only the thumbnail text.
            line = textBetween(line, "img src=\"", "jpg");
            if (!line.empty()) {
                if (m < player::kVideoSlots)
                    state.videoThumbs[static_cast<size_t>(m)] = line + "jpg";
                ++m;
            }
        }

        if (!line.empty() && findText(line, "ainfo")) {
            const std::string info = textBetween(line, "'>", "</b>");
            if (r < player::kVideoSlots)
                list.addRow(state.videoTitles[static_cast<size_t>(r)] + "\n" + info);
            ++r;
        }
    }
}

}  // namespace web
