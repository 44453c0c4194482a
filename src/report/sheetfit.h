// How the report page is fitted onto a printed sheet.
#pragma once

namespace velmora {

// a x b / c rounded to the nearest integer, halves away from zero, computed without overflow;
// -1 when c is 0.
int mulDiv(int a, int b, int c);

struct SheetSize {
    int width = 0;
    int height = 0;
    bool operator==(const SheetSize&) const = default;
};

// The printed size of a W x H image on a printable area of PW x PH, keeping its proportions:
// the full printable height when the width W x PH / H that follows is less than PW, otherwise
// the full printable width and the height H x PW / W.
SheetSize fitToPrintableArea(int imageWidth, int imageHeight, int printableWidth,
                             int printableHeight);

} // namespace velmora
