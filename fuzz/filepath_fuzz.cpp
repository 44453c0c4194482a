// libFuzzer target: any bytes the whole way velmora-cli takes a project file (read, Open into
// the controls, capture, a results run, design check, hydrograph points and report draw list of
// every design event), under the C settings and under a decimal comma. What the program catches
// ends the path; an exception it would not catch, a crash, a sanitizer report or a failure without
// a message is a finding.
#include "fuzz/filepaths.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace velmora;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const FormatSettings& settings : {fuzzing::pointSettings(), fuzzing::commaSettings()}) {
        // An exception that escapes here ends the process as it would end velmora-cli.
        const std::string fault =
            fuzzing::pathOutcomeFault(fuzzing::followFilePath(bytes, settings));
        if (!fault.empty()) {
            std::fprintf(stderr, "filepath: %s\n", fault.c_str());
            std::abort();
        }
    }
    return 0;
}
