// How velmora-cli prints the design check: after `run`'s own output, and as the rows of the
// `design` command over many files.
#pragma once

#include "cli/projectrun.h"
#include "design/designcheck.h"

#include <ostream>
#include <string>

namespace velmora {

// "line 17: rainfall row 4: ...", or the message alone when it points at no line.
std::string warningText(const DesignWarning& warning, const WarningLines& lines);

// The five-event table, the mass balance with the step where the storage was first held at
// 0, and the warnings, numbers in the locale's conventions.
void printDesignCheckText(std::ostream& out, const DesignCheck& check, const WarningLines& lines,
                          const FormatSettings& settings);

// `run --format json`'s members after today's keys: ", "designCheck": [...], "massBalance":
// [...], "warnings": [...]", the events 5-year first.
std::string designCheckJsonMembers(const DesignCheck& check, const WarningLines& lines);

enum class TableFormat { Text, Csv, Json };

// The `design` command's table: one row per file and event. begin() before the first file,
// end() after the last; files that failed have no rows.
class DesignTable {
  public:
    DesignTable(std::ostream& out, TableFormat format, std::size_t fileWidth,
                const FormatSettings& settings);
    void begin();
    void rows(const std::string& file, const DesignCheck& check);
    void end();

  private:
    std::ostream& out_;
    TableFormat format_;
    std::size_t fileWidth_;
    const FormatSettings& settings_;
    bool firstJsonRow_ = true;
};

} // namespace velmora
