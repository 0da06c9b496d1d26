#include "gui/sweep_job.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <QTemporaryFile>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <functional>
#include <limits>
#include <mutex>
#include <stdexcept>

#include "checks/materials.h"
#include "designs/tables/core_tables.h"
#include "sweep/shown_number.h"
#include "sweep/sweep_blocks.h"
#include "sweep/sweep_format.h"

namespace windara::gui {

namespace {

using Clock = std::chrono::steady_clock;
// Often enough for the bar to move smoothly, rarely enough not to flood the window.
constexpr auto kProgressEvery = std::chrono::milliseconds(50);

struct Cancelled {};

SweepPlotPoint plotPoint(const BoxValue& at, const SweepPoint& p, const NumberLocale& locale) {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  SweepPlotPoint out;
  out.x = parseNumber(at.text, locale).value_or(at.value);
  out.values.fill(none);
  // The design's own figures where it has them: the boxes' texts are rounded, and a
  // smooth quantity read back from them would be drawn as a staircase.
  for (std::size_t k = 0; k < p.outputs.size(); ++k) {
    if (p.invalid) continue;
    out.values[k] = std::isfinite(p.unrounded[k])
                        ? p.unrounded[k]
                        : shownNumber(p.outputs[k], locale).value_or(none);
  }
  if (p.checks) {
    const std::size_t n = std::min(p.checks->figures.size(), kPlotValues - p.outputs.size());
    std::copy_n(p.checks->figures.begin(), n, out.values.begin() + p.outputs.size());
  }
  out.core = p.outputs[2];
  out.found = p.found;
  if (p.invalid) {
    out.reason = *p.invalid;
  } else if (!p.found) {
    for (const std::string& t : p.messages)
      out.reason.append(out.reason.empty() ? "" : "; ").append(t);
    if (out.reason.empty()) out.reason = "No core fits";
  }
  return out;
}

// The points as they are calculated, in chunks taken as the sweep reaches
// them: a long sweep cancelled early holds only what it did.
class PointStore {
 public:
  explicit PointStore(std::int64_t total)
      : chunks_(static_cast<std::size_t>((total + kChunk - 1) / kChunk)) {}

  // Point `i`'s place; each is written by one thread only.
  SweepPlotPoint& operator[](std::int64_t i) {
    std::unique_ptr<Chunk>& chunk = chunks_[static_cast<std::size_t>(i / kChunk)];
    {
      const std::lock_guard lock(mutex_);
      if (!chunk) chunk = std::make_unique<Chunk>();
    }
    return (*chunk)[static_cast<std::size_t>(i % kChunk)];
  }

  // The first `n` points, the chunks let go as they are emptied.
  std::vector<SweepPlotPoint> take(std::int64_t n) {
    std::vector<SweepPlotPoint> out;
    out.reserve(static_cast<std::size_t>(n));
    for (std::int64_t i = 0; i < n; ++i) {
      out.push_back(std::move((*this)[i]));
      if ((i + 1) % kChunk == 0) chunks_[static_cast<std::size_t>(i / kChunk)].reset();
    }
    chunks_.clear();
    return out;
  }

 private:
  static constexpr std::int64_t kChunk = 4096;
  using Chunk = std::array<SweepPlotPoint, kChunk>;
  std::vector<std::unique_ptr<Chunk>> chunks_;
  std::mutex mutex_;
};

void append(QTemporaryFile& file, const std::string& text) {
  if (file.write(text.data(), static_cast<qint64>(text.size())) != static_cast<qint64>(text.size()))
    throw std::runtime_error("the points could not be kept: " + file.errorString().toStdString());
}

// The whole sweep on the calling thread; `report` is called with the points
// done at most every kProgressEvery.
void sweep(const SweepRequest& r, const std::atomic<bool>& cancel, SweepOutcome& outcome,
           const std::function<void(std::int64_t, std::int64_t)>& report) {
  const SweepGrid grid({r.axis}, r.locale);
  outcome.total = grid.size();
  const auto newRunner = runnersSharingOneRead(r.programDir, r.locale, r.design);
  const std::unique_ptr<SweepFormat> csv =
      csvSweepFormat({nullptr, r.design.type, grid.axes(), r.locale});
  // The rows go to a file as they come, so the window holds only what it plots.
  auto file = std::make_shared<QTemporaryFile>();
  if (!file->open())
    throw std::runtime_error("no temporary file for the points: " +
                             file->errorString().toStdString());
  std::string text;
  csv->heading(text);
  append(*file, text);
  PointStore points(grid.size());

  std::int64_t done = 0;
  auto last = Clock::now();
  SweepBlocks job;
  job.makeRunner = [&] {
    auto runner = newRunner();
    runner->keepUnrounded(true);
    return runner;
  };
  job.row = [&](std::string& out, std::int64_t i, const std::vector<BoxValue>& values,
                const SweepPoint& point) {
    if (cancel) throw Cancelled{};
    csv->row(out, i, values, point);
    points[i] = plotPoint(values.front(), point, r.locale);
  };
  job.write = [&](const std::string& rows, std::int64_t pointsDone) {
    append(*file, rows);
    done = pointsDone;
    if (cancel) throw Cancelled{};
    if (Clock::now() - last >= kProgressEvery) {
      last = Clock::now();
      report(done, grid.size());
    }
  };
  job.threads = sweepThreads();
  // Small blocks: a cancel is seen within a few points on every thread.
  job.blockSize = 64;
  try {
    runSweepBlocks(grid, job);
  } catch (const Cancelled&) {
    outcome.cancelled = true;
  }
  outcome.points = points.take(done);
  file->flush();
  // Handed to the window's thread, which reads it for an export and deletes it.
  file->moveToThread(QCoreApplication::instance()->thread());
  outcome.csv = std::move(file);
}

}  // namespace

SweepJob::SweepJob(QObject* parent) : QObject(parent), outcome_(std::make_shared<SweepOutcome>()) {}

SweepJob::~SweepJob() {
  cancel_ = true;
  if (thread_.joinable()) thread_.join();
}

void SweepJob::start(SweepRequest request) {
  if (running_) return;
  if (thread_.joinable()) thread_.join();
  cancel_ = false;
  running_ = true;
  thread_ = std::thread([this, r = std::move(request)] {
    auto outcome = std::make_shared<SweepOutcome>();
    const auto started = Clock::now();
    try {
      sweep(r, cancel_, *outcome, [this](std::int64_t done, std::int64_t total) {
        QMetaObject::invokeMethod(
            this, [this, done, total] { emit progress(done, total); }, Qt::QueuedConnection);
      });
    } catch (const std::exception& e) {
      outcome->error = e.what();
      outcome->points.clear();
    }
    outcome->seconds = std::chrono::duration<double>(Clock::now() - started).count();
    QMetaObject::invokeMethod(
        this, [this, outcome] { land(outcome); }, Qt::QueuedConnection);
  });
}

void SweepJob::land(std::shared_ptr<SweepOutcome> outcome) {
  if (thread_.joinable()) thread_.join();
  outcome_ = std::move(outcome);
  running_ = false;
  emit progress(static_cast<qint64>(outcome_->points.size()), outcome_->total);
  emit finished();
}

}  // namespace windara::gui
