#include "mainwindow/main_window_design.h"

namespace anglewise {
namespace {

using K = ControlKind;
const FontSpec kRowLabelFont{"Arial", 7.8, true};
const FontSpec kInstructionFont{"Arial", 7.8, false};

ControlDesign control(std::string name, K kind, std::string container, int l, int t, int w, int h,
                      std::string caption = "", int tab = -1) {
  return ControlDesign{std::move(name),
                       kind,
                       std::move(container),
                       l,
                       t,
                       w,
                       h,
                       std::move(caption),
                       "",
                       std::nullopt,
                       TextAlign::Left,
                       false,
                       tab};
}

ControlDesign rightAligned(ControlDesign d) {
  d.align = TextAlign::Right;
  return d;
}

ControlDesign withFont(ControlDesign d, const FontSpec& font) {
  d.font = font;
  return d;
}

ControlDesign withTip(ControlDesign d, std::string tip) {
  d.tooltip = std::move(tip);
  return d;
}

std::vector<ControlDesign> buildControls() {
  std::vector<ControlDesign> c = {
      control("Frame1", K::Frame, "", 120, 0, 3372, 3492, "Display"),
      control("Frame6", K::Frame, "", 3600, 0, 2892, 3492, "Input"),
      control("Frame5", K::Frame, "", 6600, 0, 2052, 1932),
      control("Frame4", K::Frame, "", 6600, 1920, 2052, 1572, "Angle"),
      control("Frame2", K::Frame, "", 120, 3480, 5772, 2172, "Details"),
      control("Frame3", K::Frame, "", 6000, 3480, 2652, 2172),
      control("Picture1", K::PictureBox, "Frame1", 120, 240, 3132, 3132, "", 18),
      withTip(control("opt90D", K::OptionButton, "Frame6", 240, 360, 2412, 192,
                      "Right Angle Triangle", 0),
              "C Angle is 90 Degrees"),
      withTip(control("optOBL", K::OptionButton, "Frame6", 240, 720, 2412, 192,
                      "Obligue Angle Triangle", 1),
              "C Angle is not 90 Degrees"),
  };
  const char* sides[] = {"X", "Y", "Z", "A", "B"};
  const char* rowLabels[] = {"Label1", "Label2", "Label3", "Label4", "Label14"};
  for (int i = 0; i < 5; ++i) {
    int top = 1080 + 480 * i;
    std::string n = std::to_string(i + 1);
    c.push_back(control("Check" + n, K::CheckBox, "Frame6", 120, top, 252, 252, "", 13 + i));
    c.push_back(control("Text" + n, K::TextBox, "Frame6", 360, top, 1812, 288, "", 2 + i));
    c.push_back(
        withFont(control(rowLabels[i], K::Label, "Frame6", 2400, top - 120, 372, 252, sides[i]),
                 kRowLabelFont));
  }
  c.push_back(control("Label15", K::Label, "Frame6", 2280, 2640, 492, 252, "Angle"));
  c.push_back(control("Label22", K::Label, "Frame6", 2280, 3120, 492, 252, "Angle"));

  c.push_back(control("displaynow", K::CommandButton, "Frame5", 120, 240, 732, 732, "Display", 7));
  c.push_back(control("Printitnow", K::CommandButton, "Frame5", 1200, 240, 732, 732, "Print", 8));
  c.push_back(
      control("Clearthebaord", K::CommandButton, "Frame5", 120, 1080, 732, 732, "Clear", 9));
  c.push_back(control("exitnow", K::CommandButton, "Frame5", 1200, 1080, 732, 732, "Exit", 10));

  c.push_back(control("Option1", K::OptionButton, "Frame4", 120, 360, 1812, 252, "Decimal", 11));
  c.push_back(control("Label19", K::Label, "Frame4", 120, 600, 1812, 252, "12.3456789"));
  c.push_back(
      control("Option2", K::OptionButton, "Frame4", 120, 960, 1812, 252, "Deg.Min.Sec.", 12));
  c.push_back(control("Label5", K::Label, "Frame4", 120, 1200, 1812, 252, "12d 20m 44s .4"));

  struct Result {
    const char *caption, *captionText, *value;
    int left, top, captionWidth, valueLeft, valueWidth;
  };
  const Result results[] = {
      {"Label6", "X   =", "xlen", 120, 360, 612, 840, 1572},
      {"Label7", "Y   =", "yhei", 120, 600, 612, 840, 1572},
      {"Label8", "Z   =", "zrad", 120, 840, 612, 840, 1572},
      {"Label12", "Height  =", "theHeight", 120, 1320, 732, 960, 1452},
      {"Label13", "Width  =", "theWidth", 120, 1560, 732, 960, 1452},
      {"Label23", "Area  =", "theArea", 120, 1800, 732, 960, 1452},
      {"Label9", "Angle A - Dec.       =", "adec", 2520, 360, 1212, 3960, 1692},
      {"Label10", "Angle A - D/M/S   =", "adms", 2520, 600, 1212, 3960, 1692},
      {"Label16", "Angle B - Dec.       =", "bdec", 2520, 960, 1212, 3960, 1692},
      {"Label17", "Angle B - D/M/S   =", "bdms", 2520, 1200, 1212, 3960, 1692},
      {"Label11", "Angle C - Dec.       =", "c90dec", 2520, 1560, 1212, 3960, 1692},
      {"Label18", "Angle C - D/M/S   =", "c90dms", 2520, 1800, 1212, 3960, 1692},
  };
  for (const Result& r : results) {
    c.push_back(rightAligned(
        control(r.caption, K::Label, "Frame2", r.left, r.top, r.captionWidth, 252, r.captionText)));
    c.push_back(control(r.value, K::Label, "Frame2", r.valueLeft, r.top, r.valueWidth, 252));
  }

  ControlDesign label21 = withFont(
      control("Label21", K::Label, "Frame3", 120, 120, 2412, 732,
              "Input two values and click on the display button for right triangle (90 deg) "
              "solutions."),
      kInstructionFont);
  label21.wordWrap = true;
  ControlDesign label20 =
      withFont(control("Label20", K::Label, "Frame3", 120, 840, 2412, 732,
                       "Input three values and click on the display button for oblique triangle "
                       "solutions."),
               kInstructionFont);
  label20.wordWrap = true;
  c.push_back(label21);
  c.push_back(label20);
  c.push_back(control("over90checked", K::CheckBox, "Frame3", 240, 1560, 2172, 552,
                      "Opposite Angle is greater than 90 degrees.", 19));
  return c;
}

}  // namespace

const std::vector<ControlDesign>& mainWindowControls() {
  static const std::vector<ControlDesign> controls = buildControls();
  return controls;
}

const std::vector<MenuDesign>& mainWindowMenus() {
  static const std::vector<MenuDesign> menus = {
      {"mnuPrint", "", "&Print", false},
      {"mnuPrintDisplay", "mnuPrint", "Print Display", false},
      {"mnuDecimals", "", "&Decimals", false},
      {"mnuNone", "mnuDecimals", "No Rounding", false},
      {"mnu4places", "mnuDecimals", "4 places", false},
      {"mnu8places", "mnuDecimals", "8 places", false},
      {"mnu12places", "mnuDecimals", "12 places", true},
      {"mnuHelp", "", "&Help", false},
      {"mnuHelpContents", "mnuHelp", "&Contents", false},
      {"mnuHelpBar0", "mnuHelp", "-", false},
      {"mnuHelpAbout", "mnuHelp", "&About ", false},
  };
  return menus;
}

const ControlDesign* findControlDesign(const std::string& name) {
  for (const ControlDesign& d : mainWindowControls()) {
    if (d.name == name) return &d;
  }
  return nullptr;
}

}  // namespace anglewise
