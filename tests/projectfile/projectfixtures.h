// The example projects the project file tests share.
#pragma once

#include "projectfile/projectfile.h"

#include <string>

namespace velmora::testing {

// Points and M/d/yyyy, as the example files are written.
FormatSettings pointSettings();
// A decimal comma and dd.MM.yyyy.
FormatSettings commaSettings();

// A project with user intensities, three rainfall rows and a rectangular weir.
ProjectValues weirProject();
// The same project with a stage-discharge table, and with a circular orifice.
ProjectValues stageTableProject();
ProjectValues circularOrificeProject();

// The files of those three projects, byte for byte.
extern const std::string kWeirFile;
extern const std::string kStageTableFile;
extern const std::string kCircularOrificeFile;

// The text with every LF preceded by a CR.
std::string withCrLf(const std::string& lfText);

} // namespace velmora::testing
