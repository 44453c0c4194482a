#include "report/sheetfit.h"

#include <gtest/gtest.h>

namespace velmora {
namespace {

TEST(MulDivTest, RoundsHalvesAwayFromZeroWithoutOverflow) {
    EXPECT_EQ(mulDiv(700, 9000, 535), 11776); // 11775.70...
    EXPECT_EQ(mulDiv(5, 1, 2), 3);
    EXPECT_EQ(mulDiv(-5, 1, 2), -3);
    EXPECT_EQ(mulDiv(5, -1, -2), 3);
    EXPECT_EQ(mulDiv(2000000000, 2000000000, 4000000000 / 2), 2000000000);
    EXPECT_EQ(mulDiv(1, 1, 0), -1);
}

struct FitCase {
    const char* name;
    int imageWidth, imageHeight, printableWidth, printableHeight;
    SheetSize printed;
};

class FitToPrintableAreaTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitToPrintableAreaTest, KeepsTheProportions) {
    const FitCase& c = GetParam();
    EXPECT_EQ(fitToPrintableArea(c.imageWidth, c.imageHeight, c.printableWidth, c.printableHeight),
              c.printed);
}

const FitCase kFitCases[] = {
    // Letter landscape at 1200 dpi within half-inch margins: the height bounds the page.
    {"WiderAreaTakesTheFullHeight", 700, 535, 12000, 9000, {11776, 9000}},
    // A narrow area: the width bounds it.
    {"NarrowerAreaTakesTheFullWidth", 700, 535, 7000, 9000, {7000, 5350}},
    // A smaller window's image, scaled up to the paper.
    {"SmallImageScaledUp", 350, 100, 12000, 9000, {12000, 3429}},
    {"EqualWidthGoesToTheWidthRule", 700, 535, 11776, 9000, {11776, 9000}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FitToPrintableAreaTest, ::testing::ValuesIn(kFitCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace velmora
