#include "mainwindow/main_window_design.h"

namespace anglewise {
namespace {

using K = ControlKind;
const FontSpec kRowLabelFont{"Arial", 7.8, true};
const FontSpec kInstructionFont{"Arial", 7.8, false};

ControlDesign control(std::string name, K kind, std::string container, int l, int t, int w, int h,
                      std::string caption = "", int tab = -1) {
  ControlDesign d;
  d.name = std::move(name);
  d.kind = kind;
  d.container = std::move(container);
  d.left = l, d.top = t, d.width = w, d.height = h;
  d.caption = std::move(caption);
  d.tabIndex = tab;
  return d;
}

// What a screen reader says of a control.
ControlDesign spoken(ControlDesign d, std::string name, std::string description = "") {
  d.accessibleName = std::move(name);
  d.accessibleDescription = std::move(description);
  return d;
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
      spoken(control("Frame1", K::Frame, "", 120, 0, 3372, 3492, "Display"), "Display area",
             "The figure of the solved triangle"),
      control("Frame6", K::Frame, "", 3600, 0, 2892, 3492, "Input"),
      control("Frame5", K::Frame, "", 6600, 0, 2052, 1932),
      control("Frame4", K::Frame, "", 6600, 1920, 2052, 1572, "Angle"),
      control("Frame2", K::Frame, "", 120, 3480, 5772, 2172, "Details"),
      control("Frame3", K::Frame, "", 6000, 3480, 2652, 2172),
      spoken(control("Picture1", K::PictureBox, "Frame1", 120, 240, 3132, 3132, "", 18), "Figure"),
      withTip(control("opt90D", K::OptionButton, "Frame6", 240, 360, 2412, 192,
                      "Right Angle Triangle", 0),
              "C Angle is 90 Degrees"),
      withTip(control("optOBL", K::OptionButton, "Frame6", 240, 720, 2412, 192,
                      "Obligue Angle Triangle", 1),
              "C Angle is not 90 Degrees"),
  };
  struct Row {
    const char *letter, *label, *value, *description;
  };
  const Row rows[] = {
      {"X", "Label1", "Side X", "The length of side X, between corners A and C"},
      {"Y", "Label2", "Side Y", "The length of side Y, between corners C and B"},
      {"Z", "Label3", "Side Z", "The length of side Z, between corners A and B"},
      {"A", "Label4", "Angle A", "Angle A, between sides X and Z, in the chosen notation"},
      {"B", "Label14", "Angle B", "Angle B, between sides Y and Z, in the chosen notation"},
  };
  for (int i = 0; i < 5; ++i) {
    const Row& row = rows[i];
    int top = 1080 + 480 * i;
    std::string n = std::to_string(i + 1);
    std::string given = std::string(row.letter) + " given";
    std::string what = std::string(i < 3 ? "Side " : "Angle ") + row.letter + " is given";
    c.push_back(spoken(control("Check" + n, K::CheckBox, "Frame6", 120, top, 252, 252, "", 13 + i),
                       given, what));
    c.push_back(spoken(control("Text" + n, K::TextBox, "Frame6", 360, top, 1812, 288, "", 2 + i),
                       row.value, row.description));
    c.push_back(
        withFont(control(row.label, K::Label, "Frame6", 2400, top - 120, 372, 252, row.letter),
                 kRowLabelFont));
  }
  c.push_back(control("Label15", K::Label, "Frame6", 2280, 2640, 492, 252, "Angle"));
  c.push_back(control("Label22", K::Label, "Frame6", 2280, 3120, 492, 252, "Angle"));

  c.push_back(
      spoken(control("displaynow", K::CommandButton, "Frame5", 120, 240, 732, 732, "Display", 7),
             "Display", "Check the given values, solve the triangle and draw it"));
  c.push_back(
      spoken(control("Printitnow", K::CommandButton, "Frame5", 1200, 240, 732, 732, "Print", 8),
             "Print", "Print one page with the title, the figure and the results"));
  c.push_back(
      spoken(control("Clearthebaord", K::CommandButton, "Frame5", 120, 1080, 732, 732, "Clear", 9),
             "Clear", "Empty every box and result"));
  c.push_back(
      spoken(control("exitnow", K::CommandButton, "Frame5", 1200, 1080, 732, 732, "Exit", 10),
             "Exit", "Close Anglewise"));

  c.push_back(control("Option1", K::OptionButton, "Frame4", 120, 360, 1812, 252, "Decimal", 11));
  c.push_back(control("Label19", K::Label, "Frame4", 120, 600, 1812, 252, "12.3456789"));
  c.push_back(
      control("Option2", K::OptionButton, "Frame4", 120, 960, 1812, 252, "Deg.Min.Sec.", 12));
  c.push_back(control("Label5", K::Label, "Frame4", 120, 1200, 1812, 252, "12d 20m 44s .4"));

  struct Result {
    const char *caption, *captionText, *value, *spokenName;
    int left, top, captionWidth, valueLeft, valueWidth;
  };
  const Result results[] = {
      {"Label6", "X   =", "xlen", "X result", 120, 360, 612, 840, 1572},
      {"Label7", "Y   =", "yhei", "Y result", 120, 600, 612, 840, 1572},
      {"Label8", "Z   =", "zrad", "Z result", 120, 840, 612, 840, 1572},
      {"Label12", "Height  =", "theHeight", "Height result", 120, 1320, 732, 960, 1452},
      {"Label13", "Width  =", "theWidth", "Width result", 120, 1560, 732, 960, 1452},
      {"Label23", "Area  =", "theArea", "Area result", 120, 1800, 732, 960, 1452},
      {"Label9", "Angle A - Dec.       =", "adec", "A in degrees", 2520, 360, 1212, 3960, 1692},
      {"Label10", "Angle A - D/M/S   =", "adms", "A in degrees, minutes and seconds", 2520, 600,
       1212, 3960, 1692},
      {"Label16", "Angle B - Dec.       =", "bdec", "B in degrees", 2520, 960, 1212, 3960, 1692},
      {"Label17", "Angle B - D/M/S   =", "bdms", "B in degrees, minutes and seconds", 2520, 1200,
       1212, 3960, 1692},
      {"Label11", "Angle C - Dec.       =", "c90dec", "C in degrees", 2520, 1560, 1212, 3960, 1692},
      {"Label18", "Angle C - D/M/S   =", "c90dms", "C in degrees, minutes and seconds", 2520, 1800,
       1212, 3960, 1692},
  };
  for (const Result& r : results) {
    c.push_back(rightAligned(
        control(r.caption, K::Label, "Frame2", r.left, r.top, r.captionWidth, 252, r.captionText)));
    c.push_back(spoken(control(r.value, K::Label, "Frame2", r.valueLeft, r.top, r.valueWidth, 252),
                       r.spokenName));
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
  c.push_back(
      spoken(control("over90checked", K::CheckBox, "Frame3", 240, 1560, 2172, 552,
                     "Opposite Angle is greater than 90 degrees.", 19),
             "Opposite angle greater than 90 degrees",
             "With two sides and an angle opposite one of them, choose the obtuse triangle"));
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
