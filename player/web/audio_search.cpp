#include "player/web/audio_search.h"

#include "common/lines.h"
#include "player/web/page_files.h"
#include "player/web/toolbox.h"

namespace web {

void searchAudio(WebPorts& ports, const std::string& url) {
    ports.list.clear();
    const std::string path = pageFilePath(PageFile::AudioResults, ports.system.temporaryFolder());
    // A failed fetch is not looked at: an earlier page of that name is read again.
    ports.downloader.downloadToFile(url, path);
    const auto page = ports.files.readFile(path);
    if (!page)
        return;
    parseAudioResults(ports.state, ports.list, ports.config, *page);
}

void parseAudioResults(player::PlayerState& state, player::MainList& list, const WebConfig& config,
                       std::string_view page) {
    // The three counters run independently: rows, titles and addresses line up only when every
    // result gives one line of each kind. Entries past the tables' end are left out.
    int u = 0, t = 0, r = 0;
    common::LineReader reader(page);
    while (!reader.atEnd()) {
        // Each test sees the line as the tests before it left it.
        std::string line = reader.readLine();

        if (findText(line, "playimg")) {
            line = textBetween(line, "(", ")");
            const std::string server = textBetween(line, ",", ",");
            line = removeAll(line, "," + server);
            const std::string user = textBetween(line, ",", ",");
            const std::string id = textBetween(line, "'", "'");
            if (!id.empty()) {
                if (u < player::kTrackSlots)
                    state.trackUrls[static_cast<size_t>(u)] = audioMediaUrl(config, server, user, id);
                ++u;
            }
        }

        if (findText(line, "performer")) {
            line = removeAll(line, "<span>&nbsp;-&nbsp;</span><span id");
            line = removeAll(line, "</b>");
            line = removeAll(line, "</a>");
            line = removeAll(line, "'>");
            line = textBetween(line, ">", "</span>") + "~";
            line = textBetween(line, ">", "~");
            const std::string anchor = "<a" + textBetween(line, "<a", ";") + ";";
            state.currentTitle = removeAll(line, anchor);
            if (!state.currentTitle.empty()) {
                if (t < player::kTrackSlots)
                    state.trackTitles[static_cast<size_t>(t)] = decodeEntities(state.currentTitle);
                ++t;
            }
        }

        if (findText(line, "duration")) {
            const std::string duration = textBetween(line, ">", "</div>");
            if (duration.empty())
                continue;
            if (r < player::kTrackSlots) {
                const std::string number = decimal(r) + (r <= 9 ? "     " : "   ");
                list.addRow(number + state.trackTitles[static_cast<size_t>(r)] + "\n" + duration);
            }
            ++r;
        }
    }
}

}  // namespace web
