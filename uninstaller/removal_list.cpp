#include "uninstaller/removal_list.h"

#include "common/lines.h"

namespace uninstaller {

std::vector<std::string> readRemovalList(std::string_view fileBytes) { return common::splitLines(fileBytes); }

}  // namespace uninstaller
