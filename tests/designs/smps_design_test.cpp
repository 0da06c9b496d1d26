#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "designs/smps/design_smps.h"
#include "designs/smps/ferrite_table.h"
#include "smps_fixture.h"
#include "support/harness.h"

namespace windara::testing {
namespace {

using smps::catalogue;
using smps::CoreRow;
using smps::noDesign;
using smps::outputs;

struct Msg {
  std::string title;
  std::string text;
  Icon icon = Icon::None;
  bool operator==(const Msg&) const = default;
};

void PrintTo(const Msg& m, std::ostream* os) {
  std::string t = m.text;
  for (char& c : t)
    if (c == '\r') c = '|';
  *os << "{" << m.title << ": " << t << (m.icon == Icon::Critical ? " (critical)" : "") << "}";
}

Msg wireTooLarge(const std::string& density) {
  return {"Wire Size Too Large",
          "Required wire size is larger than any in current database.\r"
          "Actual current density will be\r" +
              density + " A/sq cm",
          Icon::None};
}
const Msg kCoreTooLarge{"Required Core Too Large",
                        "Required core is too large.\rTry reducing current or turns ratio.",
                        Icon::Critical};
const Msg kLTooLarge{"Required L Too Large",
                     "Required inductance is too large.\rTry reducing voltage or increasing\r"
                     "frequency or permeability.",
                     Icon::Critical};
const Msg kSaturated{"Core Saturation",
                     "Core is saturated.  Try \rreducing voltage or increasing\rturns ratio.",
                     Icon::Critical};
Msg approaching(const std::string& b) {
  return {"Approaching Saturation",
          "Core is approaching saturation.\rIncreasing turns ratio or\r"
          "decreasing voltage could help.\rB = " +
              b,
          Icon::None};
}

std::vector<Msg> messages(const std::vector<DialogEvent>& events) {
  std::vector<Msg> out;
  for (const DialogEvent& e : events)
    out.push_back({e.title, e.text, e.icon});
  return out;
}
std::vector<Msg> messages(const Harness& h) {
  return messages(h.events());
}

void selectGradeQuietly(Form& f, char grade) {
  for (OptionButton* b : f.group(Group::Material))
    b->selected = false;
  (grade == 'P' ? f.optPperm : grade == 'R' ? f.optRperm : f.optQperm).selected = true;
}

CoreRow core(std::string code, std::string wid, std::array<std::string, 3> al, std::string ae,
             std::string id, std::string od, std::string ht, std::string le) {
  CoreRow r;
  r.code = "\"" + code + "\"";
  r.wid = std::move(wid);
  r.al = std::move(al);
  r.ae = std::move(ae);
  r.id = std::move(id);
  r.od = std::move(od);
  r.ht = std::move(ht);
  r.le = std::move(le);
  return r;
}

// Holes grow row by row; the defaults need a hole above 0.289 in.
const std::vector<CoreRow> kCores = {
    core("S1", "0.2", {"500", "800", "1600"}, "0.02", "0.21", "0.4", "0.1", "1.5"),
    core("0288", "0.288", {"700", "1100", "2200"}, "0.04", "0.298", "0.55", "0.15", "2"),
    core("0300", "0.3", {"800", "1300", "2600"}, "0.05", "0.31", "0.6", "0.2", "2.2"),
    core("0600", "0.6", {"2000", "3300", "6600"}, "0.2", "0.61", "1.1", "0.3", "4"),
    core("1200", "1.2", {"4000", "6000", "12000"}, "0.6", "1.21", "2", "0.5", "8"),
    core("2500", "2.5", {"6000", "9000", "18000"}, "1.5", "2.51", "4", "0.75", "15"),
};

using Inputs = std::array<std::string, 6>;  // voltage, kHz, current, density, ratio, duty
const Inputs kDefaults = {"0.5", "50", "10", "400", "100", "0.5"};
Inputs with(Inputs in, std::size_t index, std::string text) {
  in[index] = std::move(text);
  return in;
}

struct DesignCase {
  const char* name;
  Inputs inputs;
  char grade;
  std::vector<std::string> out;  // the twelve boxes; empty: only wire size checked
  std::vector<Msg> msgs;
  std::string wireSize = "";
};

void PrintTo(const DesignCase& c, std::ostream* os) {
  *os << c.name;
}

class SmpsDesign : public ::testing::TestWithParam<DesignCase> {};

TEST_P(SmpsDesign, WritesResultsAndMessages) {
  const DesignCase& c = GetParam();
  TempDir dir;
  dir.write(kFerriteFile, catalogue(kCores));
  Harness h(dir.path());
  smps::setInputs(h.form(), c.inputs);
  selectGradeQuietly(h.form(), c.grade);
  DesignSMPS(h.session);
  EXPECT_EQ(messages(h), c.msgs);
  if (c.out.empty()) {
    EXPECT_EQ(h.form().txtWireSize.text, c.wireSize);
  } else {
    EXPECT_EQ(outputs(h.form()), c.out);
  }
}

// Raw gauge -4.31 ln(Is 1.889 / J): with Is = 0.1 A it crosses 32.5 between
// J = 355.692 and 355.693 and 33.5 between 448.578 and 448.579 (raw values
// 32.4999974, 32.5000096, 33.4999925, 33.5000022). Exact halves cannot be
// reached: Is and J are singles, and no ratio of two 24-bit mantissas comes
// within the few parts in 1e16 that an exact 32.5 or 33.5 would need.
INSTANTIATE_TEST_SUITE_P(
    Cases, SmpsDesign,
    ::testing::Values(
        // Is 0.1 A, gauge 33 (0.0088 in), IDreq 0.289: first hole above is 0.3.
        DesignCase{"defaults_q",
                   kDefaults,
                   'Q',
                   {"0.5", "33", "FTQ-0300-GX", "13", "0.282", "FTQ-0300-GX", "0.310", "0.600",
                    "0.200", "1300", "0.05", "2.2"},
                   {}},
        DesignCase{"defaults_p",
                   kDefaults,
                   'P',
                   {"0.5", "33", "FTP-0300-GX", "8", "0.282", "FTP-0300-GX", "0.310", "0.600",
                    "0.200", "800", "0.05", "2.2"},
                   {}},
        DesignCase{"defaults_r",
                   kDefaults,
                   'R',
                   {"0.5", "33", "FTR-0300-GX", "26", "0.282", "FTR-0300-GX", "0.310", "0.600",
                    "0.200", "2600", "0.05", "2.2"},
                   {}},
        // Is 20 A: raw gauge 10.2, gauge 12 (0.0847 in), 20 / 0.0330824 = 604.6 A/sq cm.
        // IDreq 0.1117; Lreq 0.0025 mH is first exceeded by 3300e-6 mH.
        DesignCase{"gauge_12_with_message",
                   {"0.5", "50", "20", "400", "1", "0.5"},
                   'Q',
                   {"0.0025", "12", "FTQ-0600-GX", "0.0033", "0.431", "FTQ-0600-GX", "0.610",
                    "1.100", "0.300", "3300", "0.2", "4"},
                   {wireTooLarge("605")}},
        // 2000 / 0.0330824 = 60455: beyond 16 bits, still reported truthfully.
        DesignCase{"heavy_current_density_is_not_lost",
                   {"0.01", "50", "2000", "400", "1", "0.5"},
                   'Q',
                   {},
                   {wireTooLarge("60455")},
                   "12"},
        // Is 0.0001 A: raw gauge 62.8, silently gauge 42 (0.0032 in), IDreq 0.105.
        DesignCase{"gauge_42_silent",
                   {"0.001", "50", "0.01", "400", "100", "0.5"},
                   'Q',
                   {"1", "42", "FTQ-S1-GX", "8", "0.194", "FTQ-S1-GX", "0.210", "0.400", "0.100",
                    "800", "0.02", "1.5"},
                   {}},
        DesignCase{"raw_just_below_32_5", with(kDefaults, 3, "355.692"), 'Q', {}, {}, "32"},
        DesignCase{"raw_just_above_32_5", with(kDefaults, 3, "355.693"), 'Q', {}, {}, "33"},
        DesignCase{"raw_just_below_33_5", with(kDefaults, 3, "448.578"), 'Q', {}, {}, "33"},
        DesignCase{"raw_just_above_33_5", with(kDefaults, 3, "448.579"), 'Q', {}, {}, "34"},
        // No voltage: nothing required, the first core that takes the winding.
        DesignCase{"zero_voltage",
                   with(kDefaults, 0, "0"),
                   'Q',
                   {"0", "33", "FTQ-0300-GX", "13", "0.282", "FTQ-0300-GX", "0.310", "0.600",
                    "0.200", "1300", "0.05", "2.2"},
                   {}},
        DesignCase{"negative_duty",
                   with(kDefaults, 5, "-0.5"),
                   'Q',
                   {"-0.5", "33", "FTQ-0300-GX", "13", "0.282", "FTQ-0300-GX", "0.310", "0.600",
                    "0.200", "1300", "0.05", "2.2"},
                   {}},
        // N 99.5 unrounded: IDreq 0.2877 now fits the 0.288 hole; Lreq 0.5 * 99.5 / 100;
        // Lact 1100e-6 * 99.5^2.
        DesignCase{"fractional_ratio",
                   with(kDefaults, 4, "99.5"),
                   'Q',
                   {"0.4975", "33", "FTQ-0288-GX", "10.890275", "0.270", "FTQ-0288-GX", "0.298",
                    "0.550", "0.150", "1100", "0.04", "2"},
                   {}},
        // Lreq 100 mH needs AL above 10000: grade R's first such core is the 1.2 in one.
        DesignCase{"inductance_search_walks_to_a_larger_core",
                   with(kDefaults, 0, "100"),
                   'R',
                   {"100", "33", "FTR-1200-GX", "120", "1.182", "FTR-1200-GX", "1.210", "2.000",
                    "0.500", "12000", "0.6", "8"},
                   {}},
        DesignCase{"inductance_search_reaches_the_marker",
                   with(kDefaults, 0, "100"),
                   'Q',
                   noDesign(),
                   {kLTooLarge}},
        // IDreq 10.2 in, then 1019 in (at or above the marker's 999).
        DesignCase{
            "no_hole_large_enough", with(kDefaults, 4, "10000"), 'Q', noDesign(), {kCoreTooLarge}},
        DesignCase{
            "hole_of_999_or_more", with(kDefaults, 4, "1000000"), 'Q', noDesign(), {kCoreTooLarge}},
        // Gauge 12 then no core: two messages, wire first.
        DesignCase{"wire_message_then_core_too_large",
                   {"0.5", "50", "2000", "400", "100", "0.5"},
                   'Q',
                   noDesign(),
                   {wireTooLarge("605"), kCoreTooLarge}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SmpsDesignLocale, CommaLocaleReadsAndWritesCommas) {
  TempDir dir;
  dir.write(kFerriteFile, catalogue(kCores));
  Harness h(dir.path(), NumberLocale::comma());
  smps::setInputs(h.form(), {"0,5", "50", "10", "400", "99,5", "0,5"});
  DesignSMPS(h.session);
  EXPECT_TRUE(h.events().empty());
  EXPECT_EQ(outputs(h.form()), (std::vector<std::string>{"0,4975", "33", "FTQ-0288-GX", "10,890275",
                                                         "0,270", "FTQ-0288-GX", "0,298", "0,550",
                                                         "0,150", "1100", "0,04", "2"}));
}

struct SaturationCase {
  const char* voltage;
  std::vector<Msg> msgs;
  bool results;
};

TEST(SmpsDesignSaturation, ThresholdsAreStrict) {
  // Ae 0.5 sq cm, 50 kHz, N 100: B = 1e8 V / 1e7 = 10 V gauss, exact at 300 and 330 V.
  CoreRow big;
  big.wid = "5";
  big.ae = "0.5";
  big.al = {"50000", "50000", "50000"};
  TempDir dir;
  dir.write(kFerriteFile, catalogue({big}));
  const SaturationCase cases[] = {
      {"300", {}, true},
      {"300.001", {approaching("3000.01")}, true},
      {"330", {approaching("3300")}, true},
      {"330.001", {kSaturated}, false},
      {"-400", {}, true},  // a negative B never saturates
  };
  for (const SaturationCase& c : cases) {
    SCOPED_TRACE(c.voltage);
    Harness h(dir.path());
    smps::setInputs(h.form(), with(kDefaults, 0, c.voltage));
    DesignSMPS(h.session);
    EXPECT_EQ(messages(h), c.msgs);
    if (c.results) {
      EXPECT_EQ(h.form().txtCore.text, "FTQ-100-GX");
      EXPECT_EQ(h.form().txtActualL.text, "500");
    } else {
      EXPECT_EQ(outputs(h.form()), noDesign());
    }
  }

  // Both possible messages of one calculation, in order: gauge 12 (Is 20 A), then saturation.
  Harness h(dir.path());
  smps::setInputs(h.form(), {"330.001", "50", "2000", "400", "100", "0.5"});
  DesignSMPS(h.session);
  EXPECT_EQ(messages(h), (std::vector<Msg>{wireTooLarge("605"), kSaturated}));
  EXPECT_EQ(outputs(h.form()), noDesign());
}

// The hole must be strictly larger than IDreq. IDreq is rebuilt here for the
// defaults (gauge 33) and written with every digit so the file holds it exactly.
TEST(SmpsDesignSearch, HoleEqualToTheNeedIsPassedOver) {
  const float idreq = static_cast<float>((100.0 / 3.14 + 1.0) * static_cast<double>(0.0088f));
  char exact[40], above[40];
  std::snprintf(exact, sizeof exact, "%.17g", static_cast<double>(idreq));
  std::snprintf(above, sizeof above, "%.17g", std::nextafter(static_cast<double>(idreq), 1.0));
  for (const auto& [first, expected] :
       {std::pair<std::string, std::string>{exact, "FTQ-B-GX"}, {above, "FTQ-A-GX"}}) {
    CoreRow a, b;
    a.code = "\"A\"";
    a.wid = first;
    b.code = "\"B\"";
    b.wid = "0.4";
    TempDir dir;
    dir.write(kFerriteFile, catalogue({a, b}));
    Harness h(dir.path());
    smps::setInputs(h.form(), kDefaults);
    DesignSMPS(h.session);
    EXPECT_EQ(h.form().txtCore.text, expected) << first;
  }
}

TEST(SmpsDesignSearch, InductanceEqualToTheNeed) {
  // With no voltage Lreq is exactly 0, and so is Lact of an AL of 0.
  struct Case {
    std::vector<std::string> alQ;
    std::string core;
  };
  const Case cases[] = {
      {{"0", "100"}, "FTQ-1-GX"},                 // first row equal: kept
      {{"-100", "0", "100"}, "FTQ-3-GX"},         // later row equal: passed over
      {{"-100", "n/a", "0.5", "7"}, "FTQ-3-GX"},  // a text AL cannot match
  };
  for (const Case& c : cases) {
    std::vector<CoreRow> rows;
    for (std::size_t k = 0; k < c.alQ.size(); ++k) {
      CoreRow r;
      r.code = std::to_string(k + 1);
      r.al[1] = c.alQ[k];
      rows.push_back(r);
    }
    TempDir dir;
    dir.write(kFerriteFile, catalogue(rows));
    Harness h(dir.path());
    smps::setInputs(h.form(), with(kDefaults, 0, "0"));
    DesignSMPS(h.session);
    EXPECT_TRUE(h.events().empty());
    EXPECT_EQ(h.form().txtCore.text, c.core) << c.alQ[0];
  }
}

TEST(SmpsDesignSearch, SearchesStopAtTheMarkerWhateverFollows) {
  // Rows after the marker would fit anything; they must never be chosen.
  CoreRow small, huge;
  small.wid = "0.1";
  huge.wid = "900";
  huge.al = {"90000", "90000", "90000"};
  huge.code = "\"HUGE\"";
  std::string padded = catalogue({small, small}, 23);
  for (std::size_t p = padded.find("\"100\""); p != std::string::npos;
       p = padded.find("\"100\"", p + 6)) {
    if (p > padded.find("END")) padded.replace(p, 5, "\"HUGE\"");
  }
  const std::string tables[] = {catalogue({small, small}), padded};
  for (const std::string& table : tables) {
    TempDir dir;
    dir.write(kFerriteFile, table);
    Harness h(dir.path());
    smps::setInputs(h.form(), kDefaults);
    DesignSMPS(h.session);
    EXPECT_EQ(messages(h), std::vector<Msg>{kCoreTooLarge});
  }

  // A text hole before the right core is passed over, not compared.
  CoreRow text, fits;
  text.wid = "wide";
  fits.wid = "0.5";
  fits.code = "\"FITS\"";
  TempDir dir;
  dir.write(kFerriteFile, catalogue({small, text, fits}));
  Harness h(dir.path());
  smps::setInputs(h.form(), kDefaults);
  DesignSMPS(h.session);
  EXPECT_TRUE(h.events().empty());
  EXPECT_EQ(h.form().txtCore.text, "FTQ-FITS-GX");
}

TEST(SmpsDesignTable, MarkerInRow12WithOrWithoutPadding) {
  std::vector<CoreRow> rows(11);
  for (std::size_t k = 0; k < rows.size(); ++k) {
    rows[k].wid = std::to_string(0.05 * static_cast<double>(k + 1));
    rows[k].code = "\"R" + std::to_string(k + 1) + "\"";
  }
  const Inputs inputs[] = {kDefaults, with(kDefaults, 4, "1000")};
  for (const Inputs& in : inputs) {
    std::vector<std::vector<std::string>> results;
    std::vector<std::vector<Msg>> msgs;
    for (int filler : {0, 14}) {
      TempDir dir;
      dir.write(kFerriteFile, catalogue(rows, filler));
      Harness h(dir.path());
      smps::setInputs(h.form(), in);
      DesignSMPS(h.session);
      results.push_back(outputs(h.form()));
      msgs.push_back(messages(h));
    }
    EXPECT_EQ(results[0], results[1]);
    EXPECT_EQ(msgs[0], msgs[1]);
  }
}

TEST(SmpsDesignTable, PartNumberAndTextCellsAsTheyStand) {
  CoreRow r;
  r.prefix = "\"A\"";
  r.code = "123";
  r.ae = "\"0.25 typ\"";  // text shown as it stands; B cannot be worked out, so no check
  r.id = "\"n/a\"";
  r.od = "";
  TempDir dir;
  dir.write(kFerriteFile, catalogue({r}));
  Harness h(dir.path());
  smps::setInputs(h.form(), kDefaults);
  DesignSMPS(h.session);
  EXPECT_TRUE(h.events().empty());
  EXPECT_EQ(h.form().txtCore.text, "AQ-123-GX");
  EXPECT_EQ(h.form().txtPartNum.text, "AQ-123-GX");
  EXPECT_EQ(h.form().txtID.text, "n/a");
  EXPECT_EQ(h.form().txtOD.text, "");  // an empty unquoted field is an empty text
  EXPECT_EQ(h.form().txtAe.text, "0.25 typ");
}

TEST(SmpsDesignTable, EditedTableTakesEffectAtTheNextCalculation) {
  TempDir dir;
  dir.write(kFerriteFile, catalogue(kCores));
  Harness h(dir.path());
  h.app.optSMPS_Click();
  EXPECT_EQ(h.form().txtCore.text, "FTQ-0300-GX");
  std::vector<CoreRow> edited = kCores;
  edited[2].al[1] = "1700";
  dir.write(kFerriteFile, catalogue(edited));
  h.app.cmdCalculate_Click();
  EXPECT_EQ(h.form().txtActualL.text, "17");
  EXPECT_EQ(h.form().txtAL.text, "1700");
}

TEST(SmpsDesignShipped, DefaultsGiveASensibleDesignInEveryGrade) {
  const FerriteTable table = readFerriteTable(dataDir());
  ASSERT_TRUE(table.ok()) << table.problem;
  ASSERT_GE(table.endMarkerRow, 21);  // at least 20 sizes
  double lastHole = 0;
  for (int row = 1; row < table.endMarkerRow; ++row) {
    SCOPED_TRACE(row);
    const double hole = table.at(row, 10).value();
    EXPECT_GE(hole, lastHole);
    EXPECT_LT(hole, table.at(row, 2).value());  // the coating takes some of the hole
    EXPECT_LT(table.at(row, 7).value(), table.at(row, 8).value());
    EXPECT_LT(table.at(row, 8).value(), table.at(row, 9).value());
    EXPECT_LT(table.at(row, 9).value(), 99999);
    EXPECT_TRUE(table.at(row, 1).isText());
    lastHole = hole;
  }
  for (int field : {7, 8, 9})
    EXPECT_EQ(table.at(table.endMarkerRow, field).value(), 99999);

  for (NumberLocale loc : {NumberLocale::period(), NumberLocale::comma()}) {
    Harness h(dataDir(), loc);
    h.app.optSMPS_Click();
    for (OptionButton* grade : {&h.form().optPperm, &h.form().optRperm, &h.form().optQperm}) {
      h.form().select(*grade);
      EXPECT_TRUE(h.events().empty());
      EXPECT_EQ(h.form().txtRequiredL.text, loc == NumberLocale::comma() ? "0,5" : "0.5");
      EXPECT_EQ(h.form().txtWireSize.text, "33");
    }
    // The first hole above IDreq (about 0.289 in) less two 0.0088 in wires.
    int row = 1;
    while (table.at(row, 10).value() <= 0.2891)
      ++row;
    EXPECT_EQ(h.form().txtResID.text,
              formatPattern(table.at(row, 10).value() - 0.0176, "0.000", loc));
    EXPECT_EQ(h.form().txtCore.text, "FTQ-" + table.at(row, 1).rawText() + "-GX");
    EXPECT_EQ(h.form().txtAL.text, table.at(row, 8).generalText(loc));
  }
}

}  // namespace
}  // namespace windara::testing

namespace windara::testing {
namespace {

// Catalogues that break the marker's promises still give no design past it.
TEST(SmpsDesignTable, MarkerWithoutItsInductanceStillStopsTheSearch) {
  CoreRow small, after;
  small.al = {"1", "1", "1"};
  after.al = {"90000", "90000", "90000"};
  after.code = "\"AFTER\"";
  std::string table = smps::coreLine(small) + "\"END\",0,0,0,0,0,5,5,5,999,0,0,0,\"\"\r\n";
  for (int k = 0; k < 24; ++k)
    table += smps::coreLine(after);
  TempDir dir;
  dir.write(kFerriteFile, table);
  Harness h(dir.path());
  smps::setInputs(h.form(), kDefaults);
  DesignSMPS(h.session);
  EXPECT_EQ(messages(h), std::vector<Msg>{kLTooLarge});
  EXPECT_EQ(outputs(h.form()), noDesign());
}

TEST(SmpsDesignTable, MarkerRowCutAfterItsWindingDiameterStillEndsBothSearches) {
  CoreRow r;
  r.wid = "0.5";
  r.al = {"10", "10", "10"};
  const std::string marker = smps::markerLine();
  std::size_t cut = 0;
  for (int k = 0; k < 10; ++k)
    cut = marker.find(',', cut) + 1;
  TempDir dir;
  dir.write(kFerriteFile, smps::coreLine(r) + marker.substr(0, cut - 1));
  const std::pair<Inputs, Msg> cases[] = {
      {kDefaults, kLTooLarge},                      // Lreq 0.5 mH, the core gives 0.1 mH
      {with(kDefaults, 4, "1000"), kCoreTooLarge},  // IDreq 2.8 in
  };
  for (const auto& [inputs, msg] : cases) {
    Harness h(dir.path());
    smps::setInputs(h.form(), inputs);
    DesignSMPS(h.session);
    EXPECT_EQ(messages(h), std::vector<Msg>{msg});
    EXPECT_EQ(outputs(h.form()), noDesign());
  }
}

// Remembers what the core box showed while each message was open.
struct WatchingDialogs : ScriptedDialogs {
  const Form* form = nullptr;
  std::vector<std::string> coreWhileOpen;
  void message(std::string_view text, std::string_view title, Icon icon) override {
    coreWhileOpen.push_back(form->txtCore.text);
    ScriptedDialogs::message(text, title, icon);
  }
};

TEST(SmpsDesignMessages, PreviousResultsStayUntilTheMessageIsClosed) {
  TempDir dir;
  dir.write(kFerriteFile, catalogue(kCores));
  WatchingDialogs dialogs;
  Session session(dialogs, dir.path());
  dialogs.form = &session.form;
  App app(session);
  app.optSMPS_Click();
  ASSERT_EQ(session.form.txtCore.text, "FTQ-0300-GX");
  // Is 20 A gives gauge 12; IDreq 1.43 in takes the 2.5 in hole, whose 22.5 mH
  // is short of the 50 mH needed: both boxes open over the old design.
  smps::setInputs(session.form, {"10000", "50", "1000", "400", "50", "0.5"});
  DesignSMPS(session);
  EXPECT_EQ(dialogs.coreWhileOpen, (std::vector<std::string>{"FTQ-0300-GX", "FTQ-0300-GX"}));
  EXPECT_EQ(messages(dialogs.events()), (std::vector<Msg>{wireTooLarge("605"), kLTooLarge}));
  EXPECT_EQ(outputs(session.form), noDesign());
}

TEST(SmpsDesignTable, TooLargeInductanceNeverComesWithResults) {
  // An AL just above the search's limit but below 99999 in a real row.
  CoreRow odd;
  odd.al = {"99998.5", "99998.5", "99998.5"};
  TempDir dir;
  dir.write(kFerriteFile, catalogue({odd}));
  Harness h(dir.path());
  smps::setInputs(h.form(), kDefaults);
  DesignSMPS(h.session);
  EXPECT_EQ(messages(h), std::vector<Msg>{kLTooLarge});
  EXPECT_EQ(outputs(h.form()), noDesign());
}

}  // namespace
}  // namespace windara::testing
