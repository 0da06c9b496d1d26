#pragma once
// What the adviser's tests share: a small program folder to search by brute force, and the
// best a brute-force loop finds in it.

#include <cmath>
#include <map>
#include <numbers>
#include <string>

#include <gtest/gtest.h>

#include "advise/advise.h"
#include "support/harness.h"
#include "support/table_copy.h"
#include "sweep/shown_number.h"

namespace windara::testing {

inline const NumberLocale kLocale = NumberLocale::period();

// A program folder whose tape table holds every fourth shipped core, so that brute force
// over it stays quick.
class SmallProgram {
 public:
  SmallProgram() {
    for (const char* name : {"Ferrite.txt", "Hall.txt", "Materials.txt"})
      dir_.write(name, readFile(dataDir() / name));
    TableText shipped(readFile(dataDir() / "TWC.txt"));
    TableText cut("");
    int row = 1;
    for (int r = 1; r <= 45; r += 4)
      cut.insertLine(row++, shipped.line(r));
    while (row <= 47)
      cut.insertLine(row++, shipped.line(47));
    dir_.write("TWC.txt", cut.text());
  }
  const std::filesystem::path& path() const { return dir_.path(); }

 private:
  TempDir dir_;
};

inline double volumeOf(Form& f) {
  const auto in = [&](const TextBox& b) { return shownNumber(b.text, kLocale).value_or(0); };
  const double od = in(f.txtOD), id = in(f.txtID);
  return std::numbers::pi / 4 * (od * od - id * id) * in(f.txtHt) * 16.387064;
}

// The best margin brute force finds for each core that passes, and the best of all.
struct Best {
  double volume = 1e300;
  double margin = -1e300;
  std::string core;
  std::map<std::string, double> perCore;
  void offer(double v, double m, const std::string& c) {
    if (v < volume - 1e-9 || (std::fabs(v - volume) <= 1e-9 && m > margin)) {
      volume = v;
      margin = m;
      core = c;
    }
    if (!perCore.contains(c) || m > perCore[c]) perCore[c] = m;
  }
};

// The adviser, keeping every passing core, names the best and finds every core brute force
// finds with the same best margin.
inline void expectSameAsBruteForce(const std::filesystem::path& program, const Requirement& req,
                                   const Best& best) {
  const Advice a = advise(program, kLocale, req, {100, 2});
  ASSERT_TRUE(a.best) << a.reason;
  EXPECT_EQ(a.candidates[0].core, best.core);
  EXPECT_NEAR(a.candidates[0].volumeCm3, best.volume, 1e-9);
  EXPECT_DOUBLE_EQ(a.candidates[0].margin, best.margin);
  std::map<std::string, double> found;
  for (const Candidate& c : a.candidates)
    found[c.core] = c.margin;
  EXPECT_EQ(found, best.perCore);
}

}  // namespace windara::testing
