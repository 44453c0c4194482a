// Between the project file and the main window's controls: Open puts what the reader delivers
// into the controls, Save converts the controls into what the writer takes. velmora-cli uses
// both so that it runs and writes a file exactly as the desktop program would.
#pragma once

#include "engine/capture.h"
#include "engine/controls.h"
#include "projectfile/projectfile.h"

namespace velmora {

struct OpenedProject {
    MainWindowControls controls;
    StringGrid sgMethodOne; // rainfall grid, row 0 the headings
    StringGrid stageDisch;  // stage-discharge grid, row 0 the headings
    int stageRowCount = 0;
};

// The headings of the two grids, as the main window shows them.
StringGrid defaultRainfallGridHeadings();
StringGrid defaultStageGridHeadings();

// Fills the controls from the words of a (whole or partial) read.
OpenedProject openIntoControls(const ReadResult& read);

// The Results command's capture of the opened grids. Throws ConversionError at the first cell
// that does not convert.
CapturedTables captureOpenedProject(OpenedProject& project, const FormatSettings& settings);

// The Save command's conversion: captures the rainfall grid (and, for method 3, the stage grid)
// as the Results command does and converts every value the file holds strictly. An empty outlet
// edit of the rectangular weir reads as 0. Throws ConversionError at the first value that does
// not convert.
ProjectValues saveProjectValues(OpenedProject& project, const FormatSettings& settings);

} // namespace velmora
