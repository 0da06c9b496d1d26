#pragma once
// A sweep run away from the window's thread: its own copy of the design and
// of the core tables (read once when it starts), so the form is never touched
// and the window keeps answering. It reports progress now and then, stops
// soon after cancel(), and keeps what each point needs for a plot besides the
// CSV text of every point.

#include <QObject>
#include <array>
#include <atomic>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

class QTemporaryFile;

#include "files/design_file.h"
#include "sweep/named_boxes.h"
#include "sweep/sweep_axis.h"

namespace windara::gui {

struct SweepRequest {
  std::filesystem::path programDir;
  NumberLocale locale;
  DesignFileContents design;
  SweepAxis axis;
};

// The output boxes' numbers, then the check figures; NaN where there is none.
inline constexpr std::size_t kPlotValues = kOutputBoxes.size() + 2;

struct SweepPlotPoint {
  double x = 0;
  std::array<double, kPlotValues> values{};
  std::string core;  // the core chosen, as the box shows it
  bool found = false;
  std::string reason;  // without a core: why, in the calculation's words
};

struct SweepOutcome {
  std::vector<SweepPlotPoint> points;  // those calculated, in order
  std::int64_t total = 0;              // the points asked for
  // The CSV heading and one row per point calculated; none when the sweep failed.
  std::shared_ptr<QTemporaryFile> csv;
  bool cancelled = false;
  std::string error;  // why the sweep failed; "" when it did not
  double seconds = 0;
};

class SweepJob : public QObject {
  Q_OBJECT

 public:
  explicit SweepJob(QObject* parent = nullptr);
  ~SweepJob() override;  // cancels a running sweep and waits for its end

  bool running() const { return running_; }
  // Starts a sweep; one at a time.
  void start(SweepRequest request);
  void cancel() { cancel_ = true; }
  // The last sweep's points, once finished() came.
  const SweepOutcome& outcome() const { return *outcome_; }

 signals:
  void progress(qint64 done, qint64 total);
  void finished();

 private:
  void land(std::shared_ptr<SweepOutcome> outcome);

  std::thread thread_;
  std::atomic<bool> cancel_{false};
  bool running_ = false;
  std::shared_ptr<SweepOutcome> outcome_;
};

}  // namespace windara::gui
