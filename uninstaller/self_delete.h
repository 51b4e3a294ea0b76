#pragma once
// How the uninstaller has the command interpreter delete its executable after it has ended.

#include <string>
#include <vector>

namespace uninstaller {

// Windows: the interpreter's parameters "/c del \"<folder><ownName>\"", the folder given a
// backslash unless it ends with one (a drive root gets no second one).
std::string windowsDeleteParameters(const std::string& currentDirectory, const std::string& ownName);

// Windows: the command line of the new process: the interpreter in double quotes (unchanged when
// it already begins with one), a blank, the parameters.
std::string windowsCommandLine(const std::string& interpreter, const std::string& parameters);

// POSIX shell: arguments for /bin/sh that wait (at most about ten seconds) until the process
// with the given id has ended and then remove the file. The path travels as a positional
// parameter, never inside the script, so blanks, quotes and "$" in it are harmless.
std::vector<std::string> shellDeleteArguments(const std::string& path, int processId);

}  // namespace uninstaller
