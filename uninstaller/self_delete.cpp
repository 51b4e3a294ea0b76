#include "uninstaller/self_delete.h"

namespace uninstaller {

std::string windowsDeleteParameters(const std::string& currentDirectory, const std::string& ownName) {
    std::string folder = currentDirectory;
    if (folder.empty() || folder.back() != '\\')
        folder += '\\';
    return "/c del \"" + folder + ownName + "\"";
}

std::string windowsCommandLine(const std::string& interpreter, const std::string& parameters) {
    if (!interpreter.empty() && interpreter[0] == '"')
        return interpreter + " " + parameters;
    return "\"" + interpreter + "\" " + parameters;
}

std::vector<std::string> shellDeleteArguments(const std::string& path, int processId) {
    static const char* const kScript =
        "i=0; while kill -0 \"$2\" 2>/dev/null && [ \"$i\" -lt 100 ]; do sleep 0.1; i=$((i+1)); done; "
        "rm -f -- \"$1\"";
    return {"-c", kScript, "sh", path, std::to_string(processId)};
}

}  // namespace uninstaller
