// Thousands of calculations per design over the whole input range, on the
// shipped tables and on odd ones: each ends with results or the no-design
// state, never both, never a crash or an endless prompt, always the same way.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <string>
#include <vector>

#include "stress/stress_rig.h"
#include "support/support.h"

namespace windara::testing::stress {
namespace {

int count(const std::vector<DialogEvent>& events, const std::string& title) {
  return static_cast<int>(std::count_if(events.begin(), events.end(), [&](const DialogEvent& e) {
    return e.kind == DialogEvent::Kind::Message && e.title == title;
  }));
}

bool anyCritical(const std::vector<DialogEvent>& events) {
  return std::any_of(events.begin(), events.end(), [](const DialogEvent& e) {
    return e.kind == DialogEvent::Kind::Message && e.icon == Icon::Critical;
  });
}

std::string lower(std::string s) {
  for (char& c : s)
    c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// What went wrong with the calculation just made, or "" when nothing did.
std::string fault(Rig& rig, Mode m, bool wellFormed) {
  Form& f = rig.form();
  const auto& ev = rig.dialogs.events;

  const int prompts =
      static_cast<int>(std::count_if(ev.begin(), ev.end(), [](const DialogEvent& e) {
        return e.kind == DialogEvent::Kind::Input;
      }));
  // Every answer is the prompt's own default, which passes at once.
  if (prompts > 6) return std::to_string(prompts) + " prompts";
  for (const TextBox* box : {&f.txtVoltage, &f.txtFrequency, &f.txtPriCurrent, &f.txtDutyCyc,
                             &f.txtRatio, &f.txtCurDens}) {
    if (!isNumeric(box->text, rig.session.locale)) return "input left as '" + box->text + "'";
  }

  const int messages = static_cast<int>(ev.size()) - prompts;
  const int wire = count(ev, "Wire Size Too Large");
  const int table = count(ev, "Core Table");
  switch (m) {
    case Mode::SMPS:
      if (messages > 2) return std::to_string(messages) + " messages";
      if (messages == 2 && wire != 1 && table != 1) return "two messages besides the wire one";
      break;
    case Mode::Hall:
      if (messages > 1) return std::to_string(messages) + " messages";
      break;
    case Mode::Trad: {
      const int stops = count(ev, "Required Core Too Large") + count(ev, "Required Core Large");
      const int fourMil = count(ev, "4 mil Not Available");
      if (wire > 2 || fourMil > 1 || stops > 1 || table > 1 ||
          wire + fourMil + stops + table != messages)
        return "messages by kind: wire " + std::to_string(wire) + ", 4 mil " +
               std::to_string(fourMil) + ", stops " + std::to_string(stops) + ", table " +
               std::to_string(table) + ", all " + std::to_string(messages);
      if (wire == 2 && fourMil == 0) return "wire message twice without a nested design";
      break;
    }
  }

  const bool residual = m != Mode::Hall;
  if (f.txtCore.text == "N/A") {
    for (const TextBox* box : {&f.txtPartNum, &f.txtAe, &f.txtle}) {
      if (box->text != "N/A") return "no design but '" + box->text + "' among the N/A boxes";
    }
    for (const TextBox* box :
         {&f.txtRequiredL, &f.txtWireSize, &f.txtActualL, &f.txtID, &f.txtOD, &f.txtHt, &f.txtAL}) {
      if (!box->text.empty()) return "no design but '" + box->text + "' in a result box";
    }
    if (f.txtResID.text != (residual ? "" : kStale)) return "no design, residual ID wrong";
    // Hall's flux warnings carry no icon; every other stop is critical.
    // An SMPS catalogue row whose hole is 999 or more but not the marker ends
    // the design silently, as it always has; only a sound catalogue must say why.
    const bool mustSay = wellFormed || m != Mode::SMPS;
    if (mustSay && (m == Mode::Hall ? messages == 0 : !anyCritical(ev)))
      return "no design without a stop";
    return "";
  }

  // Results.
  if (f.txtPartNum.text != f.txtCore.text) return "part number differs from the core";
  if (m == Mode::SMPS && anyCritical(ev)) return "results after a critical message";
  if (m == Mode::Hall && messages != 0) return "results after a warning";
  if (m == Mode::Trad && anyCritical(ev) && count(ev, "4 mil Not Available") == 0)
    return "results after a critical message";
  for (const TextBox* box :
       {&f.txtRequiredL, &f.txtWireSize, &f.txtCore, &f.txtActualL, &f.txtResID, &f.txtPartNum,
        &f.txtID, &f.txtOD, &f.txtHt, &f.txtAe, &f.txtle, &f.txtAL}) {
    const bool untouched =
        (box == &f.txtAL && m != Mode::SMPS) || (box == &f.txtResID && !residual);
    if (untouched) continue;
    if (box->text == kStale) return "a result box kept the previous design's text";
    const std::string l = lower(box->text);
    if (l.find("nan") != std::string::npos || l.find("inf") != std::string::npos)
      return "'" + box->text + "' in a result box";
    if (wellFormed && box->text.empty()) return "an empty result box";
  }
  return "";
}

std::string describe(const Inputs& in) {
  std::string s = "inputs";
  for (const std::string& b : in.box)
    s += " [" + b + "]";
  return s + " material " + std::to_string(in.material) + " thickness " +
         std::to_string(in.thickness);
}

// Runs the cases on a fresh program and gives every calculation's snapshot;
// reports the first few faults.
std::vector<std::string> runAll(Mode m, const TableVariant& v, const std::vector<Inputs>& cases,
                                NumberLocale locale, int& faults) {
  Rig rig(v.dir, locale);
  rig.enterMode(m);
  std::vector<std::string> shots;
  shots.reserve(cases.size());
  for (const Inputs& in : cases) {
    try {
      calculate(rig, in);
    } catch (const std::exception& e) {
      ADD_FAILURE() << modeName(m) << " on " << v.name << ": " << e.what() << "\n" << describe(in);
      return shots;
    }
    const std::string why = fault(rig, m, v.wellFormed);
    if (!why.empty() && ++faults <= 5) {
      ADD_FAILURE() << modeName(m) << " on " << v.name << ": " << why << "\n"
                    << describe(in) << "\n"
                    << snapshot(rig);
    }
    shots.push_back(snapshot(rig));
  }
  return shots;
}

void expectSameRuns(const std::vector<std::string>& a, const std::vector<std::string>& b,
                    const std::string& what) {
  ASSERT_EQ(a.size(), b.size()) << what;
  for (std::size_t k = 0; k < a.size(); ++k) {
    ASSERT_EQ(a[k], b[k]) << what << ", calculation " << k;
  }
}

class DesignStress : public ::testing::TestWithParam<Mode> {};

TEST_P(DesignStress, EveryInputEndsInResultsOrNoDesignTheSameWayTwice) {
  const Mode m = GetParam();
  TempDir root;
  const std::vector<TableVariant> variants = writeVariants(m, root.path());
  Draw draw(20240601u + static_cast<unsigned>(m));
  const std::vector<Inputs> boundaries = boundaryInputs(m, dataDir());

  int faults = 0;
  for (const TableVariant& v : variants) {
    std::vector<Inputs> cases;
    const int randomCount = v.wellFormed ? 1500 : 150;
    for (int k = 0; k < randomCount; ++k)
      cases.push_back(randomInputs(draw, m));
    for (std::size_t k = 0; k < boundaries.size(); k += v.wellFormed ? 1 : 13)
      cases.push_back(boundaries[k]);

    const auto first = runAll(m, v, cases, NumberLocale::period(), faults);
    const auto second = runAll(m, v, cases, NumberLocale::period(), faults);
    expectSameRuns(first, second, std::string(modeName(m)) + " on " + v.name);
  }
  EXPECT_EQ(faults, 0);
}

// The same inputs typed with a decimal comma give the same boxes, with the
// separators swapped.
TEST_P(DesignStress, DecimalCommaGivesTheSameDesigns) {
  const Mode m = GetParam();
  TempDir root;
  const std::vector<TableVariant> variants = writeVariants(m, root.path());
  const TableVariant& shipped = variants.front();
  ASSERT_TRUE(shipped.wellFormed);
  Draw draw(777u + static_cast<unsigned>(m));
  auto swap = [](std::string s) {
    for (char& c : s)
      c = c == '.' ? ',' : c == ',' ? '.' : c;
    return s;
  };

  std::vector<Inputs> cases, swapped;
  for (int k = 0; k < 400; ++k) {
    Inputs in = randomInputs(draw, m);
    cases.push_back(in);
    for (std::string& b : in.box)
      b = swap(b);
    swapped.push_back(in);
  }
  int faults = 0;
  const auto period = runAll(m, shipped, cases, NumberLocale::period(), faults);
  const auto comma = runAll(m, shipped, swapped, NumberLocale::comma(), faults);
  ASSERT_EQ(period.size(), comma.size());
  for (std::size_t k = 0; k < period.size(); ++k) {
    // The boxes only: message sentences end in full stops of their own.
    const std::string a = period[k].substr(0, period[k].find('\n'));
    const std::string b = comma[k].substr(0, comma[k].find('\n'));
    ASSERT_EQ(swap(a), b) << describe(cases[k]);
  }
  EXPECT_EQ(faults, 0);
}

INSTANTIATE_TEST_SUITE_P(Modes, DesignStress, ::testing::Values(Mode::Trad, Mode::Hall, Mode::SMPS),
                         [](const ::testing::TestParamInfo<Mode>& info) {
                           return std::string(modeName(info.param));
                         });

}  // namespace
}  // namespace windara::testing::stress
