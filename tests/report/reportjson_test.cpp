#include "report/reportjson.h"

#include "sampleruns.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace velmora {
namespace {

TEST(JsonString, EscapesWhatJsonRequires) {
    struct Case {
        std::string text;
        std::string json;
    };
    const std::vector<Case> cases{
        {"plain", R"("plain")"},
        {"User IDF(\"/hr): ", R"("User IDF(\"/hr): ")"},
        {"C:\\ponds", R"("C:\\ponds")"},
        {"a\nb\rc\td\b\f", R"("a\nb\rc\td\b\f")"},
        {std::string("nul\0and\x1f", 8), R"("nul\u0000and\u001f")"},
        {"caf\xc3\xa9 \xe2\x82\xac", "\"caf\xc3\xa9 \xe2\x82\xac\""}, // valid UTF-8 kept
        {"caf\xe9", "\"caf\xc3\xa9\""},                               // a Latin-1 byte
        {"\xc3", "\"\xc3\x83\""},                                     // a cut sequence
        {"\xed\xa0\x80", "\"\xc3\xad\xc2\xa0\xc2\x80\""},             // a surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(jsonString(c.text), c.json) << c.text;
}

TEST(DrawListJson, WritesEveryKindOfOperation) {
    const std::vector<DrawOp> ops{DrawOp::brush(), DrawOp::rectangle(0, 0, 700, 535),
                                  DrawOp::textOut(10, 1, "Velmora \"x\""), DrawOp::moveTo(5, 69),
                                  DrawOp::lineTo(695, 69)};
    EXPECT_EQ(drawListJson(ops, 700, 535),
              R"({"width": 700, "height": 535, "ops": [{"op": "brush"}, )"
              R"({"op": "rectangle", "x1": 0, "y1": 0, "x2": 700, "y2": 535}, )"
              R"({"op": "textOut", "x": 10, "y": 1, "text": "Velmora \"x\""}, )"
              R"({"op": "moveTo", "x": 5, "y": 69}, {"op": "lineTo", "x": 695, "y": 69}]})");
}

TEST(ReportDrawListJson, IsThePageInDrawingOrder) {
    const std::string json = reportDrawListJson(testing::sampleRun(23), 14, cLocaleSettings());
    const std::string start =
        R"({"width": 700, "height": 550, "ops": [{"op": "brush"}, )"
        R"({"op": "rectangle", "x1": 0, "y1": 0, "x2": 700, "y2": 550}, )"
        R"({"op": "textOut", "x": 10, "y": 1, "text": "Velmora    Proj. Date: 3/15/2007   Proj. No.: P-101"}, )"
        R"({"op": "rectangle", "x1": 5, "y1": 13, "x2": 695, "y2": 480}, )";
    EXPECT_EQ(json.substr(0, start.size()), start);
    EXPECT_NE(json.find(R"("text": "PRE-DEV. DRAIN. AREA(Acres): 10    PRE-DEV. C: 0.2    )"
                        R"(PRE-DEV. Tc(min.): 60    User IDF(\"/hr): 6.1)"),
              std::string::npos);
    EXPECT_EQ(json.substr(json.size() - 3), "}]}");
}

} // namespace
} // namespace velmora
