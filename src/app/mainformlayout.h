// The main window's controls, menus and tool bar as data: one row per control, from which the
// window is built and against which the tests check it.
#pragma once

#include <array>
#include <span>
#include <string_view>

namespace velmora {

// Positions are client pixels: the client area includes the tool bar's band (its top 25
// pixels) and the status bar (its bottom 19), as the window was designed.
inline constexpr int kClientWidth = 700;         // pixels
inline constexpr int kClientHeight = 491;        // pixels
inline constexpr int kToolBarHeight = 25;        // pixels
inline constexpr int kStatusBarHeight = 19;      // pixels
inline constexpr int kProjectPanelWidth = 200;   // pixels: the status bar's first panel
inline constexpr int kFontPixelSize = 10;        // pixels: captions fit the designed geometry
inline constexpr int kHeadingFontPixelSize = 12; // pixels: the two sky-blue heading labels

enum class ControlKind {
    Edit,
    DatePicker,
    EditableComboBox, // free text with a list of items
    DropDownList,     // a list without free text
    RadioGroup,
    StringGrid,
    Button,
    Label,        // as wide as its caption, 13 pixels high
    HeadingLabel, // fixed size, larger font, sky-blue background
};

struct ControlEntry {
    std::string_view name;
    ControlKind kind;
    int left = 0;
    int top = 0;
    int width = 0; // 0 for a label as wide as its caption
    int height = 0;
    int tabOrder = 0; // 1 and up in the order Tab moves; 0 for no tab stop
    std::string_view text = {};
    bool visible = true;
    int maxLength = 0; // edits: 0 for no limit
};

inline constexpr int kLabelHeight = 13; // pixels

// Every control of the client area, in tab order, then the labels.
std::span<const ControlEntry> mainFormControls();

// The control of that name; throws std::out_of_range for an unknown name.
const ControlEntry& controlEntry(std::string_view name);

// The items of the two lists and the radio group.
inline constexpr std::array<std::string_view, 2> kIntensityMethodItems{"User supplied ",
                                                                       "Jacksonville Curves"};
inline constexpr std::array<std::string_view, 4> kDischargeMethodItems{
    "1  Calculate discharge using rect. weir and infiltration",
    "2  Calculate discharge using circular orifice and infiltration",
    "3  Calculate discharge using rectangular orifice and infiltration",
    "4  Calculate discharge using manually entered stage/discharge curve and infiltration",
};
inline constexpr int kDischargeListRows = 4; // rows the open list shows
inline constexpr std::array<std::string_view, 5> kRainfallEventItems{"5 year", "10 year", "25 year",
                                                                     "50 year", "100 year"};

// The commands the menus, the tool bar and the pop-up menu start.
enum class Command {
    None,
    New,
    Open,
    Save,
    Results,
    ExitFromFileMenu,
    ExitFromMenuBar,
    Help,
    About,
    DesignCheck,
    SizeOutlet
};

// A menu bar item and its items. An item without a menu name stands on the bar itself.
struct MenuItemEntry {
    std::string_view menu; // the bar item's name; empty for the bar items themselves
    std::string_view name;
    std::string_view caption;
    std::string_view shortcut = {}; // as QKeySequence reads it
    bool visible = true;
    Command command = Command::None;
};

std::span<const MenuItemEntry> mainMenuItems();

// The tool bar's buttons, left to right; a row without a name is an 8-pixel separator.
struct ToolButtonEntry {
    std::string_view name;
    std::string_view hint;
    std::string_view iconName = {}; // freedesktop icon, with a drawing of our own as fallback
    Command command = Command::None;
    bool dropDown = false; // its arrow opens the pop-up menu; its face runs nothing
};

inline constexpr int kToolButtonWidth = 23;   // pixels
inline constexpr int kToolButtonHeight = 22;  // pixels
inline constexpr int kToolImageSize = 16;     // pixels
inline constexpr int kToolSeparatorWidth = 8; // pixels

std::span<const ToolButtonEntry> toolBarButtons();

// The pop-up menu of the print button and of the tool bar.
std::span<const MenuItemEntry> popupMenuItems();

// What choosing an outlet does to one control, by DischargeMethod index 0 to 3: shown or
// hidden, and the caption it gets (empty: the caption is left as it is). Open sets two
// captions of its own without the colon.
struct OutletLayoutRow {
    std::string_view control;
    std::array<bool, 4> shown;
    std::array<std::string_view, 4> caption = {};
    std::array<std::string_view, 4> captionOnOpen = {};
};

inline constexpr int kOutletMethodCount = 4;

// The label beside each numeric edit, whose caption names the field to the user.
struct FieldLabel {
    std::string_view control;
    std::string_view label;
};

inline constexpr std::array<FieldLabel, 14> kFieldLabels{{
    {"EditPreCondArea", "LabelPreCondArea"},
    {"EditPostCondArea", "LabelPostCondArea"},
    {"EditPreC", "LabelPreC"},
    {"EditPostC", "LabelPostC"},
    {"EditPreTc", "LabelPreTc"},
    {"EditPSA", "LabelPndSA"},
    {"EditpermpoolElev", "LabelpermpoolElev"},
    {"EditRPerm", "LabelRPerm"},
    {"EditWCEl", "LabelWeirCrEl"},
    {"EditWCoef", "LabelWCoef"},
    {"EditNoEC", "LabelNoEC"},
    {"EditWeirLength", "LabelWeirLength"},
    {"edtOrifCoef", "lblOrifCoef"},
    {"edtOrifHt", "lblOrifHt"},
}};

// The rainfall table the window starts with: duration (hours), then the cumulative depth
// (inches) of the 5, 10, 25, 50 and 100-year storms.
inline constexpr std::array<std::array<double, 6>, 13> kDefaultRainfallTable{{
    {0.0833, 0.6, 0.66, 0.72, 0.785, 0.85},
    {0.25, 1.3, 1.478, 1.66, 1.849, 2.116},
    {0.5, 2.1, 2.144, 2.7, 2.743, 3.183},
    {0.667, 2.35, 2.7, 3.05, 3.414, 3.778},
    {1, 2.6, 2.809, 3.4, 3.702, 4.373},
    {1.5, 2.95, 3.164, 3.95, 4.254, 5.08},
    {2, 3.3, 3.395, 4.5, 4.635, 5.593},
    {3, 3.8, 3.696, 5, 5.159, 6.309},
    {4, 4.03, 3.89, 5.5, 5.522, 6.821},
    {6, 4.5, 4.147, 6, 6.029, 7.556},
    {8, 4.83, 4.319, 6.33, 6.389, 8.091},
    {12, 5.5, 4.552, 7, 6.902, 8.87},
    {24, 6.5, 4.939, 8.5, 7.817, 10.31},
}};

// The headings of the three grids' row 0, and of the intensity grid's column 0.
inline constexpr std::string_view kRainfallDurationHeading = "Time(hrs)";
inline constexpr std::array<std::string_view, 2> kStageGridHeadings{"Stage(ft)", "Dich.(cfs)"};
inline constexpr std::array<std::string_view, 2> kIntensityGridHeadings{" Year", "Intens.(\"/hr)"};
inline constexpr std::array<std::string_view, 5> kIntensityGridEventHeadings{"  5", " 10", " 25",
                                                                             " 50", " 100"};

std::span<const OutletLayoutRow> outletLayout();

} // namespace velmora
