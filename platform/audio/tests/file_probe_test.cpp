#include "platform/audio/file_probe.h"

#include <gtest/gtest.h>

using platform::audio::FileKind;
using platform::audio::id3v1Block;
using platform::audio::sniffFileKind;

TEST(FileProbe, TellsMpegAudioByItsFirstBytes) {
    struct Case {
        std::string head;
        FileKind kind;
    } cases[] = {
        {"ID3\x04\x00", FileKind::Mpeg},
        {"\xFF\xFB\x90\x64", FileKind::Mpeg},  // MPEG-1 layer III
        {"\xFF\xF3\x64\x00", FileKind::Mpeg},  // MPEG-2 layer III
        {"\xFF\xF1\x50\x80", FileKind::Unknown},  // ADTS (layer bits 00): not for the MPEG decoder
        {"RIFF\x24\x00\x00\x00WAVE", FileKind::Sound},
        {"FORM\x00\x00\x00\x00AIFF", FileKind::Sound},
        {"fLaC", FileKind::Sound},
        {"MThd\x00\x00\x00\x06", FileKind::Unknown},
        {"this is text", FileKind::Unknown},
        {"", FileKind::Unknown},
        {"\xFF", FileKind::Unknown},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sniffFileKind(c.head), c.kind) << c.head;
}

TEST(FileProbe, AnId3v1BlockIsTheLast128BytesWhenTheyStartWithTag) {
    std::string tag = "TAG" + std::string(125, ' ');
    EXPECT_EQ(id3v1Block(tag), tag);
    EXPECT_FALSE(id3v1Block("XAG" + std::string(125, ' ')));
    EXPECT_FALSE(id3v1Block("TAG"));
}
