#include "form/form.h"

namespace windara {

namespace {
OptionButton option(const char* name, const char* caption, Group g, bool selected = false,
                    const char* tooltip = "") {
  OptionButton b;
  b.name = name;
  b.caption = caption;
  b.tooltip = tooltip;
  b.group = g;
  b.selected = selected;
  return b;
}
}  // namespace

Form::Form() {
  lblTitle = {"Orvelle Current Transformer Design", "", true};

  frameDesType = {"CT Type", true};
  frameInputs = {"Design Inputs", true};
  frameMatType = {"Material", true};
  frameThick = {"Material Thickness", false};
  frameOuputs = {"Design Outputs", true};
  frameCore = {"Core Information", true};

  optTradCT =
      option("optTradCT", "Traditional", Group::DesignType, false, "Design standard or in-line CT");
  optHall =
      option("optHall", "Hall Effect", Group::DesignType, false, "Design Hall Effect Transformer");
  optSMPS =
      option("optSMPS", "SMPS", Group::DesignType, true, "Design CT for switching power supply");

  optPperm = option("optPperm", "P (3K)", Group::Material);
  optQperm = option("optQperm", "Q (5K)", Group::Material, true);
  optRperm = option("optRperm", "R (10K)", Group::Material);

  opt1mil = option("opt1mil", "1 mil (0.001\")", Group::Thickness, true);
  opt2mil = option("opt2mil", "2 mil (0.002\")", Group::Thickness);
  opt4mil = option("opt4mil", "4 mil (0.004\")", Group::Thickness);
  for (OptionButton* b : group(Group::Thickness))
    b->visible = false;

  lblVout = {"Output Voltage (V)", "Secondary voltage of the current transformer", true};
  lblFrequency = {"Frequency (kHz)", "Switching frequency of the SMPS", true};
  lblIpri = {"Primary Current (A)", "Primary current into the current transformer", true};
  lblCurDens = {"Current Density (A/sq cm)", "Current density for the secondary", true};
  lblTurnsRatio = {"Turns Ratio (1:xx)", "Number of Secondary Turns", true};
  lblDuty = {"Duty Cycle", "Duty cycle of the SMPS", true};
  txtVoltage = {"0.8", true, lblVout.tooltip};
  txtFrequency = {"50", true, lblFrequency.tooltip};
  txtPriCurrent = {"10", true, lblIpri.tooltip};
  txtCurDens = {"400", true, lblCurDens.tooltip};
  txtRatio = {"100", true, lblTurnsRatio.tooltip};
  txtDutyCyc = {"0.5", true, lblDuty.tooltip};

  lblReqL = {"Required Min L (mH)", "", true};
  lblWireSize = {"Wire Size (AWG)", "", true};
  lblCore = {"Core P/N", "", true};
  lblActL = {"Actual L (mH)", "", true};
  lblResID = {"Residual ID (in)", "", true};

  lblPartNum = {"Part Number", "", true};
  lblID = {"ID (in, nominal)", "", true};
  lblOD = {"OD (in, nominal)", "", true};
  lblHt = {"Ht (in, nominal)", "", true};
  lblAe = {"Core Area (sq cm)", "", true};
  lblle = {"Path Length (cm)", "", true};
  lblAL = {"AL (mH/1000T, nominal)", "", true};

  cmdCalculate = {"&Calculate", "Calculate design"};
  cmdPrint = {"&Print", "Print finished design"};
  cmdExit = {"E&xit", "Exit program"};

  mnuFile = {"mnuFile", "&File"};
  mnuOpen = {"mnuOpen", "Open Design"};
  mnuSaveAs = {"mnuSaveAs", "Save &Design As..."};
  mnuSep2 = {"mnuSep2", "-"};
  mnuPrint = {"mnuPrint", "Print"};
  mnuSep3 = {"mnuSep3", "-"};
  mnuExit = {"mnuExit", "Exit"};
  mnuHelp = {"mnuHelp", "&Help"};
  mnuContents = {"mnuContents", "Contents"};
  mnuIndex = {"mnuIndex", "Index"};
  mnuSep4 = {"mnuSep4", "-"};
  mnuAbout = {"mnuAbout", "&About"};
  mnuContact = {"mnuContact", "Contact Us"};
}

std::array<OptionButton*, 3> Form::group(Group g) {
  switch (g) {
    case Group::DesignType:
      return {&optTradCT, &optHall, &optSMPS};
    case Group::Material:
      return {&optPperm, &optQperm, &optRperm};
    case Group::Thickness:
      break;
  }
  return {&opt1mil, &opt2mil, &opt4mil};
}

OptionButton* Form::selectedIn(Group g) {
  for (OptionButton* b : group(g)) {
    if (b->selected) return b;
  }
  return nullptr;
}

void Form::select(OptionButton& button) {
  if (button.selected) return;
  for (OptionButton* b : group(button.group))
    b->selected = false;
  button.selected = true;
  // Copy: the reaction may re-register or replace callbacks while running.
  if (auto reaction = button.onClick) reaction();
}

}  // namespace windara
