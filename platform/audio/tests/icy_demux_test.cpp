#include "platform/audio/icy_demux.h"

#include <gtest/gtest.h>

using platform::audio::IcyDemux;

namespace {

std::string metaBlock(const std::string& text) {
    const size_t blocks = (text.size() + 15) / 16;
    std::string b(1, static_cast<char>(blocks));
    b += text;
    b.resize(1 + blocks * 16, '\0');
    return b;
}

}  // namespace

TEST(IcyDemux, TakesMetadataOutOfTheAudioWhateverThePieceSizes) {
    const std::string a(10, 'a'), b(10, 'b'), c(4, 'c');
    const std::string body = a + metaBlock("StreamTitle='One';") + b + std::string(1, '\0') + c;
    for (size_t piece : {1u, 3u, 7u, 16u, 1000u}) {
        IcyDemux demux(10);
        std::string audio;
        std::optional<std::string> last;
        for (size_t i = 0; i < body.size(); i += piece)
            if (auto m = demux.push(std::string_view(body).substr(i, piece), audio))
                last = m;
        EXPECT_EQ(audio, a + b + c) << "piece " << piece;
        ASSERT_TRUE(last) << "piece " << piece;
        EXPECT_EQ(*last, "StreamTitle='One';");
    }
}

TEST(IcyDemux, GivesTheLastOfSeveralBlocksAndIgnoresEmptyOnes) {
    IcyDemux demux(2);
    std::string audio;
    const std::string body = "xx" + metaBlock("StreamTitle='A';") + "yy" +
                             metaBlock("StreamTitle='Rock'n'Roll';") + "zz" + std::string(1, '\0');
    auto meta = demux.push(body, audio);
    EXPECT_EQ(audio, "xxyyzz");
    ASSERT_TRUE(meta);
    EXPECT_EQ(*meta, "StreamTitle='Rock'n'Roll';");
}

TEST(IcyDemux, WithoutAnIntervalEverythingIsAudio) {
    IcyDemux demux(0);
    std::string audio;
    EXPECT_FALSE(demux.push(std::string("\x01StreamTitle", 12), audio));
    EXPECT_EQ(audio.size(), 12u);
}
