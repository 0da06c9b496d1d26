#pragma once
// A program without a window whose folder is a copy of the shipped core tables
// with a Materials.txt of the test's choosing, and designs run on it as a user
// would: the choices clicked, the boxes typed, Calculate pressed.

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/design_checks.h"
#include "support/harness.h"
#include "support/test_materials.h"

namespace windara::testing {

// A program whose folder holds the shipped core tables and `materials` as Materials.txt
// (none when it is null).
class Program {
 public:
  explicit Program(const char* materials = kTestMaterials,
                   NumberLocale locale = NumberLocale::period()) {
    for (const char* table : {"TWC.txt", "Ferrite.txt", "Hall.txt"})
      std::filesystem::copy_file(dataDir() / table, dir_.path() / table);
    if (materials) dir_.write("Materials.txt", materials);
    h_ = std::make_unique<Harness>(dir_.path(), locale);
  }

  Form& form() { return h_->form(); }
  Session& session() { return h_->session; }
  const TempDir& dir() const { return dir_; }

  // The type, the material (and thickness) clicked, then the six boxes in the form's order
  // (txtVoltage, txtFrequency, txtPriCurrent, txtCurDens, txtRatio, txtDutyCyc) and
  // Calculate.
  void design(OptionButton Form::*type, OptionButton Form::*material,
              const std::vector<std::string>& boxes, OptionButton Form::*thickness = nullptr) {
    Form& f = form();
    f.select(f.*type);
    f.select(f.*material);
    if (thickness) f.select(f.*thickness);
    TextBox* targets[] = {&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent,
                          &f.txtCurDens, &f.txtRatio,     &f.txtDutyCyc};
    for (std::size_t i = 0; i < boxes.size(); ++i)
      targets[i]->text = boxes[i];
    h_->app.cmdCalculate_Click();
  }

  // The Traditional design of the trad-tormix-1mil case: burden 5 ohm, 60 Hz, 10 A,
  // 400 A/sq cm, 1:100, Bmax 5000 G, Tormix (P) in 1 mil tape.
  void tormix() {
    design(&Form::optTradCT, &Form::optRperm, {"5", "60", "10", "400", "100", "5000"},
           &Form::opt1mil);
  }

  DesignChecks checks() {
    std::optional<DesignChecks> d = checkDesign(session());
    EXPECT_TRUE(d) << "no checks for " << form().txtCore.text;
    return d.value_or(DesignChecks{});
  }

 private:
  TempDir dir_;
  std::unique_ptr<Harness> h_;
};

}  // namespace windara::testing
