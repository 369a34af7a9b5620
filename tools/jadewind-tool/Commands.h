// The sub-commands of jadewind-tool. Each takes its arguments (without the
// sub-command's own name) and returns the process exit code.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace jw::tool {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;    // argument synopsis
    const char* summary;  // one line for --help
    std::function<int(const Args&)> run;
};

// Every sub-command, in the order --help lists them.
const std::vector<Command>& AllCommands();

// Sub-command registration: each Cmd*.cpp file appends its commands here.
std::vector<Command>& Registry();

struct Registrar {
    explicit Registrar(Command command) { Registry().push_back(std::move(command)); }
};

// Writes "jadewind-tool: " + message to standard error and returns 2.
int UsageError(const std::string& message);

}  // namespace jw::tool
