#include "process.h"

#include <stdexcept>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace velmora::bench {

ProgramRun runProgramMeasured(const std::vector<std::string>& args) {
    std::vector<char*> argv;
    for (const std::string& arg : args)
        argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        throw std::runtime_error(args.front() + " could not be started");
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    return ProgramRun{WIFEXITED(status) ? WEXITSTATUS(status) : -1, usage.ru_maxrss};
}

int runProgram(const std::vector<std::string>& args) {
    return runProgramMeasured(args).status;
}

} // namespace velmora::bench
