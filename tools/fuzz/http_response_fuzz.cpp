// The radio client's reading of an answer: arbitrary bytes, cut into the pieces the connection
// hands over (at each 0xFF byte), with small caps so that the limits are reached too.
#include "player/web/http_client.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    webtest::ScriptedConnection connection;
    std::string sent;
    connection.sent = &sent;
    for (auto& piece : fuzz::parts(data, size, 64))
        if (!piece.empty())
            connection.pieces.push_back(piece);
    connection.silentAtEnd = size % 2 == 1;
    web::ReceiveLimits limits;
    limits.maxBody = 4096;
    limits.maxHeader = 2048;
    std::string body;
    if (web::exchange(connection, {"h.test", 80, "x"}, limits, body))
        fuzz::require(body.size() <= limits.maxBody);
    return 0;
}
