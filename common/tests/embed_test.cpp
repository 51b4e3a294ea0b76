#include <gtest/gtest.h>

#include <string>

extern "C" const unsigned char embed_sample_begin[], embed_sample_end[];

TEST(Embed, BytesArriveWholeIncludingZeroAndHighBytes) {
    const std::string bytes(reinterpret_cast<const char*>(embed_sample_begin),
                            static_cast<size_t>(embed_sample_end - embed_sample_begin));
    EXPECT_EQ(bytes, std::string("embedded\0bytes\xff", 15));
}
