#include "player/web/video_page.h"

#include "common/lines.h"
#include "player/web/page_files.h"
#include "player/web/toolbox.h"

namespace web {

namespace {

enum class LineForm { None, Plain, Escaped };

// The plain form quotes its values ("key":"value"); the escaped form puts a backslash before
// every quote. A line holding both markers is read in the plain form.
LineForm formOf(const std::string& line) {
    if (findText(line, "loadFlashPlayer"))
        return LineForm::Plain;
    if (findText(line, "ajax.preload"))
        return LineForm::Escaped;
    return LineForm::None;
}

// The values go into an attribute of a page the video view opens from a local file; a quote or
// markup in them must stay text. Numbers and hashes pass unchanged.
std::string attributeText(const std::string& value) {
    std::string out;
    for (const char c : value) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '\'': out += "&#39;"; break;
            case '"': out += "&quot;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

}  // namespace

std::vector<FrameValues> frameValuesOf(std::string_view page) {
    std::vector<FrameValues> found;
    common::LineReader reader(page);
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        switch (formOf(line)) {
            case LineForm::Plain:
                found.push_back({textBetween(line, "oid\":\"", "\""), textBetween(line, "vid\":\"", "\""),
                                 textBetween(line, "hash2\":\"", "\"")});
                break;
            case LineForm::Escaped:
                found.push_back({textBetween(line, "oid:", ","), textBetween(line, "vid:", ","),
                                 textBetween(line, "hash2\\\":\\\"", "\\\"")});
                break;
            case LineForm::None:
                break;
        }
    }
    return found;
}

std::string frameContent(const WebConfig& config, const FrameValues& values) {
    return "<style>body{padding:0px;margin:0px;background:#000000;}</style>"
           "<iframe src='http://" +
           config.hosts.web + "/video_ext.php?oid=" + attributeText(values.owner) +
           "&id=" + attributeText(values.video) + "&hash=" + attributeText(values.hash) +
           "' width='482' height='360' frameborder='0'></iframe>\r\n";
}

void openVideoPage(WebPorts& ports, const std::string& link) {
    const std::string path = pageFilePath(PageFile::VideoPage, ports.system.temporaryFolder());
    ports.downloader.downloadToFile(videoPageUrl(ports.config, link), path);
    const auto page = ports.files.readFile(path);
    if (!page)
        return;
    // Every qualifying line writes the frame anew; the view ends up with the last one.
    for (const FrameValues& values : frameValuesOf(*page))
        writeVideoFrame(ports, values.owner, values.video, values.hash);
}

void writeVideoFrame(WebPorts& ports, const std::string& owner, const std::string& video, const std::string& hash) {
    const std::string path = pageFilePath(PageFile::VideoFrame, ports.system.temporaryFolder());
    ports.files.deleteFile(path);
    ports.files.writeFile(path, frameContent(ports.config, {owner, video, hash}));
    ports.views.navigate(kVideoView, path);
}

std::optional<std::string> videoFileUrlOf(const WebConfig& config, std::string_view page, const std::string& quality) {
    const bool flv = quality == "flv";
    if (!flv && quality != "240" && quality != "360" && quality != "480" && quality != "720")
        return std::nullopt;
    std::optional<std::string> address;
    common::LineReader reader(page);
    while (!reader.atEnd()) {
        const std::string line = reader.readLine();
        const LineForm form = formOf(line);
        if (form == LineForm::None)
            continue;
        const std::string server = textBetween(line, "http:\\/\\/", ".");
        std::string user, vtag, vkid, host;
        if (form == LineForm::Plain) {
            user = textBetween(line, "uid\":\"", "\"");
            vtag = textBetween(line, "vtag\":\"", "\"");
            vkid = textBetween(line, "vkid\":\"", "\"");
            host = textBetween(line, "host\":\"", "\"");
        } else {
            // Every value of this form is its key, backslash, quote, colon, backslash, quote, up
            // to the next backslash; the FLV host is taken the same way.
            user = textBetween(line, "uid\\\":\\\"", "\\");
            vtag = textBetween(line, "vtag\\\":\\\"", "\\");
            vkid = textBetween(line, "vkid\\\":\\\"", "\\");
            host = textBetween(line, "host\\\":\\\"", "\\");
        }
        if (flv)
            address = "http://" + host + "/assets/videos/" + vtag + vkid + ".vk.flv";
        else
            address = "http://" + mediaHost(config.videoMediaHost, server) + "/u" + user + "/video/" + vtag + "." +
                      quality + ".mp4";
    }
    return address;
}

void buildVideoLink(WebPorts& ports, const std::string& link, const std::string& quality) {
    const std::string path = pageFilePath(PageFile::VideoPage, ports.system.temporaryFolder());
    ports.downloader.downloadToFile(videoPageUrl(ports.config, link), path);
    const auto page = ports.files.readFile(path);
    if (!page)
        return;
    if (auto address = videoFileUrlOf(ports.config, *page, quality))
        ports.state.videoFileUrl = *address;
}

}  // namespace web
