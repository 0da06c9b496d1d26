#pragma once
// A Traditional design on a program without a window, over a core table
// written for the test or the shipped one.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/harness.h"
#include "support/support.h"

namespace windara::testing {

// TWC.txt text: the given records (11 comma-separated fields each), the end
// marker, and filler records after it so that the file holds 47 records.
inline std::string tapeTable(const std::vector<std::string>& records, bool endMarker = true) {
  std::string text;
  int n = 0;
  for (const std::string& r : records) {
    text += r + "\r\n";
    ++n;
  }
  if (endMarker) {
    text += "\"END\",0,0,0,999999,0,\"N\",0,0,0,9999\r\n";
    ++n;
  }
  for (; n < 47; ++n)
    text += "\"PAD\",0,0,0,0.001,0,\"Y\",0,0,0,0.001\r\n";
  return text;
}

inline DialogEvent promptEvent(const std::string& complaint, const std::string& request,
                               std::string defaultText, std::string answer) {
  DialogEvent e;
  e.kind = DialogEvent::Kind::Input;
  e.title = "Invalid Entry";
  e.text = complaint + "\r\r" + request;
  e.defaultText = std::move(defaultText);
  e.answer = std::move(answer);
  return e;
}

inline const DialogEvent kAreaTooLarge =
    messageEvent("Required core area is too large.\rTry reducing the burden or increasing Bmax.",
                 "Required Core Too Large", Icon::Critical);
inline const DialogEvent kWindowTooLarge = messageEvent(
    "Required core window is too large.\rTry reducing turns ratio or increasing current density.",
    "Required Core Large", Icon::Critical);
inline const DialogEvent kFourMil = messageEvent(
    "Core selected is not available in 4 mil material thickness.\rA 2 mil thickness variant has "
    "been chosen instead.",
    "4 mil Not Available", Icon::None);

inline DialogEvent wireMessage(const std::string& density) {
  return messageEvent(
      "Required wire size is larger than any in current database.\rActual current density will "
      "be\r" +
          density + " A/sq cm",
      "Wire Size Too Large", Icon::None);
}

// The result and core boxes in the order the design writes them.
inline const std::vector<std::string> kNoDesign = {"", "", "N/A", "", "",    "N/A",
                                                   "", "", "",    "", "N/A", "N/A"};

class TradDesign : public ::testing::Test {
 protected:
  // A program in Traditional mode, alloy S at 2 mil, with the Traditional
  // defaults but Bmax 15000, reading its tables from `programDir` (a table
  // written for the test when `table` is given).
  void start(std::optional<std::string> table, NumberLocale locale = NumberLocale::period()) {
    std::filesystem::path dir = dataDir();
    if (table) {
      dir_.write("TWC.txt", *table);
      dir = dir_.path();
    }
    h_ = std::make_unique<Harness>(dir, locale);
    Form& f = form();
    choose(f.optTradCT);
    choose(f.optPperm);
    choose(f.opt2mil);
    inputs({"5", "60", "10", "400", "100", "15000"});
  }

  Form& form() { return h_->form(); }
  Harness& harness() { return *h_; }
  const std::vector<DialogEvent>& events() const { return h_->events(); }
  const TempDir& dir() const { return dir_; }

  // Selects a button without running its reaction, as the state a user left.
  void choose(OptionButton& b) {
    for (OptionButton* other : form().group(b.group))
      other->selected = false;
    b.selected = true;
  }

  // Burden, frequency, current, current density, turns ratio, Bmax.
  void inputs(const std::vector<std::string>& texts) {
    Form& f = form();
    TextBox* boxes[] = {&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent,
                        &f.txtCurDens, &f.txtRatio,     &f.txtDutyCyc};
    for (std::size_t i = 0; i < texts.size() && i < 6; ++i)
      boxes[i]->text = texts[i];
  }

  void calculate() { h_->app.cmdCalculate_Click(); }

  std::vector<std::string> outputs() {
    Form& f = form();
    return {f.txtRequiredL.text, f.txtWireSize.text, f.txtCore.text, f.txtActualL.text,
            f.txtResID.text,     f.txtPartNum.text,  f.txtID.text,   f.txtOD.text,
            f.txtHt.text,        f.txtAL.text,       f.txtAe.text,   f.txtle.text};
  }

 private:
  TempDir dir_;
  std::unique_ptr<Harness> h_;
};

}  // namespace windara::testing
