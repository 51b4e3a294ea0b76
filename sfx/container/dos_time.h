#pragma once
// MS-DOS date and time, the form ZIP entries carry: local time, seconds in 2-second units,
// years counted from 1980.

#include <cstdint>

namespace sfx {

struct DosDateTime {
    int year = 1980;  // full year
    int month = 1;    // 1..12
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The packed 32-bit form: date in the high word, time in the low word. Years outside 1980..2107
// are clamped to the nearest representable moment.
uint32_t packDosDateTime(const DosDateTime& t);
DosDateTime unpackDosDateTime(uint32_t packed);

// Seconds since 1970 (UTC) to the local calendar and back (seconds taken as given).
DosDateTime localDateTime(int64_t utcSeconds);
int64_t utcFromLocal(const DosDateTime& t);

}  // namespace sfx
