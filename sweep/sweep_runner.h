#pragma once
// One design calculated at many points, each as if the design file had been
// opened with the point's values typed into it and Calculate pressed; the
// form and the dialogs are the runner's own, so nothing outside changes.

#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/app.h"
#include "designs/tables/core_tables.h"
#include "files/design_file.h"
#include "sweep/form_state.h"
#include "sweep/point_checks.h"
#include "sweep/point_dialogs.h"
#include "sweep/sweep_axis.h"
#include "sweep/unrounded_outputs.h"

namespace windara {

struct SweepPoint {
  std::array<std::string, 6> inputs;    // kInputBoxes' texts
  std::array<std::string, 12> outputs;  // kOutputBoxes' texts; all empty when invalid
  std::vector<std::string> messages;    // titles of the calculation's message boxes
  bool found = false;                   // a core was chosen (txtCore is not "N/A")
  std::optional<std::string> invalid;   // the complaint of the input box it would ask
  std::optional<PointChecks> checks;    // of the core found; none without one
  // The outputs before rounding (unroundedOutputs), when the runner keeps them; else all NaN.
  OutputValues unrounded{};
};

class SweepRunner {
 public:
  // `tables` and `materials` serve every point, so each file is read once for all of them.
  SweepRunner(std::filesystem::path programDir, NumberLocale locale, DesignFileContents design,
              std::shared_ptr<const CoreTables> tables,
              std::shared_ptr<const MaterialsRead> materials);
  SweepRunner(const SweepRunner&) = delete;
  SweepRunner& operator=(const SweepRunner&) = delete;

  // Calculates one point into `point` (whose strings are reused).
  void run(const std::vector<BoxValue>& values, SweepPoint& point);

  // Whether each point also keeps its unrounded outputs (for a plot; a CSV needs none).
  void keepUnrounded(bool keep) { keepUnrounded_ = keep; }

  // Whether each point's checks are worked out (pointChecks); a caller that judges the
  // design with checks of its own turns them off rather than have them worked out twice.
  void keepChecks(bool keep) { keepChecks_ = keep; }

  // The form as the last point left it.
  Form& form() { return session_.form; }
  // The session the last point was calculated in, for checking its design (checkDesign).
  const Session& session() const { return session_; }

 private:
  PointDialogs dialogs_;
  Session session_;
  App app_;
  DesignFileContents design_;
  std::optional<FormState> start_;    // as the type's reaction leaves the form
  std::optional<FormState> choices_;  // the choices the whole file makes
  bool keepUnrounded_ = false;
  bool keepChecks_ = true;
};

// Reads the core tables and the material data of `programDir` once and
// returns a maker of runners that all share them, one runner per thread:
// an edit of a table during the sweep is not seen.
std::function<std::unique_ptr<SweepRunner>()> runnersSharingOneRead(
    const std::filesystem::path& programDir, const NumberLocale& locale,
    const DesignFileContents& design);

}  // namespace windara
