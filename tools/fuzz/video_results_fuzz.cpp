// The video search on an arbitrary result page file.
#include "player/web/video_search.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    webtest::Rig rig;
    const std::string url = "http://web.test/gsearch.php?section=video&q=x&name=1";
    rig.downloader.answers[url] = std::string(reinterpret_cast<const char*>(data), size);
    web::searchVideo(rig.ports, url);
    fuzz::require(rig.list.rows.size() <= static_cast<size_t>(player::kVideoSlots));
    return 0;
}
