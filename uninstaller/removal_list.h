#pragma once
// uninst.dat: one file path a line, bytes taken as they are (code page 1251), nothing trimmed.

#include <string>
#include <string_view>
#include <vector>

namespace uninstaller {

std::vector<std::string> readRemovalList(std::string_view fileBytes);

}  // namespace uninstaller
