// The text toolbox on arbitrary texts and markers, with the properties every caller relies on.
#include "player/web/picture_search.h"
#include "player/web/toolbox.h"
#include "tools/fuzz/fuzz_rig.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const auto p = fuzz::parts(data, size, 3);
    const std::string& text = p[0];
    const std::string& a = p[1];
    const std::string& b = p[2];

    const int at = web::findText(text, a, static_cast<int>(b.size()) - 2);
    fuzz::require(at >= 0 && static_cast<size_t>(at) <= text.size());
    if (at > 0)
        fuzz::require(text.compare(static_cast<size_t>(at - 1), a.size(), a) == 0);

    const std::string between = web::textBetween(text, a, b);
    fuzz::require(between.size() <= text.size());
    if (!between.empty())
        fuzz::require(text.find(a + between + b) != std::string::npos);

    const std::string removed = web::removeAll(text, a);
    fuzz::require(removed.size() <= text.size());
    const std::string replaced = web::replaceAll(text, a, b);
    if (a.empty())
        fuzz::require(replaced == text);

    const std::string decoded = web::decodeEntities(text);
    fuzz::require(decoded.empty() || decoded.front() != ' ');

    const std::string address = web::percentDecode(text);
    fuzz::require(address.size() <= text.size());
    if (text.find('\0') == std::string::npos)  // page texts never hold one: lines end there
        fuzz::require(address.find('\0') == std::string::npos);

    fuzz::require(web::lowerCase(text).size() == text.size());
    fuzz::require(web::leftPart(text, static_cast<int>(a.size())).size() <= text.size());
    fuzz::require(web::rightPart(text, static_cast<int>(b.size()) - 3).size() <= text.size());
    return 0;
}
