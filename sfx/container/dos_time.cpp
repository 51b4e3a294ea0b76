#include "sfx/container/dos_time.h"

#include <ctime>
#include <mutex>

namespace sfx {
namespace {
// localtime and mktime share the C library's time-zone state.
std::mutex timeMutex;
}  // namespace

uint32_t packDosDateTime(const DosDateTime& t) {
    DosDateTime c = t;
    if (c.year < 1980)
        c = DosDateTime{};
    if (c.year > 2107)
        c = DosDateTime{2107, 12, 31, 23, 59, 58};
    const uint32_t date = static_cast<uint32_t>(((c.year - 1980) << 9) | (c.month << 5) | c.day);
    const uint32_t time = static_cast<uint32_t>((c.hour << 11) | (c.minute << 5) | (c.second / 2));
    return (date << 16) | time;
}

DosDateTime unpackDosDateTime(uint32_t packed) {
    const uint32_t date = packed >> 16;
    const uint32_t time = packed & 0xFFFF;
    DosDateTime t;
    t.year = static_cast<int>((date >> 9) & 0x7F) + 1980;
    t.month = static_cast<int>((date >> 5) & 0x0F);
    t.day = static_cast<int>(date & 0x1F);
    t.hour = static_cast<int>((time >> 11) & 0x1F);
    t.minute = static_cast<int>((time >> 5) & 0x3F);
    t.second = static_cast<int>((time & 0x1F) * 2);
    return t;
}

DosDateTime localDateTime(int64_t utcSeconds) {
    const std::time_t when = static_cast<std::time_t>(utcSeconds);
    std::lock_guard lock(timeMutex);
    const std::tm* local = std::localtime(&when);
    if (!local)
        return {};
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, local->tm_hour, local->tm_min, local->tm_sec};
}

int64_t utcFromLocal(const DosDateTime& t) {
    std::tm local{};
    local.tm_year = t.year - 1900;
    local.tm_mon = t.month - 1;
    local.tm_mday = t.day;
    local.tm_hour = t.hour;
    local.tm_min = t.minute;
    local.tm_sec = t.second;
    local.tm_isdst = -1;
    std::lock_guard lock(timeMutex);
    return static_cast<int64_t>(std::mktime(&local));
}

}  // namespace sfx
