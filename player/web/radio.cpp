#include "player/web/radio.h"

#include "common/lines.h"
#include "player/web/genre_list.h"
#include "player/web/page_files.h"
#include "player/web/toolbox.h"

namespace web {

bool writeGenreList(platform::Files& files, platform::System& system) {
    return files.writeFile(pageFilePath(PageFile::Genres, system.temporaryFolder()), std::string(kGenreList));
}

void listGenres(WebPorts& ports) {
    ports.list.clear();
    const auto genres = ports.files.readFile(pageFilePath(PageFile::Genres, ports.system.temporaryFolder()));
    if (!genres)
        return;
    common::LineReader reader(*genres);
    while (!reader.atEnd())
        ports.list.addRow(reader.readLine());
}

void listStations(WebPorts& ports, const std::string& url, const ReceiveLimits& limits) {
    ports.list.clear();
    const std::string path = pageFilePath(PageFile::StationList, ports.system.temporaryFolder());
    if (!receiveToFile(ports.connector, ports.files, url, path, limits))
        return;
    const auto page = ports.files.readFile(path);
    if (!page)
        return;
    parseStationList(ports.state, ports.list, *page);
}

void parseStationList(player::PlayerState& state, player::MainList& list, std::string_view page) {
    // Row i plays link i; name and link lines run in step only when every station has one of
    // each. Rows past the link table's end could play nothing, so they are left out too.
    int rows = 0, count = 0;
    common::LineReader reader(page);
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        if (findText(line, "<span class=\"name\">")) {
            state.currentTitle = textBetween(line, ");\">", "</a></span>");
            if (rows < player::kStationSlots)
                list.addRow(state.currentTitle);
            ++rows;
        }
        if (findText(line, "<p>[ <a href=")) {
            if (count < player::kStationSlots)
                state.stationLinks[static_cast<size_t>(count)] = textBetween(line, "<p>[ <a href=\"", "\"");
            ++count;
        }
    }
}

std::string readStationUrl(WebPorts& ports, const std::string& url, const ReceiveLimits& limits) {
    const std::string path = pageFilePath(PageFile::StationEntry, ports.system.temporaryFolder());
    if (!receiveToFile(ports.connector, ports.files, url, path, limits))
        return {};
    const auto entry = ports.files.readFile(path);
    if (!entry)
        return {};
    common::LineReader reader(*entry);
    return reader.atEnd() ? std::string() : reader.readLine();
}

void playStation(WebPorts& ports, const std::string& url, const ReceiveLimits& limits) {
    const std::string streamUrl = readStationUrl(ports, url, limits);
    // Nothing is tested: an empty or unreachable address leaves no stream (handle 0).
    ports.audio.streamFree(ports.state.streamHandle);
    ports.state.streamHandle = ports.audio.streamCreateUrl(streamUrl);
    ports.audio.channelPlay(ports.state.streamHandle, false);
    ports.audio.channelSetVolume(ports.state.streamHandle, ports.state.volume);
}

}  // namespace web
