#pragma once
// The text toolbox every web feature shares: cutting values out of page lines between fixed
// markers and cleaning them of the entities the pages carry. Texts are code page 1251 bytes;
// every search is byte-wise and case-sensitive, positions are 1-based and 0 means "not found".
// No routine keeps state or changes its arguments.

#include <string>
#include <string_view>

namespace web {

// Position of the first occurrence of search at or after start; 0 when there is none, or when
// text or search is empty. A start below 1 counts as 1.
int findText(std::string_view text, std::string_view search, int start = 1);

// The text without any occurrence of piece; an occurrence that only arises by joining the
// remaining parts stays.
std::string removeAll(std::string_view text, std::string_view piece);

// Every occurrence of find replaced, scanning on behind each one; an inserted replacement is not
// scanned again.
std::string replaceAll(std::string_view text, std::string_view find, std::string_view replacement);

// What lies between the first startMarker and the first endMarker behind it; the empty text
// when either is missing or empty.
std::string textBetween(std::string_view text, std::string_view startMarker, std::string_view endMarker);

// The fixed entity and markup clean-up of result titles, then leading blanks removed.
std::string decodeEntities(std::string_view text);

// The first n bytes (n below 0 gives the empty text).
std::string leftPart(std::string_view text, int n);
// The last n bytes, n held to 0 ... length.
std::string rightPart(std::string_view text, int n);
// Lower-cases the letters of code page 1251, Latin and Cyrillic (Ё and the other letters of
// the upper half included).
std::string lowerCase(std::string_view text);
// An integer in decimal: no leading zeros or blanks, a minus sign in front of a negative value.
std::string decimal(long long value);

}  // namespace web
