// Whole-process benchmarks: a program run as the user runs it.
#pragma once

#include <string>
#include <vector>

namespace velmora::bench {

// Runs the program (args[0]) with its standard output thrown away; returns its exit status,
// -1 when it did not exit normally. Throws std::runtime_error when it cannot be started.
int runProgram(const std::vector<std::string>& args);

struct ProgramRun {
    int status = -1;        // the exit status, -1 when it did not exit normally
    long peakKiloBytes = 0; // the largest resident memory the program held
};

// As runProgram, with the program's peak resident memory.
ProgramRun runProgramMeasured(const std::vector<std::string>& args);

} // namespace velmora::bench
