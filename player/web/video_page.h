#pragma once
// The page of one video: its owner, video number and access hash give a tiny local page that
// embeds the network's external player in the video view; other values on the same page give
// the address of the video file in a chosen quality.

#include <string>
#include <optional>
#include <string_view>
#include <vector>

#include "player/web/web_ports.h"

namespace web {

void openVideoPage(WebPorts& ports, const std::string& link);
void writeVideoFrame(WebPorts& ports, const std::string& owner, const std::string& video, const std::string& hash);
// Sets videoFileUrl; quality is "240", "360", "480", "720" or "flv".
void buildVideoLink(WebPorts& ports, const std::string& link, const std::string& quality);

struct FrameValues {
    std::string owner, video, hash;
};
// One entry per line that names a video ("loadFlashPlayer" or "ajax.preload"), in page order.
std::vector<FrameValues> frameValuesOf(std::string_view page);
// The frame page: one line and CR LF.
std::string frameContent(const WebConfig& config, const FrameValues& values);
// The download address the page gives for quality; nothing when no line qualifies (the last
// qualifying line wins, empty values included).
std::optional<std::string> videoFileUrlOf(const WebConfig& config, std::string_view page, const std::string& quality);

}  // namespace web
