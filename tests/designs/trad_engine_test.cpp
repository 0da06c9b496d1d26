#include <gtest/gtest.h>

#include <cctype>
#include <cmath>
#include <limits>
#include <map>
#include <string>
#include <vector>

#include "designs/trad/trad_engine.h"
#include "designs/trad/trad_inputs.h"
#include "designs/trad/validate_trad.h"
#include "trad_fixture.h"

namespace windara::testing {
namespace {

const RowEvaluation& row(const Explanation& e, int record) {
  return e.rows.at(static_cast<std::size_t>(record - 1));
}

double figure(const std::vector<Figure>& figures, const std::string& name) {
  for (const Figure& f : figures) {
    if (f.name == name) return f.value;
  }
  ADD_FAILURE() << "no figure " << name;
  return 0.0;
}

bool hasNote(const Explanation& e, const std::string& part) {
  for (const std::string& n : e.notes) {
    if (n.find(part) != std::string::npos) return true;
  }
  return false;
}

// The numbers an advice names, thousands separators dropped ("5,540" -> "5540").
std::vector<std::string> numbersIn(const std::string& text) {
  std::vector<std::string> out;
  std::string current;
  for (char c : text + " ") {
    if (std::isdigit(static_cast<unsigned char>(c)) || (c == '.' && !current.empty())) {
      current += c;
    } else if (c == ',' && !current.empty()) {
      continue;
    } else if (!current.empty()) {
      if (current.back() == '.') current.pop_back();
      out.push_back(current);
      current.clear();
    }
  }
  return out;
}

// The criteria of a record as (name, comparison, pass), for comparing at a glance.
std::string shape(const RowEvaluation& r) {
  std::string s;
  for (const Criterion& k : r.criteria)
    s += k.name + " " + comparisonSymbol(k.comparison) + (k.pass ? " ok; " : " no; ");
  return s;
}

TEST(TradJudge, MarginsArePositiveOnThePassingSide) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  struct {
    double value;
    Comparison c;
    double limit;
    bool pass;
    double margin;
  } const cases[] = {
      {1.5, Comparison::Greater, 1.0, true, 0.5},
      {1.0, Comparison::Greater, 1.0, false, 0.0},  // equal fails a strict bound
      {1.0, Comparison::GreaterEqual, 1.0, true, 0.0},
      {0.5, Comparison::Less, 1.0, true, 1.0},  // 1 / 0.5 - 1
      {9999, Comparison::NotEqual, 9999, false, 0.0},
      // 1 - 143.1948 / 9999 = 0.985679
      {143.1948, Comparison::NotEqual, 9999, true, 0.985679},
      {nan, Comparison::Greater, 1.0, false, 0.0},
  };
  for (const auto& c : cases) {
    const Criterion k = judge("x", c.value, c.c, c.limit);
    EXPECT_EQ(k.pass, c.pass) << c.value << comparisonSymbol(c.c) << c.limit;
    EXPECT_NEAR(k.margin, c.margin, 1e-6) << c.value << comparisonSymbol(c.c) << c.limit;
  }
}

TEST_F(TradDesign, ShippedRecordsAreJudgedAsTheSearchJudgesThem) {
  start(std::nullopt);
  calculate();
  const Explanation e = explainTradCT(harness().session);
  EXPECT_EQ(e.type, "Traditional");
  EXPECT_EQ(e.table, "TWC.txt");

  // Is = 10 / 100 = 0.1 A, Vs = 5 x 0.1 = 0.5 V,
  // Areq = 1e8 x 0.5 / (15000 x 4.44 x 60 x 100) = 5e7 / 3.996e8 = 0.125125 sq cm,
  // gauge = -4.31 ln(1.889 x 0.1 / 400) = 33.0 -> 33, d = 0.0088 in,
  // Aw = 3.14 x (0.0088 x 1.27)^2 = 3.92195e-4 sq cm, Wreq = 100 Aw / 0.2 = 0.196098 sq cm.
  const struct {
    const char* name;
    double value;
  } want[] = {{"Is", 0.1},   {"Vs", 0.5},   {"Areq", 0.125125}, {"A2", 0.125125},
              {"gauge", 33}, {"d", 0.0088}, {"Aw", 3.92195e-4}, {"Wreq", 0.196098}};
  for (const auto& w : want)
    EXPECT_NEAR(figure(e.requirements, w.name), w.value, w.value * 1e-5) << w.name;

  ASSERT_EQ(e.rows.size(), 47u);
  ASSERT_EQ(e.chosenRow, 13);
  EXPECT_EQ(row(e, 13).part, form().txtCore.text);
  EXPECT_TRUE(row(e, 13).chosen);

  // Record 12: 0.1219 sq cm, 0.1219 / 0.125125 - 1 = -2.577 % short, nothing else asked.
  EXPECT_EQ(shape(row(e, 12)), "core area > no; ");
  EXPECT_NEAR(row(e, 12).criteria[0].margin, -0.02577, 1e-5);
  EXPECT_FALSE(row(e, 12).results);
  // Record 13 is the area record: 0.1363 / 0.125125 - 1 = 8.93 %; its window
  // 1.3387 sq cm only has to reach Wreq: 1.3387 / 0.196098 - 1 = 5.8267.
  EXPECT_EQ(shape(row(e, 13)),
            "core area > ok; area end marker != ok; window >= ok; window end marker != ok; ");
  EXPECT_NEAR(row(e, 13).criteria[0].margin, 0.08931, 1e-5);
  EXPECT_NEAR(row(e, 13).criteria[2].margin, 5.8267, 1e-4);
  // Later records are judged by their window alone, strictly.
  EXPECT_EQ(shape(row(e, 14)), "window > ok; window end marker != ok; ");
  EXPECT_EQ(shape(row(e, 47)), "window > ok; window end marker != no; ");
  EXPECT_FALSE(row(e, 47).results);

  // Record 13 in 2 mil Vardite:
  // B = 1e4 x 0.5 / (0.1363 x 4.44 x 60 x 100) = 5000 / 3631.03 = 1.37702 T;
  // V = 5.566 cm x 0.1363 sq cm = 0.758646 cu cm;
  // Pfe = 0.012 x 60^1.03 x 1.37702^1.6 x V x 0.0169 = 0.012 x 67.838 x 1.66843 x 0.758646
  //     x 0.0169 = 0.017414 W;
  // one layer holds floor(3.14 x (0.514 - 0.0088) / 0.0088) = 180 turns, so the 100 turns
  // take (0.881 - 0.514) + 2 x 0.277 = 0.921 in each: MLT = 0.921 in, hole 0.514 - 0.0176;
  // Pcu = 100 x 0.921 / 12000 x 205.7 x 0.1^2 = 0.0157875 W; Ptot = 33.2015 mW;
  // accuracy = 100 x 0.017414 x 100 / 10 = 17.414 %.
  const std::vector<Figure>& r13 = *row(e, 13).results;
  const struct {
    const char* name;
    double value;
  } results[] = {{"Ae", 0.1363},         {"B", 1.37702},    {"Pfe", 0.017414},
                 {"turns", 100},         {"layers", 1},     {"MLT", 0.921},
                 {"Pcu", 0.0157875},     {"Ptot", 33.2015}, {"accuracy", 17.414},
                 {"residual ID", 0.4964}};
  for (const auto& w : results)
    EXPECT_NEAR(figure(r13, w.name), w.value, w.value * 2e-4) << w.name;
  EXPECT_FALSE(e.nearest);
}

TEST_F(TradDesign, EqualKeysAndUnreadableKeysAreJudgedAsTheSearchTreatsThem) {
  // Areq and Wreq of the defaults at Bmax 15000, in single precision.
  const std::string areq = "0.12512512505054474";
  const std::string wreq = "0.19609767198562622";
  auto core = [](const std::string& stem, const std::string& area, const std::string& window) {
    return "\"" + stem + "\",0.5,1,0.25," + area + ",6,\"Y\",0.5,1,0.25," + window;
  };
  start(
      tapeTable({core("EQ", areq, "1"), "\"TXT\",0.5,1,0.25,\"big\",6,\"Y\",0.5,1,0.25,1",
                 core("A", "0.13", "0.1"), core("LATER", "0.14", wreq), core("C", "0.15", "0.3")}));
  calculate();
  const Explanation e = explainTradCT(harness().session);
  ASSERT_EQ(e.chosenRow, 5);
  EXPECT_EQ(form().txtCore.text, "C-2S");
  const struct {
    int record;
    const char* shape;
  } want[] = {
      {1, "core area > no; "},  // equal to A2 is passed over
      {2, "core area > no; "},  // a text is no area
      {3, "core area > ok; area end marker != ok; window >= no; "},
      {4, "window > no; "},  // equal to Wreq is not enough after the area record
      {5, "window > ok; window end marker != ok; "},
  };
  for (const auto& w : want)
    EXPECT_EQ(shape(row(e, w.record)), w.shape) << "record " << w.record;
  EXPECT_TRUE(std::isnan(row(e, 2).criteria[0].value));
  EXPECT_TRUE(hasNote(e, "record 2 (TXT-2S) is not a number"));

  // The area record keeps a window equal to Wreq.
  start(tapeTable({core("A", "0.13", wreq), core("B", "0.14", "1")}));
  calculate();
  const Explanation kept = explainTradCT(harness().session);
  EXPECT_EQ(form().txtCore.text, "A-2S");
  ASSERT_EQ(kept.chosenRow, 1);
  EXPECT_EQ(row(kept, 1).criteria[2].margin, 0.0);
}

TEST_F(TradDesign, FourMilFallbackIsExplainedAsTheFormShowsIt) {
  // With the 4 mil factor core A (0.12) exceeds A2 = 0.125125 / 1.06 = 0.118043,
  // but it is not made in 4 mil: the form ends at 2 mil, showing A in 2 mil tape.
  start(tapeTable(
      {"\"A\",0.5,1,0.25,0.12,6,\"N\",0.5,1,0.25,1", "\"B\",0.5,1,0.25,0.2,6,\"Y\",0.5,1,0.25,1"}));
  choose(form().opt4mil);
  calculate();
  ASSERT_TRUE(form().opt2mil.selected);
  ASSERT_EQ(form().txtCore.text, "A-2S");
  const Explanation e = explainTradCT(harness().session);
  ASSERT_EQ(e.chosenRow, 1);
  EXPECT_EQ(row(e, 1).part, "A-2S");
  EXPECT_NEAR(figure(e.requirements, "A2"), 0.118043, 1e-6);
  EXPECT_NEAR(figure(*row(e, 1).results, "accuracy"), 20.26, 0.005);  // as the form shows
  EXPECT_EQ(form().txtRequiredL.text, "20.26%");
  EXPECT_EQ(row(e, 2).part, "B-4S");  // made in 4 mil: the design would keep it
  EXPECT_TRUE(hasNote(e, "not made in 4 mil"));
  EXPECT_TRUE(hasNote(e, "a new calculation at 2 mil would give B-2S"));

  // Calculating again at 2 mil needs the larger core, and the explanation follows.
  calculate();
  ASSERT_EQ(form().txtCore.text, "B-2S");
  EXPECT_EQ(explainTradCT(harness().session).chosenRow, 2);
}

TEST_F(TradDesign, ExplanationAgreesWithTheDesignOverAGridOfInputs) {
  // Every alloy and thickness over burdens from 0.001 to 1000 ohm, turns
  // ratios from 2 to 40000 and low and usual current densities, on the
  // shipped catalogue (whose records 1-3 and 44-46 are not made in 4 mil).
  start(std::nullopt);
  OptionButton* alloys[] = {&form().optPperm, &form().optQperm, &form().optRperm};
  OptionButton* thicknesses[] = {&form().opt1mil, &form().opt2mil, &form().opt4mil};
  const char* bmax[] = {"15000", "10000", "5000"};
  std::map<std::string, int> seen;
  int designs = 0;
  for (int a = 0; a < 3; ++a) {
    for (OptionButton* t : thicknesses) {
      for (double burden = 0.001; burden < 1000; burden *= 2.9) {
        for (const char* ratio : {"2", "100", "2000", "40000"}) {
          for (const char* density : {"0.1", "400"}) {
            choose(*alloys[a]);
            choose(*t);
            inputs({std::to_string(burden), "60", "10", density, ratio, bmax[a]});
            const std::size_t before = events().size();
            calculate();
            for (std::size_t k = before; k < events().size(); ++k)
              ++seen[events()[k].title];
            const Explanation e = explainTradCT(harness().session);
            const std::string part = e.chosenRow ? row(e, *e.chosenRow).part : "N/A";
            ASSERT_EQ(part, form().txtCore.text)
                << "burden " << burden << " ratio " << ratio << " density " << density;
            // A design that finds no core always says what to change.
            EXPECT_EQ(e.nearest.has_value(), !e.chosenRow);
            ++designs;
          }
        }
      }
    }
  }
  EXPECT_EQ(designs, 3 * 3 * 13 * 4 * 2);
  // The grid meets every message the design can show.
  for (const char* title : {"Wire Size Too Large", "Required Core Too Large", "Required Core Large",
                            "4 mil Not Available"})
    EXPECT_GT(seen[title], 0) << title;
}

TEST_F(TradDesign, UnusableCatalogueIsExplainedInWords) {
  start(std::string("\"A\",1,2,3\r\n"));
  calculate();
  ASSERT_EQ(form().txtCore.text, "N/A");
  const Explanation e = explainTradCT(harness().session);
  EXPECT_FALSE(e.chosenRow);
  EXPECT_TRUE(e.rows.empty());
  EXPECT_FALSE(e.nearest);
  EXPECT_TRUE(hasNote(e, "TWC.txt cannot be used: ended after 4 of 517 fields"));
}

TEST_F(TradDesign, AnyFormCanBeExplainedEvenBeforeItIsCalculated) {
  // Boxes that validation would never let through, with and without the
  // alloy and thickness buttons: the explanation still ends, and a row it
  // chooses passes its own criteria.
  start(std::nullopt);
  const char* odd[] = {"abc", "", "-5", "0", "1e-38", "1e38", "3.4e38"};
  for (bool choices : {true, false}) {
    for (int box = 0; box < 6; ++box) {
      for (const char* text : odd) {
        std::vector<std::string> texts = {"5", "60", "10", "400", "100", "15000"};
        texts[static_cast<std::size_t>(box)] = text;
        inputs(texts);
        for (OptionButton* b : {&form().optPperm, &form().optQperm, &form().optRperm,
                                &form().opt1mil, &form().opt2mil, &form().opt4mil})
          b->selected = false;
        if (choices) {
          choose(form().optQperm);
          choose(form().opt4mil);
        }
        Explanation e;
        ASSERT_NO_THROW(e = explainTradCT(harness().session)) << box << " " << text;
        EXPECT_TRUE(!e.chosenRow || row(e, *e.chosenRow).passes()) << box << " " << text;
        EXPECT_EQ(e.nearest.has_value(), !e.chosenRow) << box << " " << text;
      }
    }
  }
}

// Types each value into its box, calculates, and gives the core the form shows.
struct Trial {
  TextBox Form::*box;
  std::string value;
};

class TradAdviceTest : public TradDesign {
 protected:
  // The explanation of a design on the shipped catalogue that finds no core.
  Explanation noCoreFor(const std::vector<std::string>& texts) {
    start(std::nullopt);
    inputs(texts);
    calculate();
    EXPECT_EQ(form().txtCore.text, "N/A");
    Explanation e = explainTradCT(harness().session);
    EXPECT_TRUE(e.nearest);
    if (!e.nearest) e.nearest = Nearest{};
    return e;
  }

  std::string coreWith(const std::vector<Trial>& trials) {
    const std::vector<std::string> saved = {form().txtVoltage.text, form().txtCurDens.text,
                                            form().txtRatio.text, form().txtDutyCyc.text};
    for (const Trial& t : trials)
      (form().*t.box).text = t.value;
    calculate();
    const std::string core = form().txtCore.text;
    form().txtVoltage.text = saved[0];
    form().txtCurDens.text = saved[1];
    form().txtRatio.text = saved[2];
    form().txtDutyCyc.text = saved[3];
    return core;
  }
};

TEST_F(TradAdviceTest, TooLittleCoreAreaIsCuredByBmaxOrBurden) {
  const Explanation e = noCoreFor({"100", "60", "10", "400", "100", "5000"});
  // Vs = 100 x 0.1 = 10 V, Areq = 1e9 / (5000 x 4.44 x 60 x 100) = 7.50751 sq cm; the
  // largest core, TW-1046, has 6.7863. Bmax must exceed 5000 x 7.50751 / 6.7863 = 5531.4 G,
  // or the burden stay below 100 x 6.7863 / 7.50751 = 90.394 ohm.
  EXPECT_EQ(e.nearest->row, 46);
  EXPECT_EQ(e.nearest->part, "TW-1046-2S");
  EXPECT_EQ(e.nearest->criterion.name, "core area");
  EXPECT_NEAR(e.nearest->criterion.limit, 7.50751, 1e-5);
  EXPECT_TRUE(e.nearest->canHelp);
  EXPECT_EQ(e.nearest->advice, "Bmax at least 5,540 G");
  EXPECT_TRUE(hasNote(e, "burden at most 90.3 ohm"));

  const struct {
    Trial advised, justShort;
  } cases[] = {
      {{&Form::txtDutyCyc, numbersIn(e.nearest->advice).at(0)}, {&Form::txtDutyCyc, "5530"}},
      {{&Form::txtVoltage, "90.3"}, {&Form::txtVoltage, "90.4"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(coreWith({c.advised}), "TW-1046-2S") << c.advised.value;
    EXPECT_EQ(coreWith({c.justShort}), "N/A") << c.justShort.value;
  }
}

TEST_F(TradAdviceTest, TooLittleWindowIsCuredByCurrentDensityOrTurnsRatio) {
  const Explanation e = noCoreFor({"0.001", "60", "5000", "40", "5000", "15000"});
  // Is = 1 A. 5000 turns fit TW-1046's 143.1948 sq cm when Aw < 0.2 x 143.1948 / 5000
  // = 0.0057278 sq cm, a diameter below 0.03363 in: gauge 21 (0.0314 in) is the thickest.
  // The gauge expression reaches 20.5 at J = 1.889 x 1 x exp(20.5 / 4.31) = 219.75 A/sq cm.
  EXPECT_EQ(e.nearest->row, 46);
  EXPECT_EQ(e.nearest->criterion.name, "window");
  EXPECT_EQ(e.nearest->advice, "current density at least 220 A/sq cm");
  // Fewer turns: the area needs 125.125 / N^2 < 6.7863, N > 4.29; in gauge 12 (the
  // expression stays below 12.5) the window needs N x 0.0363332 / 0.2 < 143.1948, N < 788.2.
  EXPECT_TRUE(hasNote(e, "turns ratio between 5 and 788"));

  const struct {
    std::vector<Trial> advised, justShort;
  } cases[] = {
      {{{&Form::txtCurDens, numbersIn(e.nearest->advice).at(0)}}, {{&Form::txtCurDens, "219"}}},
      {{{&Form::txtRatio, "5"}}, {{&Form::txtRatio, "4"}}},
      {{{&Form::txtRatio, "788"}}, {{&Form::txtRatio, "789"}}},
  };
  for (const auto& c : cases) {
    EXPECT_NE(coreWith(c.advised), "N/A") << c.advised[0].value;
    EXPECT_EQ(coreWith(c.justShort), "N/A") << c.justShort[0].value;
  }
}

TEST_F(TradAdviceTest, NoSingleChangeHelpsWhenTheLargestCoreLacksAreaAndWindow) {
  const Explanation e = noCoreFor({"500", "60", "100000", "10", "1000", "15000"});
  EXPECT_FALSE(e.nearest->canHelp);
  // Areq = 1e8 x 50000 / (15000 x 4.44 x 60 x 1000) = 1251.25 sq cm; gauge 12 for
  // Is = 100 A needs 1000 x 0.0363332 / 0.2 = 181.67 sq cm of window, TW-1046 has 143.19.
  // Together: burden below 500 x 6.7863 / 1251.25 = 2.7118 ohm, and gauge 14 (Aw 0.023548,
  // 117.7 sq cm) from J = 1.889 x 100 x exp(13.5 / 4.31) = 4330.6 A/sq cm.
  EXPECT_EQ(e.nearest->advice,
            "No single change of Bmax, burden, current density or turns ratio makes a core "
            "fit: even the largest core, TW-1046-2S, has too little core area and too little "
            "window. Two changes together do: burden at most 2.71 ohm and current density at "
            "least 4,340 A/sq cm.");

  // No value of any one of the four inputs finds a core, over their whole range.
  const TradInputs base = readTradInputs(form(), harness().session.locale, selectedAlloy(form()));
  const TapeCoreTable table = readTapeCoreTable(dataDir());
  struct Sweep {
    float TradInputs::*input;
    double from, to;
  } const sweeps[] = {{&TradInputs::bmax, 1.0, 15000.0},
                      {&TradInputs::burden, 1e-6, 1e3},
                      {&TradInputs::currentDensity, 1e-3, 1e9},
                      {&TradInputs::ratio, 1.0, 1e9}};
  for (const Sweep& s : sweeps) {
    for (double v = s.from; v <= s.to; v *= 1.01) {
      TradInputs in = base;
      in.*s.input = static_cast<float>(v);
      ASSERT_FALSE(calculateTradCT(in, table).core) << v;
    }
  }
  EXPECT_EQ(coreWith({{&Form::txtVoltage, "2.71"}, {&Form::txtCurDens, "4340"}}), "TW-1046-2S");
}

}  // namespace
}  // namespace windara::testing
