#pragma once
#include <string_view>

namespace platform {

// Folder listings take a pattern as the system's file search does: "*" matches any run of
// characters, "?" any one character, and "*.*" matches every name, names without a dot
// included. Letters are compared as they are.
bool wildcardMatch(std::string_view pattern, std::string_view name);

}  // namespace platform
