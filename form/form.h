#pragma once
// The design window as plain data: every control under its own name, in its
// designed start state. The window (gui/) mirrors this model; the command line
// drives it headlessly.

#include <array>
#include <functional>
#include <string>

namespace windara {

struct TextBox {
  std::string text;
  bool visible = true;
  std::string tooltip;
};

struct Label {
  std::string caption;
  std::string tooltip;
  bool visible = true;
};

struct Frame {
  std::string caption;
  bool visible = true;
};

enum class Group { DesignType, Material, Thickness };

struct OptionButton {
  std::string name;  // the control's name, e.g. "optHall"
  std::string caption;
  std::string tooltip;
  bool visible = true;
  bool selected = false;
  Group group = Group::DesignType;
  std::function<void()> onClick;  // registered by the application
};

struct CommandButton {
  std::string caption;
  std::string tooltip;
};

struct MenuItem {
  std::string name;
  std::string caption;  // "-" for a separator
};

class Form {
 public:
  Form();
  Form(const Form&) = delete;
  Form& operator=(const Form&) = delete;

  // Selects a button as a user's click does: when it is not yet selected,
  // clears its group, selects it and runs its click reaction; when it is
  // already selected, does nothing.
  void select(OptionButton& button);

  // The buttons of a group, in their order on the window.
  std::array<OptionButton*, 3> group(Group g);
  // The first selected button of a group, or nullptr.
  OptionButton* selectedIn(Group g);

  std::string caption = "Orvelle Current Transformer Design Program";
  std::string iconFile;  // full path of the window icon last loaded, "" for none

  Label lblTitle;
  Frame frameDesType, frameInputs, frameMatType, frameThick, frameOuputs, frameCore;
  OptionButton optTradCT, optHall, optSMPS;
  OptionButton optPperm, optQperm, optRperm;
  OptionButton opt1mil, opt2mil, opt4mil;

  TextBox txtVoltage, txtFrequency, txtPriCurrent, txtCurDens, txtRatio, txtDutyCyc;
  Label lblVout, lblFrequency, lblIpri, lblCurDens, lblTurnsRatio, lblDuty;

  TextBox txtRequiredL, txtWireSize, txtCore, txtActualL, txtResID;
  Label lblReqL, lblWireSize, lblCore, lblActL, lblResID;

  TextBox txtPartNum, txtID, txtOD, txtHt, txtAe, txtle, txtAL;
  Label lblPartNum, lblID, lblOD, lblHt, lblAe, lblle, lblAL;

  CommandButton cmdCalculate, cmdPrint, cmdExit;

  MenuItem mnuFile, mnuOpen, mnuSaveAs, mnuSep2, mnuPrint, mnuSep3, mnuExit;
  MenuItem mnuHelp, mnuContents, mnuIndex, mnuSep4, mnuAbout, mnuContact;

  // Resistance in ohms per 1000 ft of the wire gauge looked up last.
  float WireOhms = 0.0f;
};

}  // namespace windara
