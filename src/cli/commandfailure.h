// How a command of velmora-cli fails: a usage error, or a failed step with its exit code.
#pragma once

#include <string>

namespace velmora {

// A usage error: the message, then the usage text, on the error stream.
struct UsageError {
    std::string message;
};

// The failure of one step of a command, with its exit code; the message goes to stderr.
// namesFile says whether the message already names the project file.
struct CommandFailure {
    int exitCode;
    std::string message;
    bool namesFile = true;
};

} // namespace velmora
