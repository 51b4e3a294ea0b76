#include "platform/image/resample.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace platform::image {
namespace {

// The weights of one output position: which source pixels and how much of each.
struct Taps {
    int first = 0;
    std::vector<float> weights;
};

std::vector<Taps> filterTaps(int sourceSize, int targetSize) {
    const double scale = static_cast<double>(targetSize) / sourceSize;
    const double support = scale < 1.0 ? 1.0 / scale : 1.0;  // the tent's half width, in source pixels
    std::vector<Taps> taps(static_cast<size_t>(targetSize));
    for (int i = 0; i < targetSize; ++i) {
        const double centre = (i + 0.5) / scale - 0.5;
        const int first = std::max(0, static_cast<int>(std::floor(centre - support)) + 1);
        const int last = std::min(sourceSize - 1, static_cast<int>(std::ceil(centre + support)) - 1);
        Taps& t = taps[static_cast<size_t>(i)];
        t.first = first;
        double sum = 0;
        for (int s = first; s <= last; ++s) {
            const double w = std::max(0.0, 1.0 - std::abs(s - centre) / support);
            t.weights.push_back(static_cast<float>(w));
            sum += w;
        }
        if (t.weights.empty() || sum <= 0) {  // only when the centre lies outside: take the edge
            t.first = std::clamp(static_cast<int>(std::lround(centre)), 0, sourceSize - 1);
            t.weights.assign(1, 1.0f);
            sum = 1;
        }
        for (float& w : t.weights)
            w = static_cast<float>(w / sum);
    }
    return taps;
}

uint8_t toByte(float v) { return static_cast<uint8_t>(std::clamp(std::lround(v), 0L, 255L)); }

}  // namespace

common::Picture resample(const common::Picture& source, int width, int height) {
    if (source.empty() || width < 1 || height < 1)
        return {};
    if (width == source.width && height == source.height)
        return source;
    const auto columns = filterTaps(source.width, width);
    const auto rows = filterTaps(source.height, height);

    // Horizontal pass into floats, then the vertical pass into the result.
    std::vector<float> wide(static_cast<size_t>(width) * source.height * 4);
    for (int y = 0; y < source.height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Taps& t = columns[static_cast<size_t>(x)];
            float acc[4] = {0, 0, 0, 0};
            for (size_t k = 0; k < t.weights.size(); ++k) {
                const uint8_t* p = source.pixel(t.first + static_cast<int>(k), y);
                for (int c = 0; c < 4; ++c)
                    acc[c] += p[c] * t.weights[k];
            }
            float* out = &wide[(static_cast<size_t>(y) * width + x) * 4];
            std::copy(acc, acc + 4, out);
        }
    }
    common::Picture result;
    result.width = width;
    result.height = height;
    result.rgba.resize(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; ++y) {
        const Taps& t = rows[static_cast<size_t>(y)];
        for (int x = 0; x < width; ++x) {
            float acc[4] = {0, 0, 0, 0};
            for (size_t k = 0; k < t.weights.size(); ++k) {
                const float* p = &wide[((static_cast<size_t>(t.first) + k) * width + x) * 4];
                for (int c = 0; c < 4; ++c)
                    acc[c] += p[c] * t.weights[k];
            }
            uint8_t* out = result.pixel(x, y);
            for (int c = 0; c < 4; ++c)
                out[c] = toByte(acc[c]);
        }
    }
    return result;
}

}  // namespace platform::image
