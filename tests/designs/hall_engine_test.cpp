#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "designs/hall/hall_engine.h"
#include "hall_advice.h"
#include "hall_support.h"

namespace windara::testing {
namespace {

double figure(const std::vector<Figure>& figures, const std::string& name) {
  for (const Figure& f : figures)
    if (f.name == name) return f.value;
  ADD_FAILURE() << "no figure " << name;
  return NAN;
}

float single(const std::vector<Figure>& figures, const std::string& name) {
  return static_cast<float>(figure(figures, name));
}

bool mentions(const Explanation& e, const std::string& text) {
  return std::any_of(e.notes.begin(), e.notes.end(),
                     [&](const std::string& n) { return n.find(text) != std::string::npos; });
}

struct ShippedRig : HallRig {
  explicit ShippedRig(NumberLocale loc = NumberLocale::period()) : HallRig(loc) {
    table(readFile(dataDir() / "Hall.txt"));
  }
};

// The chosen row is the core the boxes show, and its results, singles as the
// design holds them, are the boxes' figures; no row before it passes; advice comes exactly with a
// stop, and a change it offers, typed into its box, gives the core it names.
TEST(HallEngine, ExplanationAgreesWithTheDesignOverAGrid) {
  const std::pair<const char*, const char*> fluxes[] = {
      {"2", "10"}, {"6", "1"}, {"6.1", "1"}, {"4.1", "1"}, {"10.5", "1"}, {"1e-30", "1"}};
  int designs = 0, coreStops = 0, fluxStops = 0, advised = 0;
  ShippedRig rig;
  for (const auto& [vout, sensitivity] : fluxes)
    for (const char* current : {"1", "100", "400", "2000"})
      for (const char* turns : {"1", "3"})
        for (const char* conductor : {"0.05", "0.1", "0.3", "0.7"})
          for (const char* thickness : {"0.5", "5", "20"})
            for (int m = 0; m < 3; ++m) {
              const HallInputs in{vout, sensitivity, current, conductor, turns, thickness};
              SCOPED_TRACE(std::string(vout) + " " + sensitivity + " " + current + " " + turns +
                           " " + conductor + " " + thickness + " m" + std::to_string(m));
              rig.inputs(in);
              rig.material(m);
              rig.h.dialogs.clear();
              rig.run();
              const Explanation e = explainHall(rig.h.session);
              const Form& f = rig.h.form();
              ASSERT_EQ(e.chosenRow.has_value(), f.txtCore.text != "N/A");
              ASSERT_EQ(e.nearest.has_value(), !rig.h.events().empty());
              if (e.chosenRow) {
                ++designs;
                const auto chosen = std::find_if(e.rows.begin(), e.rows.end(),
                                                 [](const RowEvaluation& r) { return r.chosen; });
                ASSERT_NE(chosen, e.rows.end());
                EXPECT_EQ(chosen->row, *e.chosenRow);
                EXPECT_EQ(chosen->part, f.txtCore.text);
                ASSERT_TRUE(chosen->passes() && chosen->results);
                const NumberLocale& loc = rig.h.session.locale;
                EXPECT_EQ(formatPattern(single(*chosen->results, "lg"), "0.000", loc),
                          f.txtRequiredL.text);
                EXPECT_EQ(formatPattern(single(*chosen->results, "mue"), "##.0", loc),
                          f.txtWireSize.text);
                EXPECT_EQ(
                    formatPattern(single(*chosen->results, "sensitivity range"), "#0.00", loc),
                    f.txtActualL.text);
                EXPECT_TRUE(std::none_of(e.rows.begin(), chosen,
                                         [](const RowEvaluation& r) { return r.passes(); }));
                continue;
              }
              (rig.h.events()[0].title == "Bmax Too High" ? fluxStops : coreStops)++;
              if (!e.nearest->canHelp) continue;
              const std::optional<HallAdvice> advice = parseHallAdvice(e.nearest->advice);
              ASSERT_TRUE(advice) << e.nearest->advice;
              applyHallAdvice(rig.h.form(), *advice);
              rig.run();
              EXPECT_EQ(f.txtCore.text, advice->part) << e.nearest->advice;
              ++advised;
            }
  EXPECT_GT(designs, 100);
  EXPECT_GT(coreStops, 100);
  EXPECT_GT(fluxStops, 100);
  EXPECT_GT(advised, 100);
}

struct Expected {
  const char* name;
  double value, limit;
  bool pass;
};

void expectCriteria(const RowEvaluation& row, const std::vector<Expected>& expected) {
  SCOPED_TRACE("row " + std::to_string(row.row));
  ASSERT_EQ(row.criteria.size(), expected.size());
  for (std::size_t k = 0; k < expected.size(); ++k) {
    const Criterion& c = row.criteria[k];
    EXPECT_EQ(c.name, expected[k].name);
    EXPECT_NEAR(c.value, expected[k].value, 2e-6 * std::abs(expected[k].value)) << c.name;
    EXPECT_NEAR(c.limit, expected[k].limit, 2e-6 * std::abs(expected[k].limit)) << c.name;
    EXPECT_EQ(c.pass, expected[k].pass) << c.name;
  }
}

// The Hall defaults on Ovimax: B = 1e6 x 2 V / 10000 uV/G = 200 G, N = 1,
// I = 100 A, so A = N I / B = 0.5 and 0.4 x 3.14 x A = 0.628; t = 0.5 / 25.4
// = 0.019685 in. A row's gap is lg = 0.3937 (0.628 - le / mu):
//   row 1 (le 4.1624): 0.3937 x (0.628 - 0.0332992) = 0.234134 in; it takes
//     0.145 in (column 8), so W goes from 0.1 to 0.234134; wall (0.68 - 0.39)
//     / 2 = 0.145 and height 0.25 are both short of 2 lg = 0.468267.
//   row 2: column 8 0.175 < W 0.234134: passed over.
//   row 4 (le 8.2722): 0.3937 x (0.628 - 0.0661776) = 0.221189; height 0.45
//     >= 0.442379 but wall (1.33 - 0.79) / 2 = 0.27 is short.
//   row 6 (le 13.8191): 0.3937 x (0.628 - 0.110553) = 0.203719 <= 0.475;
//     wall (2.25 - 1.3) / 2 = 0.475 and height 0.6 both >= 0.407438: taken,
//     with mue = 200 x 13.8191 / 125.6 = 22.0049.
TEST(HallEngine, ShippedOvimaxRowsByHand) {
  ShippedRig rig;
  rig.inputs({});
  rig.run();
  ASSERT_EQ(rig.h.form().txtCore.text, "OVX-2250-600");
  const Explanation e = explainHall(rig.h.session);
  EXPECT_EQ(e.type, "Hall Effect");
  EXPECT_EQ(e.table, "Hall.txt");
  const double t = 0.5 / 25.4;
  ASSERT_EQ(e.requirements.size(), 5u);
  EXPECT_NEAR(figure(e.requirements, "B"), 200.0, 1e-4);
  EXPECT_EQ(figure(e.requirements, "Bmax"), 6000.0);
  EXPECT_NEAR(figure(e.requirements, "t"), t, 1e-7);
  EXPECT_NEAR(figure(e.requirements, "W"), 0.1, 1e-7);
  EXPECT_EQ(figure(e.requirements, "first row"), 1.0);

  ASSERT_EQ(e.rows.size(), 8u);  // rows 1 to 7 and the closing row
  EXPECT_EQ(e.chosenRow, 6);
  expectCriteria(e.rows[0], {{"size limit", 0.145, 0.1, true},
                             {"B", 200, 6000, true},
                             {"lg", 0.2341337, 0.145, false},
                             {"radial wall", 0.145, 0.4682674, false},
                             {"height", 0.25, 0.4682674, false}});
  EXPECT_NEAR(e.rows[0].criteria[2].margin, 0.145 / 0.2341337 - 1, 1e-5);
  expectCriteria(e.rows[1], {{"size limit", 0.175, 0.2341337, false},
                             {"B", 200, 6000, true},
                             {"lg", 0.2319551, 0.175, false},
                             {"radial wall", 0.175, 0.4639103, false},
                             {"height", 0.3, 0.4639103, false}});
  expectCriteria(e.rows[3], {{"size limit", 0.27, 0.2341337, true},
                             {"B", 200, 6000, true},
                             {"lg", 0.2211895, 0.27, true},
                             {"radial wall", 0.27, 0.4423790, false},
                             {"height", 0.45, 0.4423790, true}});
  expectCriteria(e.rows[5], {{"size limit", 0.475, 0.2341337, true},
                             {"B", 200, 6000, true},
                             {"lg", 0.2037190, 0.475, true},
                             {"radial wall", 0.475, 0.4074379, true},
                             {"height", 0.6, 0.4074379, true}});
  EXPECT_NEAR(e.rows[5].criteria[3].margin, 0.475 / 0.4074379 - 1, 1e-5);
  ASSERT_TRUE(e.rows[5].results);
  EXPECT_NEAR(figure(*e.rows[5].results, "mue"), 22.0049, 1e-3);
  EXPECT_NEAR(figure(*e.rows[5].results, "le"), 13.8191, 1e-5);
  EXPECT_NEAR(figure(*e.rows[5].results, "sensitivity range"), 0.5, 1e-7);
  EXPECT_TRUE(e.rows[5].chosen);
  // Row 7 is judged after the search, against the same W, and passes too.
  EXPECT_TRUE(e.rows[6].passes() && !e.rows[6].chosen);
  expectCriteria(e.rows[7], {{"closing mark", 999, 999, false}});

  EXPECT_FALSE(e.nearest);
  EXPECT_TRUE(mentions(e, "W raised from 0.100 in to 0.234 in at row 1 (OVX-0680-250)"));
}

// A 0.5 mm sensor with 1 mV/G at 2 V: B = 2000 G, A = 0.05, 0.4 x 3.14 x A
// = 0.0628, below le / mu of every row, so the computed gap is negative and
// the floor t + 0.005 = 0.024685 in is the gap of every row; row 1 takes it.
TEST(HallEngine, FloorShowsBesideTheComputedGap) {
  ShippedRig rig;
  HallInputs in;
  in.sensitivity = "1";
  rig.inputs(in);
  const Explanation e = explainHall(rig.h.session);
  ASSERT_EQ(e.chosenRow, 1);
  const std::vector<Figure>& r = *e.rows[0].results;
  EXPECT_NEAR(figure(r, "lg computed"), 0.3937 * (0.0628 - 4.1624 / 125), 1e-6);
  EXPECT_NEAR(figure(r, "lg"), 0.5 / 25.4 + 0.005, 1e-7);
  EXPECT_NEAR(figure(r, "mue"), 2000 * 4.1624 / 125.6, 1e-3);
}

struct AdviceCase {
  const char* name;
  HallInputs inputs;
  int material;
  const char* criterion;  // failing nearest to passing on the largest core
  const char* advice;
  const char* beyond;  // a value just past the advised one, which finds no core
};

HallInputs with(TextBox Form::*box, const char* text) {
  HallInputs in;
  const std::pair<TextBox Form::*, std::string HallInputs::*> fields[] = {
      {&Form::txtVoltage, &HallInputs::vout},       {&Form::txtFrequency, &HallInputs::sensitivity},
      {&Form::txtPriCurrent, &HallInputs::current}, {&Form::txtCurDens, &HallInputs::conductor},
      {&Form::txtRatio, &HallInputs::turns},        {&Form::txtDutyCyc, &HallInputs::thickness}};
  for (const auto& [b, field] : fields)
    if (b == box) in.*field = text;
  return in;
}

// Hand-worked with the shipped table, A = N I / B and G = min(column 8,
// wall / 2, height / 2), the largest gap a row takes:
const AdviceCase kAdviceCases[] = {
    // W = 0.7 in is wider than every Ovimax core; row 7 takes 0.6 in, but
    // 0.6 held as a single is 0.60000002 > 0.6, so 0.599. Row 6 takes 0.475
    // in; rows 1 to 5 cannot take their gaps at any width.
    {"ConductorTooWide", with(&Form::txtCurDens, "0.7"), 0, "size limit",
     "conductor size at most 0.599 in (core OVX-3100-650); at most 0.475 in gives the smaller core "
     "OVX-2250-600",
     "0.61"},
    // Row 7: G = min(0.6, 1.2 / 4, 0.65 / 2) = 0.3, A at most (0.3 / 0.3937 +
    // 19.56 / 125) / 1.256 = 0.731276, I = A B / N = 146.26 A. Row 1: G =
    // 0.0725, A at most (0.0725 / 0.3937 + 4.1624 / 125) / 1.256 = 0.173128,
    // I = 34.63 A.
    {"CurrentTooHigh", with(&Form::txtPriCurrent, "400"), 0, "lg",
     "primary current at most 146 A (core OVX-3100-650); at most 34.6 A gives the smaller core "
     "OVX-0680-250",
     "148"},
    // A 20 mm (0.787 in) sensor floors every gap beyond every Zendra core.
    // Row 15 (G 0.3) takes t + 0.005 <= 0.3: t at most 0.295 in = 7.493 mm;
    // row 14 (G = min(0.475, 0.95 / 4, 0.3) = 0.2375): 0.2325 in = 5.9055 mm.
    {"SensorTooThick", with(&Form::txtDutyCyc, "20"), 1, "size limit",
     "sensor thickness at most 7.49 mm (core ZHF-3100-650); at most 5.90 mm gives the smaller core "
     "ZHF-2250-600",
     "7.57"},
    // 7 V at 1 mV/G is 7000 G, above Ovimax's 6000 G: 6 V gives 6000 G, A =
    // 100 / 6000, a negative computed gap floored to 0.0247 in, which row 1
    // (G 0.0725) takes.
    {"FluxTooHigh",
     [] {
       HallInputs in = with(&Form::txtVoltage, "7");
       in.sensitivity = "1";
       return in;
     }(),
     0, "B", "sensor output at most 6.00 V (core OVX-0680-250)", "6.06"},
    // Three turns of 0.25 in: W = 0.75 in, beyond row 7's 0.6 (margin -0.2);
    // A = 1.5 gives row 7 a gap of 0.3937 x (1.884 - 0.15648) = 0.680 in,
    // beyond its 0.6 too but nearer (margin -0.118). The current cannot help
    // while W is too wide, nor the conductor size while the gap is too long. Turns at most
    // min(0.731276 x 200 / 100, 0.6 / 0.25) = 1.46: 1 turn; then W = 0.25 and
    // row 6 is the first whose wall takes 2 x 0.2037.
    {"TooManyTurns",
     [] {
       HallInputs in = with(&Form::txtRatio, "3");
       in.conductor = "0.25";
       return in;
     }(),
     0, "lg", "primary turns at most 1 (core OVX-2250-600)", "2"},
};

class HallAdviceCases : public ::testing::TestWithParam<AdviceCase> {};

TEST_P(HallAdviceCases, TypingTheAdvisedValueFindsTheNamedCore) {
  const AdviceCase& c = GetParam();
  ShippedRig rig;
  rig.inputs(c.inputs);
  rig.material(c.material);
  rig.run();
  ASSERT_EQ(rig.h.form().txtCore.text, "N/A");
  const Explanation e = explainHall(rig.h.session);
  ASSERT_TRUE(e.nearest);
  const int largest = c.material == 0 ? 7 : c.material == 1 ? 15 : 25;
  EXPECT_EQ(e.nearest->row, largest);
  EXPECT_EQ(e.nearest->criterion.name, c.criterion);
  EXPECT_TRUE(e.nearest->canHelp);
  EXPECT_EQ(e.nearest->advice, c.advice);

  const std::optional<HallAdvice> advice = parseHallAdvice(e.nearest->advice);
  ASSERT_TRUE(advice);
  applyHallAdvice(rig.h.form(), *advice);
  rig.run();
  EXPECT_EQ(rig.h.form().txtCore.text, advice->part);
  // The advised value is the edge: a little past it no core fits.
  (rig.h.form().*(advice->box)).text = c.beyond;
  rig.run();
  EXPECT_EQ(rig.h.form().txtCore.text, "N/A");
}

INSTANTIATE_TEST_SUITE_P(Shipped, HallAdviceCases, ::testing::ValuesIn(kAdviceCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HallEngine, AdviceIsTypedWithTheUsersSeparator) {
  ShippedRig rig(NumberLocale::comma());
  HallInputs in;
  in.conductor = "0,7";
  in.thickness = "0,5";
  rig.inputs(in);
  const Explanation e = explainHall(rig.h.session);
  ASSERT_TRUE(e.nearest);
  const std::optional<HallAdvice> advice = parseHallAdvice(e.nearest->advice);
  ASSERT_TRUE(advice);
  EXPECT_EQ(advice->value, "0,599");
  applyHallAdvice(rig.h.form(), *advice);
  rig.run();
  EXPECT_EQ(rig.h.form().txtCore.text, "OVX-3100-650");
}

// Every core is 0.008 in high, so no gap above 0.004 in fits. From the
// defaults a gap is at least t = 0.0197 in (computed or floored), and moving
// t alone leaves the computed 0.23 in: no single input can help, nor another
// material with the same cores. The test tries each input over a wide range.
TEST(HallEngine, NoSingleChangeHelpsAndSaysSo) {
  HallRig rig;
  HallCore flat;
  flat.ht = 0.008;
  rig.table(hallTableText({flat}));
  rig.inputs({});
  const Explanation e = explainHall(rig.h.session);
  ASSERT_FALSE(e.chosenRow);
  ASSERT_TRUE(e.nearest);
  EXPECT_FALSE(e.nearest->canHelp);
  EXPECT_EQ(e.nearest->row, 1);
  EXPECT_EQ(e.nearest->part, "BIG");
  EXPECT_EQ(e.nearest->criterion.name, "height");
  EXPECT_EQ(e.nearest->advice,
            "no single input change lets a core fit: more than one input has to change, or the "
            "table needs a core it lacks");

  for (TextBox Form::*box : {&Form::txtVoltage, &Form::txtFrequency, &Form::txtPriCurrent,
                             &Form::txtCurDens, &Form::txtRatio, &Form::txtDutyCyc}) {
    for (double factor : {1e-4, 1e-3, 0.01, 0.1, 0.3, 0.5, 2.0, 3.0, 10.0, 100.0, 1e3, 1e4}) {
      for (int m = 0; m < 3; ++m) {
        const HallInputs defaults;
        rig.inputs(defaults);
        rig.material(m);
        const double v = toNumber((rig.h.form().*box).text, NumberLocale::period()) * factor;
        if (box == &Form::txtRatio && v < 1) continue;  // no whole turn
        (rig.h.form().*box).text = formatGeneral(v, NumberLocale::period());
        rig.run();
        EXPECT_EQ(rig.h.form().txtCore.text, "N/A") << v;
      }
    }
  }
}

TEST(HallEngine, GroupWithoutARealCoreHasNothingToAdvise) {
  HallRig rig;
  rig.table(hallGroupsText({{}, {}, {}}));
  rig.inputs({});
  const Explanation e = explainHall(rig.h.session);
  ASSERT_EQ(e.rows.size(), 1u);
  ASSERT_TRUE(e.nearest);
  EXPECT_FALSE(e.nearest->canHelp);
  EXPECT_EQ(e.nearest->advice, "the table holds no core of this material");
}

// What the table cannot give is told in words, and the design agrees.
TEST(HallEngine, TableProblemsAreNotes) {
  struct Case {
    const char* name;
    std::string table;  // "" writes no file
    const char* note;
  };
  const Case cases[] = {
      {"missing", "", "Hall.txt cannot be used: "},
      {"short", "\"A\",1,2\r\n", "Hall.txt cannot be used: "},
      {"unclosed", hallGroupsText({{HallCore{}.line()}, {}, {}}, {false, true, true}),
       "Hall.txt cannot be used: rows 1 to 8 (Ovimax) have no closing row with 999 in column 8"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    HallRig rig;
    if (!c.table.empty()) rig.table(c.table);
    rig.inputs({});
    rig.run();
    ASSERT_EQ(rig.h.form().txtCore.text, "N/A");
    ASSERT_EQ(rig.h.events().size(), 1u);
    EXPECT_EQ(rig.h.events()[0].title, "Core Table");
    const Explanation e = explainHall(rig.h.session);
    EXPECT_TRUE(e.rows.empty());
    EXPECT_FALSE(e.chosenRow);
    EXPECT_FALSE(e.nearest);
    EXPECT_TRUE(mentions(e, c.note));
  }
}

// A row whose path length is no number is computed with the path length the
// row before left (5 cm): mue = 200 x 5 / 125.6 = 7.96178 and lg = (1 /
// 7.96178 - 1 / 125) x 5 x 0.3937 = 0.231496 in. Row A takes only 0.2 in, so
// W is raised to 0.231496 and row B, taking 0.4 in, is the design.
TEST(HallEngine, UnreadableCellsAreNamedAndTheCarriedValueShown) {
  HallRig rig;
  HallCore a;
  a.part = "A";
  a.limit = 0.2;
  rig.table(hallGroupsText({{a.line(), "\"B\",1,2,0.5,1.234,x,125,0.4,0,0,0,0\r\n"}, {}, {}}));
  rig.inputs({});
  rig.run();
  ASSERT_EQ(rig.outputs()[0], "0.231");
  ASSERT_EQ(rig.outputs()[2], "B");
  const Explanation e = explainHall(rig.h.session);
  ASSERT_EQ(e.chosenRow, 2);
  EXPECT_NEAR(figure(*e.rows[1].results, "le"), 5.0, 0.0);
  EXPECT_NEAR(figure(*e.rows[1].results, "lg"), 0.231496, 1e-6);
  EXPECT_NEAR(e.rows[1].criteria[0].limit, 0.231496, 1e-6);
  EXPECT_TRUE(mentions(e, "row 2 (B): column 6 is no number; the path length before it is used"));
}

// Between calculations the boxes may hold anything the user typed; the
// explanation reads them as a failed step does (0) and still says something.
TEST(HallEngine, BoxesNeverValidatedStillExplain) {
  const char* odd[] = {"-5", "abc", "0", "", "1e39", "-1e-30", "32768"};
  ShippedRig rig;
  for (const char* text : odd) {
    for (TextBox Form::*box : {&Form::txtVoltage, &Form::txtFrequency, &Form::txtPriCurrent,
                               &Form::txtCurDens, &Form::txtRatio, &Form::txtDutyCyc}) {
      SCOPED_TRACE(text);
      rig.inputs({});
      (rig.h.form().*box).text = text;
      const Explanation e = explainHall(rig.h.session);
      EXPECT_EQ(e.rows.size(), 8u);
      EXPECT_EQ(e.chosenRow.has_value(), !e.nearest.has_value());
    }
  }
}

}  // namespace
}  // namespace windara::testing
