#include "form/form.h"

#include <gtest/gtest.h>

namespace windara {
namespace {

TEST(Form, StartsInTheSmpsStateAsDesigned) {
  Form f;
  EXPECT_EQ(f.caption, "Orvelle Current Transformer Design Program");
  EXPECT_TRUE(f.optSMPS.selected);
  EXPECT_FALSE(f.optTradCT.selected || f.optHall.selected);
  EXPECT_TRUE(f.optQperm.selected);
  EXPECT_FALSE(f.optPperm.selected || f.optRperm.selected);
  EXPECT_TRUE(f.opt1mil.selected);
  EXPECT_FALSE(f.frameThick.visible || f.opt1mil.visible || f.opt2mil.visible || f.opt4mil.visible);

  const std::pair<TextBox*, const char*> inputs[] = {
      {&f.txtVoltage, "0.8"}, {&f.txtFrequency, "50"}, {&f.txtPriCurrent, "10"},
      {&f.txtCurDens, "400"}, {&f.txtRatio, "100"},    {&f.txtDutyCyc, "0.5"},
  };
  for (const auto& [box, text] : inputs)
    EXPECT_EQ(box->text, text);
  for (TextBox* box : {&f.txtRequiredL, &f.txtWireSize, &f.txtCore, &f.txtActualL, &f.txtResID,
                       &f.txtPartNum, &f.txtID, &f.txtOD, &f.txtHt, &f.txtAe, &f.txtle, &f.txtAL}) {
    EXPECT_EQ(box->text, "");
    EXPECT_TRUE(box->visible);
  }
  EXPECT_EQ(f.lblVout.caption, "Output Voltage (V)");
  EXPECT_EQ(f.lblCurDens.tooltip, "Current density for the secondary");
  EXPECT_EQ(f.lblAL.caption, "AL (mH/1000T, nominal)");
  EXPECT_EQ(f.frameOuputs.caption, "Design Outputs");
  EXPECT_EQ(f.opt2mil.caption, "2 mil (0.002\")");
  EXPECT_EQ(f.optTradCT.tooltip, "Design standard or in-line CT");
  EXPECT_EQ(f.cmdExit.caption, "E&xit");
  EXPECT_EQ(f.mnuSaveAs.caption, "Save &Design As...");
  EXPECT_EQ(f.WireOhms, 0.0f);
}

TEST(Form, SelectingClearsTheGroupAndRunsTheReactionOnlyOnChange) {
  Form f;
  int hall = 0;
  int smps = 0;
  int material = 0;
  f.optHall.onClick = [&] { ++hall; };
  f.optSMPS.onClick = [&] { ++smps; };
  f.optRperm.onClick = [&] { ++material; };

  f.select(f.optSMPS);  // already selected: nothing runs
  EXPECT_EQ(smps, 0);

  f.select(f.optHall);
  EXPECT_EQ(hall, 1);
  EXPECT_TRUE(f.optHall.selected);
  EXPECT_FALSE(f.optSMPS.selected);
  EXPECT_TRUE(f.optQperm.selected) << "other groups keep their selection";
  EXPECT_EQ(f.selectedIn(Group::DesignType), &f.optHall);

  f.select(f.optHall);
  EXPECT_EQ(hall, 1);

  // A hidden button is selected like a shown one.
  f.optRperm.visible = false;
  f.select(f.optRperm);
  EXPECT_EQ(material, 1);
  EXPECT_EQ(f.selectedIn(Group::Material), &f.optRperm);
}

TEST(Form, AReactionThatSelectsAnotherButtonRunsNested) {
  Form f;
  std::vector<std::string> order;
  f.opt2mil.onClick = [&] { order.push_back("opt2mil"); };
  f.optPperm.onClick = [&] {
    order.push_back("optPperm begin");
    f.select(f.opt2mil);
    order.push_back("optPperm end");
  };
  f.select(f.optPperm);
  EXPECT_EQ(order, (std::vector<std::string>{"optPperm begin", "opt2mil", "optPperm end"}));
}

}  // namespace
}  // namespace windara
