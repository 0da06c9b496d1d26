// The checks a sweep shows: the figures alone are the full checks' figures,
// and each point's main figures are read from them.

#include "sweep/point_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "files/design_file.h"
#include "support/harness.h"

namespace windara {
namespace {

using testing::Harness;

// Calculates the type's default design on a fresh program.
void calculate(Harness& h, OptionButton Form::*mode) {
  OptionButton& b = h.form().*mode;
  if (b.selected) {
    h.app.cmdCalculate_Click();
  } else {
    h.form().select(b);
  }
  ASSERT_NE(h.form().txtCore.text, "N/A");
}

TEST(PointChecks, TheFiguresAloneAreThoseOfTheFullChecks) {
  for (OptionButton Form::*mode : {&Form::optTradCT, &Form::optSMPS, &Form::optHall}) {
    Harness h;
    calculate(h, mode);
    SCOPED_TRACE(h.form().txtCore.text);
    const std::optional<DesignChecks> full = checkDesign(h.session);
    const std::optional<DesignChecks> brief = checkDesign(h.session, CheckDetail::Figures);
    ASSERT_TRUE(full && brief);
    ASSERT_TRUE(full->available() && brief->available());
    EXPECT_EQ(brief->part, full->part);
    EXPECT_TRUE(brief->statusLine.empty());
    const std::optional<PointChecks> point = pointChecks(h.session);
    ASSERT_TRUE(point);
    EXPECT_EQ(point->unavailable, "");
    ASSERT_EQ(point->figures.size(), 2u);
    if (full->trad) {
      // Only the points the class rests on are worked out, each as in the full checks.
      ASSERT_FALSE(brief->trad->points.empty());
      for (const TradPoint& p : brief->trad->points) {
        const auto same = std::find_if(
            full->trad->points.begin(), full->trad->points.end(), [&](const TradPoint& q) {
              return q.currentPercent == p.currentPercent && q.burdenPercent == p.burdenPercent;
            });
        ASSERT_NE(same, full->trad->points.end());
        EXPECT_EQ(p.ratioErrorPercent, same->ratioErrorPercent);
        EXPECT_EQ(p.phaseMinutes, same->phaseMinutes);
      }
      EXPECT_EQ(brief->trad->peakTeslaAt120, full->trad->peakTeslaAt120);
      EXPECT_EQ(brief->trad->verdict.className, full->trad->verdict.className);
      EXPECT_EQ(brief->trad->demandTeslaAt120, full->trad->demandTeslaAt120);
      EXPECT_TRUE(brief->trad->classText.empty());
      // 100 % current at 100 % burden is the fifth of the twelve points.
      const TradPoint& rated = full->trad->points[4];
      ASSERT_EQ(rated.currentPercent, 100);
      ASSERT_EQ(rated.burdenPercent, 100);
      EXPECT_EQ(point->className, full->trad->verdict.className);
      EXPECT_EQ(point->figures[0], rated.ratioErrorPercent);
      EXPECT_EQ(point->figures[1], rated.phaseMinutes);
    } else if (full->smps) {
      EXPECT_EQ(brief->smps->droopPercent, full->smps->droopPercent);
      EXPECT_EQ(brief->smps->fluxSwingGauss, full->smps->fluxSwingGauss);
      EXPECT_TRUE(brief->smps->summary.items.empty());
      EXPECT_EQ(point->figures[0], full->smps->droopPercent);
      EXPECT_EQ(point->figures[1], full->smps->fluxSwingGauss);
    } else {
      ASSERT_TRUE(full->hall);
      EXPECT_EQ(brief->hall->coreFluxGauss, full->hall->coreFluxGauss);
      EXPECT_TRUE(brief->hall->summary.items.empty());
      EXPECT_EQ(point->figures[0], full->hall->coreFluxGauss);
      // The margin the core-flux item of the full checks passes with.
      const CheckItem& item = full->hall->summary.items.at(0);
      ASSERT_EQ(item.name, "core flux");
      EXPECT_DOUBLE_EQ(point->figures[1], item.limit / item.value - 1);
      EXPECT_EQ(point->figures[1] > 0, item.pass);
    }
  }
}

TEST(PointChecks, NoneWithoutACoreAndNoFiguresWithoutMaterialData) {
  Harness noCore;
  noCore.form().txtRatio.text = "5000";  // no hole takes that winding
  noCore.app.cmdCalculate_Click();
  ASSERT_EQ(noCore.form().txtCore.text, "N/A");
  EXPECT_FALSE(pointChecks(noCore.session));

  testing::TempDir empty;  // no Materials.txt
  Harness noData;
  noData.session.materials = std::make_shared<const MaterialsRead>(readMaterials(empty.path()));
  noData.form().select(noData.form().optTradCT);
  const std::optional<PointChecks> c = pointChecks(noData.session);
  ASSERT_TRUE(c);
  EXPECT_EQ(c->unavailable.rfind("material data unavailable: ", 0), 0u) << c->unavailable;
  EXPECT_FALSE(c->className);
  ASSERT_EQ(c->figures.size(), 2u);
  EXPECT_TRUE(std::isnan(c->figures[0]) && std::isnan(c->figures[1]));
  const std::vector<const char*> names = checkFigureNames(kTypeTraditional);
  EXPECT_EQ(std::vector<std::string>(names.begin(), names.end()),
            (std::vector<std::string>{"ratio_error_percent", "phase_minutes"}));
}

}  // namespace
}  // namespace windara
