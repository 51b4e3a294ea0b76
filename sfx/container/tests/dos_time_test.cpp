#include "sfx/container/dos_time.h"

#include <gtest/gtest.h>

namespace sfx {
namespace {

TEST(DosTime, PacksFieldsAsTheFormatLaysThemOut) {
    const DosDateTime t{2021, 5, 9, 14, 37, 44};
    const uint32_t packed = packDosDateTime(t);
    EXPECT_EQ(packed >> 16, static_cast<uint32_t>((41 << 9) | (5 << 5) | 9));
    EXPECT_EQ(packed & 0xFFFF, static_cast<uint32_t>((14 << 11) | (37 << 5) | 22));
    const DosDateTime back = unpackDosDateTime(packed);
    EXPECT_EQ(back.year, 2021);
    EXPECT_EQ(back.month, 5);
    EXPECT_EQ(back.day, 9);
    EXPECT_EQ(back.hour, 14);
    EXPECT_EQ(back.minute, 37);
    EXPECT_EQ(back.second, 44);
}

TEST(DosTime, YearsBefore1980AreClamped) {
    EXPECT_EQ(unpackDosDateTime(packDosDateTime({1970, 1, 1, 0, 0, 0})).year, 1980);
}

TEST(DosTime, LocalTimeRoundTrips) {
    const int64_t when = 1620571064;  // 2021-05-09, some hour of the day
    EXPECT_EQ(utcFromLocal(localDateTime(when)), when);
}

}  // namespace
}  // namespace sfx
