#pragma once
// Calculates form states of one type, material and thickness as Calculate would, on the
// core tables and material data read once for a whole search, and describes what it finds.

#include <array>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "advise/candidate.h"
#include "advise/search_watch.h"
#include "app/design_checks.h"
#include "app/design_ratings.h"
#include "sweep/sweep_runner.h"

namespace windara {

// What every calculation of one search shares.
struct SearchData {
  std::filesystem::path programDir;
  NumberLocale locale;
  std::shared_ptr<const CoreTables> tables;
  std::shared_ptr<const MaterialsRead> materials;
  SearchWatch* watch = nullptr;  // told of every calculation; none for a search nobody watches
};

// Reads the tables and Materials.txt of `programDir` once.
SearchData readSearchData(const std::filesystem::path& programDir, const NumberLocale& locale);

class CandidateRunner {
 public:
  // `type`, `material` and `thickness` as a design file holds them.
  CandidateRunner(const SearchData& data, int type, int material, int thickness);

  // Calculates the form with these input texts (in a design file's order) and returns
  // the outputs; nothing when it asked for an input again.
  const SweepPoint& run(const std::array<std::string, 6>& texts);
  // Whether the last run chose a core without showing any message, in the material and
  // thickness it was asked for: a core not made in 4 mil tape makes the design select 2 mil
  // and calculate again, which clears the message, and that state belongs to another search.
  bool quiet() const { return point_.found && point_.messages.empty() && !switched_; }
  // Whether the last run chose a core, messages or not.
  bool found() const { return point_.found; }
  // The last run's output box of that member (&Form::txtCore...).
  const std::string& output(TextBox Form::*box) { return (runner_->form().*box).text; }
  // The checks of the last run's core, by default the figures only.
  std::optional<DesignChecks> checks(CheckDetail detail = CheckDetail::Figures) const;
  // The ratings of the last run's core, as rateDesign gives them.
  std::optional<Outcome<std::vector<Rating>>> ratings(const RatingRequest& request,
                                                      std::string_view kind) const;
  // The last run as a candidate, before it is judged: its state and output texts.
  Candidate describe();

  std::int64_t runs() const { return runs_; }
  const NumberLocale& locale() const { return locale_; }

 private:
  std::unique_ptr<SweepRunner> runner_;
  SearchWatch* watch_;
  DesignFileContents state_;
  NumberLocale locale_;
  SweepPoint point_;
  bool switched_ = false;  // the last run ended in another thickness than asked
  std::int64_t runs_ = 0;
};

// The volume of a toroid's outline in cm3, from its dimensions in inches.
double toroidVolumeCm3(double idIn, double odIn, double heightIn);

// `value` rounded down to as few significant digits as keep it above `above`, written in the
// general format: the plainest text for a value that may lie anywhere in (above, value].
std::string plainestBelow(double value, double above, const NumberLocale& locale);

}  // namespace windara
