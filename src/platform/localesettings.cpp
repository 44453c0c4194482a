// The regional conventions of POSIX locale names, and of the process environment.
#include "platform/conversions.h"

#include <array>
#include <cstdlib>
#include <initializer_list>

namespace velmora {
namespace {

// The conventions of one language ("de") or language and territory ("en_GB"). Patterns hold no
// blanks, so a written date stays one word in the project file, and always write four-digit
// years.
struct LocaleConventions {
    std::string_view name;
    char decimalSeparator;
    std::string_view shortDatePattern;
};

constexpr std::string_view kCDatePattern = "M/d/yyyy";

// A language's entry serves every territory of that language not listed on its own; the
// lookup tries language and territory first.
constexpr std::array kConventions = std::to_array<LocaleConventions>({
    {"en", '.', kCDatePattern},   {"en_US", '.', kCDatePattern}, {"en_GB", '.', "dd/MM/yyyy"},
    {"en_AU", '.', "dd/MM/yyyy"}, {"en_NZ", '.', "dd/MM/yyyy"},  {"en_IE", '.', "dd/MM/yyyy"},
    {"en_IN", '.', "dd/MM/yyyy"}, {"en_CA", '.', "yyyy-MM-dd"},  {"en_ZA", '.', "yyyy/MM/dd"},
    {"de", ',', "dd.MM.yyyy"},    {"de_CH", '.', "dd.MM.yyyy"},  {"fr", ',', "dd/MM/yyyy"},
    {"fr_CA", ',', "yyyy-MM-dd"}, {"fr_CH", ',', "dd.MM.yyyy"},  {"es", ',', "dd/MM/yyyy"},
    {"es_MX", '.', "dd/MM/yyyy"}, {"it", ',', "dd/MM/yyyy"},     {"pt", ',', "dd/MM/yyyy"},
    {"nl", ',', "dd-MM-yyyy"},    {"nl_BE", ',', "dd/MM/yyyy"},  {"ca", ',', "dd/MM/yyyy"},
    {"el", ',', "dd/MM/yyyy"},    {"id", ',', "dd/MM/yyyy"},     {"vi", ',', "dd/MM/yyyy"},
    {"ru", ',', "dd.MM.yyyy"},    {"uk", ',', "dd.MM.yyyy"},     {"be", ',', "dd.MM.yyyy"},
    {"pl", ',', "dd.MM.yyyy"},    {"cs", ',', "dd.MM.yyyy"},     {"sk", ',', "dd.MM.yyyy"},
    {"sl", ',', "dd.MM.yyyy"},    {"hr", ',', "dd.MM.yyyy"},     {"sr", ',', "dd.MM.yyyy"},
    {"bg", ',', "dd.MM.yyyy"},    {"ro", ',', "dd.MM.yyyy"},     {"tr", ',', "dd.MM.yyyy"},
    {"fi", ',', "dd.MM.yyyy"},    {"nb", ',', "dd.MM.yyyy"},     {"nn", ',', "dd.MM.yyyy"},
    {"no", ',', "dd.MM.yyyy"},    {"is", ',', "dd.MM.yyyy"},     {"et", ',', "dd.MM.yyyy"},
    {"lv", ',', "dd.MM.yyyy"},    {"da", ',', "dd-MM-yyyy"},     {"sv", ',', "yyyy-MM-dd"},
    {"lt", ',', "yyyy-MM-dd"},    {"hu", ',', "yyyy.MM.dd"},     {"ja", '.', "yyyy/MM/dd"},
    {"zh", '.', "yyyy/MM/dd"},    {"ko", '.', "yyyy-MM-dd"},     {"he", '.', "dd/MM/yyyy"},
    {"ar", '.', "dd/MM/yyyy"},    {"hi", '.', "dd/MM/yyyy"},     {"th", '.', "dd/MM/yyyy"},
});

char asciiLower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}
char asciiUpper(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// "de_DE.UTF-8@euro" gives "de" and "DE"; the code set and modifier say nothing about the
// conventions. A hyphen is taken as the separator too ("en-GB").
struct LocaleKey {
    std::string language;
    std::string territory;
};

LocaleKey keyOfLocaleName(std::string_view localeName) {
    const std::size_t end = localeName.find_first_of(".@");
    const std::string_view languageAndTerritory = localeName.substr(0, end);
    const std::size_t split = languageAndTerritory.find_first_of("_-");
    LocaleKey key;
    for (const char c : languageAndTerritory.substr(0, split))
        key.language += asciiLower(c);
    if (split != std::string_view::npos)
        for (const char c : languageAndTerritory.substr(split + 1))
            key.territory += asciiUpper(c);
    return key;
}

const LocaleConventions* findConventions(std::string_view name) {
    for (const LocaleConventions& entry : kConventions)
        if (entry.name == name)
            return &entry;
    return nullptr;
}

FormatSettings settingsOf(const LocaleConventions& conventions) {
    return FormatSettings{conventions.decimalSeparator, std::string(conventions.shortDatePattern)};
}

// The value of the first of the variables that is set and not empty; empty when none is.
std::string_view firstNonEmptyVariable(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* value = std::getenv(name);
        if (value != nullptr && *value != '\0')
            return value;
    }
    return {};
}

} // namespace

FormatSettings cLocaleSettings() {
    return FormatSettings{'.', std::string(kCDatePattern)};
}

FormatSettings settingsForLocaleName(std::string_view localeName) {
    const LocaleKey key = keyOfLocaleName(localeName);
    if (!key.territory.empty())
        if (const LocaleConventions* entry = findConventions(key.language + '_' + key.territory))
            return settingsOf(*entry);
    if (const LocaleConventions* entry = findConventions(key.language))
        return settingsOf(*entry);
    return cLocaleSettings();
}

std::string numericLocaleNameFromEnvironment() {
    const std::string_view name = firstNonEmptyVariable({"LC_ALL", "LC_NUMERIC", "LANG"});
    return name.empty() ? std::string("C") : std::string(name);
}

FormatSettings settingsFromEnvironment() {
    FormatSettings settings;
    settings.decimalSeparator =
        settingsForLocaleName(numericLocaleNameFromEnvironment()).decimalSeparator;
    settings.shortDatePattern =
        settingsForLocaleName(firstNonEmptyVariable({"LC_ALL", "LC_TIME", "LANG"}))
            .shortDatePattern;
    return settings;
}

} // namespace velmora
