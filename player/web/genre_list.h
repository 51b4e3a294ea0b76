#pragma once
// The genre list of the radio directory, carried in the program and written into the temporary
// folder at every start (so an edited copy is replaced by the built-in one).

#include <string_view>

namespace web {

extern const std::string_view kGenreList;  // 281 names, 3121 bytes

}  // namespace web
