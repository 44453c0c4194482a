#include "app/mainformlayout.h"

#include <stdexcept>
#include <string>

namespace velmora {

namespace {

using enum ControlKind;

constexpr std::array kControls = std::to_array<ControlEntry>({
    {"edtProjDes", Edit, 160, 24, 153, 21, 1},
    {"edtDisProjDate", DatePicker, 313, 24, 186, 21, 2},
    {"edtProjNo", Edit, 552, 24, 81, 21, 3},
    {"grpRainEvnt", RadioGroup, 504, 56, 121, 105, 4, "Select Rainfall Event"},
    {"EditPreCondArea", Edit, 137, 232, 73, 21, 5},
    {"EditPostCondArea", Edit, 361, 232, 65, 21, 6},
    {"cbxNtnstyMthd", EditableComboBox, 536, 232, 121, 21, 7, "User supplied "},
    {"EditPreC", Edit, 73, 248, 37, 21, 8},
    {"EditPostC", Edit, 297, 248, 35, 21, 9},
    {"EditPreTc", Edit, 97, 272, 49, 21, 10, {}, true, 5},
    {"EditPSA", Edit, 281, 272, 49, 21, 11},
    {"EditpermpoolElev", Edit, 432, 272, 49, 21, 12},
    {"EditRPerm", Edit, 569, 272, 57, 21, 13, {}, true, 5},
    {"ComboBoxSelDischMethd", DropDownList, 129, 296, 281, 21, 14, kDischargeMethodItems[0]},
    {"EditWCEl", Edit, 105, 320, 73, 21, 15},
    {"EditWCoef", Edit, 241, 320, 57, 21, 16},
    {"EditNoEC", Edit, 385, 320, 49, 21, 17, {}, true, 3},
    {"EditWeirLength", Edit, 520, 320, 57, 21, 18},
    {"edtOrifCoef", Edit, 632, 320, 33, 21, 19, "0.6", false},
    {"edtOrifHt", Edit, 632, 344, 33, 21, 20, "6", false},
    {"stageDisch", StringGrid, 201, 344, 161, 129, 21, {}, false},
    {"sgUsrNtnsty", StringGrid, 368, 344, 161, 128, 22},
    {"sgMethodOne", StringGrid, 0, 48, 500, 177, 23},
    {"addTime", Button, 1, 24, 89, 25, 24, "Add Time"},

    {"Label1", Label, 265, 0, 0, kLabelHeight, 0, "DATE:"},
    {"Label2", HeadingLabel, 88, 24, 72, 16, 0, " Proj. Descr:"},
    {"Label3", HeadingLabel, 496, 24, 57, 16, 0, " Proj. No.:"},
    {"LabelPreCondArea", Label, 1, 232, 0, kLabelHeight, 0, "Pre-Cond. Drain. Area (Ac.):"},
    {"LabelPostCondArea", Label, 225, 232, 0, kLabelHeight, 0, "Post-Cond Drain. Area (Ac.):"},
    {"lblPreNtnstyMthd", Label, 432, 232, 0, kLabelHeight, 0, "Pre-Intensity Method: "},
    {"LabelPreC", Label, 1, 256, 0, kLabelHeight, 0, "Pre-Cond. \"C\":"},
    {"LabelPostC", Label, 225, 248, 0, kLabelHeight, 0, "Post Cond. \"C\":"},
    {"LabelPreTc", Label, 1, 272, 0, kLabelHeight, 0, "Pre-Cond. Tc (min.):"},
    {"LabelPndSA", Label, 153, 272, 0, kLabelHeight, 0, "Av'g. Surf. Area Pond(Ac.):"},
    {"LabelpermpoolElev", Label, 336, 272, 0, kLabelHeight, 0, "Perm. Pool Elev(ft):"},
    {"LabelRPerm", Label, 489, 272, 0, kLabelHeight, 0, "Perm. Rate (\"/hr):"},
    {"LabelSelDischMthd", Label, 1, 296, 0, kLabelHeight, 0, "Select Discharge Method:"},
    {"LabelWeirCrEl", Label, 1, 328, 0, kLabelHeight},
    {"LabelWCoef", Label, 185, 328, 0, kLabelHeight, 0, "Weir Coeff:"},
    {"LabelNoEC", Label, 305, 328, 0, kLabelHeight, 0, "No. End Contr's:"},
    {"LabelWeirLength", Label, 440, 328, 0, kLabelHeight},
    {"lblOrifCoef", Label, 584, 328, 0, kLabelHeight, 0, "Orif. Coef.:", false},
    {"lblOrifHt", Label, 568, 352, 0, kLabelHeight, 0, "Orif. Hgt(in.):", false},
    {"lblStgDschIncr", Label, 112, 352, 0, kLabelHeight, 0, "Ctl-J Adds 1 Row", false},
});

constexpr std::array kMenuItems = std::to_array<MenuItemEntry>({
    {{}, "File1", "&File"},
    {"File1", "New1", "&New", "Ctrl+N"},
    {"File1", "Open1", "&Open", "Ctrl+O", true, Command::Open},
    {"File1", "Save1", "&Save", "Ctrl+S", true, Command::Save},
    {"File1", "SaveAs1", "Save&As", "Ctrl+A", false},
    {"File1", "Exit2", "E&xit", {}, true, Command::ExitFromFileMenu},
    {{}, "Print1", "&Print"},
    {"Print1", "Preview1", "P&review", "Ctrl+R", true, Command::Results},
    {"Print1", "Print2", "&Print", "Ctrl+P", false},
    {{}, "Edit1", "&Edit"},
    {{}, "Exit1", "E&xit", {}, true, Command::ExitFromMenuBar},
    {{}, "Help1", "&Help"},
    {"Help1", "Help2", "&Help", {}, true, Command::Help},
    {"Help1", "About1", "&About", {}, true, Command::About},
    // The design tools, after the menus the window was designed with.
    {{}, "Tools1", "&Tools"},
    {"Tools1", "DesignCheck1", "&Design Check...", {}, true, Command::DesignCheck},
    {"Tools1", "SizeOutlet1", "&Size Outlet...", {}, true, Command::SizeOutlet},
});

constexpr std::array kToolButtons = std::to_array<ToolButtonEntry>({
    {"tbnNewFile", "Open New File", "document-new", Command::New},
    {"tbnOpenFile", "Open File", "document-open", Command::Open},
    {"tbnSave", "Save File", "document-save", Command::Save},
    {},
    {"tbnResults", "Results", "document-print-preview", Command::Results},
    {"tbnPrint", "Print Menu", "document-print", Command::None, true},
    {},
    {"tbnExit", "Exit program", "application-exit", Command::ExitFromFileMenu},
});

constexpr std::array kPopupItems = std::to_array<MenuItemEntry>({
    {"mnuPopup", "pmnuPP", "&Print Preview", {}, true, Command::Results},
    {"mnuPopup", "Print3", "Prin&t"},
});

constexpr std::string_view kCrestCaption = "Weir Crest Elev. (ft.)";
constexpr std::string_view kInvertCaption = "Orif. Inv. Elev. (ft.)";
constexpr std::string_view kWidthCaption = "Orif. Width (in.):";

//                            weir   circular  rect.  table
constexpr std::array kOutletLayout = std::to_array<OutletLayoutRow>({
    {"LabelWeirCrEl",
     {true, true, true, false},
     {kCrestCaption, kInvertCaption, kInvertCaption, {}},
     {kCrestCaption, kInvertCaption, kInvertCaption, {}}},
    {"EditWCEl", {true, true, true, false}},
    {"LabelWCoef", {true, true, true, false}},
    {"EditWCoef", {true, true, true, false}},
    {"LabelNoEC", {true, false, true, false}},
    {"EditNoEC", {true, false, true, false}},
    {"LabelWeirLength",
     {true, true, true, false},
     {"Weir Length(in.):", "Orif. Diam. (in.):", kWidthCaption, {}},
     {"Weir Length(in.)", "Orif. Diam.(in.)", kWidthCaption, {}}},
    {"EditWeirLength", {true, true, true, false}},
    {"lblOrifCoef", {false, true, true, false}},
    {"edtOrifCoef", {false, true, true, false}},
    {"lblOrifHt", {false, false, true, false}},
    {"edtOrifHt", {false, false, true, false}},
    {"stageDisch", {false, false, false, true}},
    {"lblStgDschIncr", {false, false, false, true}},
});

} // namespace

std::span<const OutletLayoutRow> outletLayout() {
    return kOutletLayout;
}

std::span<const ControlEntry> mainFormControls() {
    return kControls;
}

const ControlEntry& controlEntry(std::string_view name) {
    for (const ControlEntry& entry : kControls)
        if (entry.name == name)
            return entry;
    throw std::out_of_range("no control named " + std::string(name));
}

std::span<const MenuItemEntry> mainMenuItems() {
    return kMenuItems;
}

std::span<const ToolButtonEntry> toolBarButtons() {
    return kToolButtons;
}

std::span<const MenuItemEntry> popupMenuItems() {
    return kPopupItems;
}

} // namespace velmora
