// The station list and the station entry on arbitrary page files.
#include "player/web/radio.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    webtest::Rig rig;
    const std::string page(reinterpret_cast<const char*>(data), size);
    rig.connector.pieces = {"HTTP/1.0 200 OK\r\n\r\n" + page};
    web::listStations(rig.ports, "http://radio.test/by_genre/Jazz");
    fuzz::require(rig.list.rows.size() <= static_cast<size_t>(player::kStationSlots));
    web::playStation(rig.ports, "http://radio.test/listen/1");
    return 0;
}
