// The C conventions, and the locale names the process environment gives.
#include "platform/conversions.h"

#include <cstdlib>
#include <initializer_list>

namespace velmora {
namespace {

// The value of the first of the variables that is set and not empty; "C" when none is.
std::string firstNonEmptyVariable(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return "C";
}

} // namespace

FormatSettings cLocaleSettings() {
    return FormatSettings{'.', "M/d/yyyy"};
}

std::string numericLocaleNameFromEnvironment() {
    return firstNonEmptyVariable({"LC_ALL", "LC_NUMERIC", "LANG"});
}

std::string timeLocaleNameFromEnvironment() {
    return firstNonEmptyVariable({"LC_ALL", "LC_TIME", "LANG"});
}

} // namespace velmora
