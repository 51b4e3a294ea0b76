#pragma once
// Shared by the fuzz targets: the fakes of the web features' tests, and a way to cut one input
// into several texts.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "player/web/tests/fakes.h"

namespace fuzz {

// The input cut at each byte 0xFF into at most n parts (the last part takes the rest).
inline std::vector<std::string> parts(const uint8_t* data, size_t size, size_t n) {
    std::vector<std::string> out(1);
    for (size_t i = 0; i < size; ++i) {
        if (data[i] == 0xFF && out.size() < n)
            out.emplace_back();
        else
            out.back() += static_cast<char>(data[i]);
    }
    out.resize(n);
    return out;
}

// Aborts (a finding) when an expectation of the code does not hold.
inline void require(bool condition) {
    if (!condition)
        __builtin_trap();
}

}  // namespace fuzz
