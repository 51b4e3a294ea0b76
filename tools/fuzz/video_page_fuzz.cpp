// The video page on an arbitrary page file: the frame page and every download address.
#include "player/web/video_page.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    webtest::Rig rig;
    rig.downloader.answers["http://web.test/v"] = std::string(reinterpret_cast<const char*>(data), size);
    web::openVideoPage(rig.ports, "v");
    if (rig.files.exists("/tmp/111.htm")) {
        // the page values stay inside the frame's attribute
        const std::string frame = rig.files.content("/tmp/111.htm");
        fuzz::require(frame.find("' width='482'") != std::string::npos);
        fuzz::require(frame.find('\'', frame.find("src='") + 5) == frame.find("' width='482'"));
    }
    for (const char* quality : {"240", "360", "480", "720", "flv"})
        web::buildVideoLink(rig.ports, "v", quality);
    return 0;
}
