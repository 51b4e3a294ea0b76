#include "platform/audio/spectrum.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

#include <gtest/gtest.h>

using namespace platform::audio;

TEST(Spectrum, AFullScaleSineOnABinGivesAboutOneThere) {
    Spectrum spectrum;
    for (int bin : {5, 93, 400}) {
        std::vector<float> in(kFftSize), out(kFftBins + 1, -1.0f);
        for (int n = 0; n < kFftSize; ++n)
            in[n] = static_cast<float>(std::sin(2.0 * std::numbers::pi * bin * n / kFftSize));
        spectrum.magnitudes(in.data(), out.data());
        EXPECT_NEAR(out[bin], 1.0f, 0.01f) << bin;
        // The window leaks into the two neighbours only.
        EXPECT_NEAR(out[bin - 1], 0.5f, 0.01f);
        EXPECT_LT(out[bin + 3], 0.001f);
        EXPECT_EQ(out[kFftBins], -1.0f) << "only 1024 magnitudes are written";
    }
}

TEST(Spectrum, SilenceGivesZeros) {
    Spectrum spectrum;
    std::vector<float> in(kFftSize, 0.0f), out(kFftBins, 1.0f);
    spectrum.magnitudes(in.data(), out.data());
    EXPECT_EQ(*std::max_element(out.begin(), out.end()), 0.0f);
}
