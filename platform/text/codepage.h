#pragma once
// Text inside the system is 8-bit code page 1251; archives hold names in the OEM code page 866.
// The platform converts at its edges: UTF-8 for GTK and for Linux file names.

#include <string>
#include <string_view>

namespace platform {

// Every byte value has a code point (0x98, unassigned in 1251, maps to U+0098 as Windows does).
char32_t cp1251ToCodePoint(unsigned char byte);
char32_t cp866ToCodePoint(unsigned char byte);

std::string cp1251ToUtf8(std::string_view text);
// Characters without a 1251 byte, and malformed UTF-8 sequences, become '?'.
std::string utf8ToCp1251(std::string_view text);

// ANSI to OEM and back, as the system converts archive entry names; unmappable characters
// become '?'.
std::string cp1251ToCp866(std::string_view text);
std::string cp866ToCp1251(std::string_view text);

// Message texts break lines with "\r" and with "\n\r"; GTK wants "\n".
std::string displayLineBreaks(std::string_view text);

}  // namespace platform
