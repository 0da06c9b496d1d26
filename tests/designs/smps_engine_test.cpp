// The SMPS explanation beside the design: the same core, the criteria worked
// by hand on the shipped catalogue, and advice that holds when it is followed.

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>

#include "app/explain.h"
#include "designs/smps/design_smps.h"
#include "designs/smps/smps_engine.h"
#include "smps_fixture.h"
#include "support/harness.h"

namespace windara::testing {
namespace {

using smps::CoreRow;
using Inputs = std::array<std::string, 6>;  // voltage, kHz, current, density, ratio, duty
const Inputs kDefaults = {"0.5", "50", "10", "400", "100", "0.5"};

void selectGrade(Form& f, int grade) {
  OptionButton* buttons[] = {&f.optPperm, &f.optQperm, &f.optRperm};
  for (int k = 0; k < 3; ++k)
    buttons[k]->selected = k == grade;
}

// Calculates on the program folder and explains the calculation just made.
struct Calculated {
  Calculated(const std::filesystem::path& dir, const Inputs& in, int grade = 1) : h(dir) {
    smps::setInputs(h.form(), in);
    selectGrade(h.form(), grade);
    DesignSMPS(h.session);
    x = explainDesign(h.session);
  }
  Form& form() { return h.form(); }
  Harness h;
  Explanation x;
};

std::string chosenPart(const Explanation& x) {
  if (!x.chosenRow) return "N/A";
  return x.rows.at(static_cast<std::size_t>(*x.chosenRow - 1)).part;
}

double figure(const std::vector<Figure>& figures, const std::string& name) {
  for (const Figure& f : figures) {
    if (f.name == name) return f.value;
  }
  ADD_FAILURE() << "no figure " << name;
  return 0;
}

const Criterion& criterion(const RowEvaluation& e, const std::string& name) {
  const Criterion* k = smpsCriterion(e, name.c_str());
  if (!k) throw std::runtime_error("row " + std::to_string(e.row) + " has no " + name);
  return *k;
}

// The explanation agrees with the boxes the design wrote: the core, and for a
// core the inductance and residual ID; the requirement and gauge always.
void expectAgreement(Calculated& c, const std::string& what) {
  Form& f = c.form();
  const NumberLocale loc = NumberLocale::period();
  ASSERT_EQ(chosenPart(c.x), f.txtCore.text) << what;
  ASSERT_EQ(c.x.nearest.has_value(), !c.x.chosenRow) << what;
  if (!c.x.chosenRow) return;
  const RowEvaluation& e = c.x.rows.at(static_cast<std::size_t>(*c.x.chosenRow - 1));
  ASSERT_TRUE(e.chosen && e.results) << what;
  EXPECT_EQ(formatGeneral(figure(*e.results, "Lact"), loc), f.txtActualL.text) << what;
  EXPECT_EQ(formatPattern(figure(*e.results, "residual ID"), "0.000", loc), f.txtResID.text)
      << what;
  EXPECT_EQ(formatGeneral(static_cast<float>(figure(c.x.requirements, "Lreq")), loc),
            f.txtRequiredL.text)
      << what;
  EXPECT_EQ(std::to_string(static_cast<int>(figure(c.x.requirements, "gauge"))), f.txtWireSize.text)
      << what;
  int chosen = 0;
  for (const RowEvaluation& r : c.x.rows)
    chosen += r.chosen ? 1 : 0;
  EXPECT_EQ(chosen, 1) << what;
}

// Rows that break the catalogue's promises, each where a search meets it:
// a text hole, a text AL, a hole smaller than the one before, a hole of 1000
// that is no end marker, an AL above the sentinel's limit, a text area.
std::vector<CoreRow> oddCatalogue() {
  std::vector<CoreRow> rows(7);
  const char* wid[] = {"0.2", "\"wide\"", "0.5", "0.25", "1000", "0.8", "2"};
  for (std::size_t k = 0; k < rows.size(); ++k) {
    rows[k].code = "\"O" + std::to_string(k + 1) + "\"";
    rows[k].wid = wid[k];
    rows[k].al = {std::to_string(300 * (k + 1)), std::to_string(500 * (k + 1)),
                  std::to_string(900 * (k + 1))};
    rows[k].ae = "0.05";
  }
  rows[2].al[0] = "\"n/a\"";
  rows[3].al = {"20000", "20000", "20000"};
  rows[3].ae = "10";
  rows[4].al = {"60000", "60000", "60000"};
  rows[4].ae = "100";
  rows[5].al[1] = "99998.5";
  rows[6].ae = "\"x\"";
  return rows;
}

TEST(SmpsEngineAgreement, ChosenRowIsTheCoreTheDesignShowsOnAGridOfInputs) {
  TempDir odd;
  odd.write(kFerriteFile, smps::catalogue(oddCatalogue()));
  const std::filesystem::path dirs[] = {dataDir(), odd.path()};
  int designs = 0, cores = 0;
  for (const auto& dir : dirs) {
    for (const char* v : {"0", "0.5", "5", "60", "300"}) {
      for (const char* n : {"1", "10", "99.5", "300", "1000", "5000"}) {
        for (const char* ip : {"0.01", "10", "2000"}) {
          for (const char* duty : {"-0.5", "0.005", "0.5"}) {
            for (int grade = 0; grade < 3; ++grade) {
              Calculated c(dir, {v, "50", ip, "400", n, duty}, grade);
              expectAgreement(c, dir.string() + " V " + v + " N " + n + " Ip " + ip + " D " + duty +
                                     " grade " + std::to_string(grade));
              ++designs;
              cores += c.x.chosenRow ? 1 : 0;
            }
          }
        }
      }
    }
  }
  // Both outcomes are well represented.
  EXPECT_GT(cores, designs / 5);
  EXPECT_LT(cores, designs * 4 / 5);
}

TEST(SmpsEngineAgreement, TheOddCatalogueMeetsEachOfItsTraps) {
  TempDir odd;
  odd.write(kFerriteFile, smps::catalogue(oddCatalogue()));
  struct Case {
    Inputs in;
    int grade;
    std::string core;
    std::string note;  // a note the explanation must hold
  };
  // Defaults: IDreq 0.289 in. Row 3 (0.5 in) takes the winding; with N 100 a
  // row gives AL x 0.01 mH.
  const Case cases[] = {
      // Row 3's P AL is text: the search walks on to row 4, whose hole (0.3)
      // (0.25) is not checked again.
      {kDefaults, 0, "FTP-O4-GX", "table's winding IDs do not ascend"},
      // Lreq 100 mH: rows 3 and 4 give 15 and 200 mH (Q).
      {{"100", "50", "10", "400", "100", "0.5"}, 1, "FTQ-O4-GX", "the first core after it"},
      // Lreq 1000 mH: rows 3 to 5 give 15, 200 and 600 mH; row 6's AL of
      // 99998.5 ends the search.
      {{"1000", "50", "10", "400", "100", "0.5"}, 1, "N/A", "ends it as the end marker does"},
      // Lreq 300 mH: row 5 (600 mH) is taken but its hole is 1000.
      {{"300", "50", "10", "400", "100", "0.5"}, 0, "N/A", "no winding ID below 999"},
  };
  for (const Case& k : cases) {
    Calculated c(odd.path(), k.in, k.grade);
    expectAgreement(c, k.core);
    EXPECT_EQ(c.form().txtCore.text, k.core);
    bool found = false;
    for (const std::string& n : c.x.notes)
      found = found || n.find(k.note) != std::string::npos;
    EXPECT_TRUE(found) << k.note;
  }
}

// Defaults on the shipped catalogue, grade Q:
//   Is = 10 / 100 = 0.1 A; ton = 0.5 / 50000 = 1e-5 s; delta I = 0.1 x 10 / 100 = 0.01 A;
//   Lreq = 1000 x 0.5 x 1e-5 / 0.01 = 0.5 mH; gauge 33 (raw 33.0), d = 0.0088 in;
//   IDreq = (100 / 3.14 + 1) x 0.0088 = 32.847 x 0.0088 = 0.28905 in.
//   B = 1e8 x 0.5 / (4 x Ae x 50000 x 100) = 2.5 / Ae gauss.
// Row 10 "0500-188": hole 0.271 < 0.28905, margin 0.271 / 0.28905 - 1 = -0.0625;
//   AL 2752 -> 27.52 mH; Ae 0.1292 -> B 19.35 G.
// Row 11 "0540-210": hole 0.29, margin 0.29 / 0.28905 - 1 = +0.00327; AL 3136 ->
//   31.36 mH (margin 61.72); Ae 0.158 -> B 15.82 G; residual 0.29 - 0.0176 = 0.2724 in.
// Row 12 "0630-250": after the hole row, so Lact 32.95 must exceed Lreq (>).
// Row 26, the end marker: AL 99999 > 99998 and hole 999, not below 999; Ae 0, no B.
TEST(SmpsEngineRows, CriteriaOfTheShippedCatalogueByHand) {
  Calculated c(dataDir(), kDefaults);
  const std::map<std::string, double> req = {{"Is", 0.1},       {"ton", 1e-5}, {"delta I", 0.01},
                                             {"Lreq", 0.5},     {"gauge", 33}, {"d", 0.0088},
                                             {"IDreq", 0.28905}};
  ASSERT_EQ(c.x.requirements.size(), req.size());
  for (const Figure& f : c.x.requirements)
    EXPECT_NEAR(f.value, req.at(f.name), req.at(f.name) * 1e-4) << f.name;
  ASSERT_EQ(c.x.rows.size(), 26u);
  ASSERT_EQ(c.x.chosenRow, 11);
  EXPECT_EQ(c.x.type, "SMPS");
  EXPECT_EQ(c.x.table, "Ferrite.txt");

  struct Expected {
    int row;
    const char* part;
    double hole, holeMargin;
    double lact;
    Comparison inductance;
    double B;  // NaN: no B criterion
    bool passes;
  };
  const double none = std::nan("");
  const Expected rows[] = {
      {10, "FTQ-0500-188-GX", 0.271, -0.0625, 27.52, Comparison::GreaterEqual, 19.35, false},
      {11, "FTQ-0540-210-GX", 0.29, 0.00327, 31.36, Comparison::GreaterEqual, 15.82, true},
      {12, "FTQ-0630-250-GX", 0.365, 0.2627, 32.95, Comparison::Greater, 12.43, true},
      {26, "Q-END-GX", 999, 3455.09, 999.99, Comparison::Greater, none, false},
  };
  for (const Expected& w : rows) {
    SCOPED_TRACE(w.row);
    const RowEvaluation& e = c.x.rows.at(static_cast<std::size_t>(w.row - 1));
    EXPECT_EQ(e.row, w.row);
    EXPECT_EQ(e.part, w.part);
    const Criterion& hole = criterion(e, kSmpsWindingId);
    EXPECT_DOUBLE_EQ(hole.value, w.hole);
    EXPECT_NEAR(hole.limit, 0.28905, 1e-5);
    EXPECT_EQ(hole.comparison, Comparison::Greater);
    EXPECT_NEAR(hole.margin, w.holeMargin, 2e-4 * std::max(1.0, std::fabs(w.holeMargin)));
    const Criterion& l = criterion(e, kSmpsInductance);
    EXPECT_NEAR(l.value, w.lact, 1e-9);
    EXPECT_EQ(l.limit, 0.5);
    EXPECT_EQ(l.comparison, w.inductance);
    EXPECT_TRUE(l.pass);
    if (std::isnan(w.B)) {
      EXPECT_EQ(smpsCriterion(e, kSmpsFlux), nullptr);
    } else {
      EXPECT_NEAR(criterion(e, kSmpsFlux).value, w.B, 0.01);
      EXPECT_EQ(criterion(e, kSmpsFlux).limit, 3300);
    }
    EXPECT_EQ(e.passes(), w.passes);
    EXPECT_EQ(e.results.has_value(), w.passes);
    EXPECT_EQ(e.chosen, w.row == 11);
  }
  const RowEvaluation& marker = c.x.rows.back();
  EXPECT_FALSE(criterion(marker, kSmpsAlSentinel).pass);
  EXPECT_EQ(criterion(marker, kSmpsAlSentinel).comparison, Comparison::LessEqual);
  EXPECT_FALSE(criterion(marker, kSmpsIdSentinel).pass);
  const auto& results = *c.x.rows[10].results;
  EXPECT_NEAR(figure(results, "residual ID"), 0.2724, 1e-6);
  EXPECT_NEAR(figure(results, "B"), 15.82, 0.01);
  EXPECT_FALSE(c.x.nearest);
}

// Lreq 0 (no voltage) against AL 0: the first core may meet Lreq exactly, a
// later one must exceed it, and the explanation says which rule each row had.
TEST(SmpsEngineRows, TheFirstCoreMayMeetLreqExactlyALaterOneMayNot) {
  struct Case {
    std::vector<std::string> alQ;
    int chosen;
  };
  const Case cases[] = {{{"0", "100"}, 1}, {{"-100", "0", "100"}, 3}};
  for (const Case& k : cases) {
    std::vector<CoreRow> rows(k.alQ.size());
    for (std::size_t r = 0; r < rows.size(); ++r)
      rows[r].al[1] = k.alQ[r];
    TempDir dir;
    dir.write(kFerriteFile, smps::catalogue(rows));
    Calculated c(dir.path(), {"0", "50", "10", "400", "100", "0.5"});
    ASSERT_EQ(c.x.chosenRow, k.chosen);
    const Criterion& first = criterion(c.x.rows[0], kSmpsInductance);
    EXPECT_EQ(first.comparison, Comparison::GreaterEqual);
    EXPECT_EQ(first.pass, k.alQ[0] == "0");
    const Criterion& second = criterion(c.x.rows[1], kSmpsInductance);
    EXPECT_EQ(second.comparison, Comparison::Greater);
    EXPECT_FALSE(second.pass && k.alQ[1] == "0");
  }
}

TEST(SmpsEngineTable, AnUnusableTableGivesTheRequirementsAndSaysWhy) {
  TempDir empty;
  Calculated c(empty.path(), kDefaults);
  EXPECT_EQ(c.form().txtCore.text, "N/A");
  EXPECT_EQ(c.x.requirements.size(), 7u);
  EXPECT_TRUE(c.x.rows.empty());
  EXPECT_FALSE(c.x.chosenRow);
  EXPECT_FALSE(c.x.nearest);
  ASSERT_EQ(c.x.notes.size(), 1u);
  EXPECT_NE(c.x.notes[0].find("Ferrite.txt cannot be used: cannot be opened"), std::string::npos)
      << c.x.notes[0];
}

// The box an advice names, and the number it gives ("turns ratio at most 2,130").
std::pair<TextBox*, std::string> adviceInput(Form& f, const std::string& advice) {
  const std::pair<const char*, TextBox*> names[] = {
      {"output voltage", &f.txtVoltage},     {"frequency", &f.txtFrequency},
      {"primary current", &f.txtPriCurrent}, {"duty cycle", &f.txtDutyCyc},
      {"turns ratio", &f.txtRatio},          {"current density", &f.txtCurDens}};
  for (const auto& [name, box] : names) {
    if (advice.rfind(name, 0) != 0) continue;
    std::string number;
    const std::size_t at = advice.find(" at ");
    for (char ch : advice.substr(advice.find(' ', at + 4) + 1)) {
      if (ch == ' ') break;
      if (ch != ',') number += ch;
    }
    return {box, number};
  }
  return {nullptr, ""};
}

struct AdviceCase {
  const char* name;
  Inputs in;
  const char* stop;
  int row;
  const char* criterion;
  std::vector<std::string> advice;  // any of these, worked out below
};

// Each stop followed by its advice typed into the box and calculated again:
// * ratio 5000: gauge 42 (0.0032 in), the largest hole 2.18 in takes
//   N < 3.14 x (2.18 / 0.0032 - 1) = 2135.98, so at most 2,130;
// * 100 V: Lreq 100 mH, the best core from the hole row on is row 25 with
//   8846e-6 x 100^2 = 88.46 mH, so V at most 88.4;
// * 300 V, duty 0.005: Lreq 3 mH, row 11 with B = 2.5 x 600 / 0.158 = 9493.7 G;
//   B scales with V / f: V at most 300 x 3300 / 9493.7 = 104.3, or f at least
//   50 x 9493.7 / 3300 = 143.8 kHz, the same change;
// * 2000 A: gauge 12 (0.0847 in); fewer turns only thicken the wire, so
//   N < 3.14 x (2.18 / 0.0847 - 1) = 77.7: at most 77.
TEST(SmpsEngineNearest, FollowingTheAdviceFindsACore) {
  const AdviceCase cases[] = {
      {"hole",
       {"0.5", "50", "10", "400", "5000", "0.5"},
       "Required Core Too Large",
       25,
       kSmpsWindingId,
       {"turns ratio at most 2,130"}},
      {"inductance",
       {"100", "50", "10", "400", "100", "0.5"},
       "Required L Too Large",
       25,
       kSmpsInductance,
       {"output voltage at most 88.4 V"}},
      {"saturation",
       {"300", "50", "10", "400", "100", "0.005"},
       "Core Saturation",
       11,
       kSmpsFlux,
       {"output voltage at most 104 V", "frequency at least 144 kHz"}},
      {"heavy current",
       {"0.5", "50", "2000", "400", "100", "0.5"},
       "Required Core Too Large",
       25,
       kSmpsWindingId,
       {"turns ratio at most 77"}},
  };
  for (const AdviceCase& k : cases) {
    SCOPED_TRACE(k.name);
    Calculated c(dataDir(), k.in);
    ASSERT_FALSE(c.h.events().empty());
    EXPECT_EQ(c.h.events().back().title, k.stop);
    ASSERT_TRUE(c.x.nearest);
    const Nearest& n = *c.x.nearest;
    EXPECT_TRUE(n.canHelp);
    EXPECT_EQ(n.row, k.row);
    EXPECT_EQ(n.criterion.name, k.criterion);
    EXPECT_FALSE(n.criterion.pass);
    EXPECT_LT(n.criterion.margin, 0);
    EXPECT_NE(std::find(k.advice.begin(), k.advice.end(), n.advice), k.advice.end()) << n.advice;

    auto [box, number] = adviceInput(c.form(), n.advice);
    ASSERT_NE(box, nullptr) << n.advice;
    box->text = number;
    c.h.app.cmdCalculate_Click();
    EXPECT_NE(c.form().txtCore.text, "N/A") << n.advice;
    // The note names the core the design then takes.
    EXPECT_NE(c.x.notes.back().find(c.form().txtCore.text), std::string::npos) << c.x.notes.back();
  }
}

// 100 kV on 5000 turns: only fewer turns shrink the winding (gauge 42 is the
// thinnest), but the largest hole needs N < 2136, where Lreq = 1e4 x N mH
// outgrows the best AL x N^2 = 8846e-6 x N^2 until N > 1.1e6. Every input,
// and every grade, is tried over a wide range to confirm no single one helps.
TEST(SmpsEngineNearest, NoSingleChangeHelpsAndNoneDoes) {
  const Inputs in = {"100000", "50", "10", "400", "5000", "0.5"};
  Calculated c(dataDir(), in);
  ASSERT_TRUE(c.x.nearest);
  EXPECT_FALSE(c.x.nearest->canHelp);
  EXPECT_EQ(c.x.nearest->advice.rfind("No single input change makes a core fit: ", 0), 0u)
      << c.x.nearest->advice;
  EXPECT_EQ(c.x.nearest->row, 25);

  int tried = 0;
  for (std::size_t box = 0; box < 6; ++box) {
    for (double exponent = -6; exponent <= 6; exponent += 0.25) {
      Inputs changed = in;
      changed[box] = std::to_string(std::stod(in[box]) * std::pow(10.0, exponent));
      for (int grade = 0; grade < 3; ++grade) {
        if (grade != 1 && exponent != 0) continue;  // the grade alone, or one box alone
        Calculated t(dataDir(), changed, grade);
        EXPECT_EQ(t.form().txtCore.text, "N/A") << "box " << box << " = " << changed[box];
        ++tried;
      }
    }
  }
  EXPECT_GT(tried, 250);
}

TEST(SmpsEngineNearest, AnUnusableRowNeedsTheTableRepaired) {
  TempDir odd;
  odd.write(kFerriteFile, smps::catalogue(oddCatalogue()));
  Calculated c(odd.path(), {"300", "50", "10", "400", "100", "0.5"}, 0);
  ASSERT_TRUE(c.x.nearest);
  EXPECT_FALSE(c.x.nearest->canHelp);
  EXPECT_EQ(c.x.nearest->row, 5);
  EXPECT_EQ(c.x.nearest->criterion.name, kSmpsIdSentinel);
  EXPECT_EQ(c.x.nearest->advice,
            "The table needs repair: row 5, where the search stops, has no winding ID below 999.");
}

}  // namespace
}  // namespace windara::testing
