#pragma once
// A scripted process environment for unit tests; records every program started.

#include <map>
#include <string>
#include <vector>

#include "platform/system.h"

namespace platform::fake {

struct StartedProgram {
    std::string program;
    std::vector<std::string> arguments;
    std::string workingFolder;
};

class FakeSystem final : public System {
public:
    std::map<std::string, std::string> variables;
    std::string cwd = "/";
    std::string exePath = "/bin/program";
    int pid = 4242;
    std::string tempFolder = "/tmp/";
    std::string startMenu;
    std::string desktop;
    std::string interpreter = "/bin/sh";
    bool startSucceeds = true;
    std::vector<StartedProgram> started;
    std::vector<ShortcutFields> shortcuts;

    std::optional<std::string> environment(const std::string& name) override {
        auto it = variables.find(name);
        if (it == variables.end())
            return std::nullopt;
        return it->second;
    }
    std::string currentDirectory() override { return cwd; }
    std::string executablePath() override { return exePath; }
    int processId() override { return pid; }
    std::string temporaryFolder() override { return tempFolder; }
    std::string startMenuFolder() override { return startMenu; }
    std::string desktopFolder() override { return desktop; }
    std::string commandInterpreter() override { return interpreter; }
    bool startDetached(const std::string& program, const std::vector<std::string>& arguments,
                       const std::string& workingFolder) override {
        started.push_back({program, arguments, workingFolder});
        return startSucceeds;
    }
    bool createShortcut(const ShortcutFields& fields) override {
        shortcuts.push_back(fields);
        return true;
    }
};

}  // namespace platform::fake
