// libFuzzer target: any bytes through the project file reader, under the C settings and under
// a decimal comma. The reader must answer every input with a whole read or a failure that
// says why; a crash, a sanitizer report or an answer without its message is a finding.
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
        const std::string fault = fuzzing::readResultFault(parseProjectFile(bytes, settings));
        if (!fault.empty()) {
            std::fprintf(stderr, "projectreader: %s\n", fault.c_str());
            std::abort();
        }
    }
    return 0;
}
