// The picture search on an arbitrary answer file.
#include "player/web/picture_search.h"
#include "player/web/toolbox.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    webtest::Rig rig;
    const std::string answer(reinterpret_cast<const char*>(data), size);
    rig.downloader.answers["http://images.test/yandsearch?text=x&rpt=image"] = answer;
    web::searchPictures(rig.ports, "x");
    if (auto address = web::firstJpegAddress(answer))
        fuzz::require(web::lowerCase(web::rightPart(*address, 4)) == ".jpg");
    return 0;
}
