#include "gui/advise_job.h"

#include <QMetaObject>
#include <chrono>
#include <exception>

namespace windara::gui {

AdviseJob::AdviseJob(QObject* parent) : QObject(parent), watch_(std::make_shared<SearchWatch>()) {}

AdviseJob::~AdviseJob() {
  watch_->cancel = true;
  if (thread_.joinable()) thread_.join();
}

void AdviseJob::start(std::filesystem::path programDir, NumberLocale locale,
                      Requirement requirement) {
  if (running_) return;
  if (thread_.joinable()) thread_.join();
  watch_->cancel = false;
  watch_->runs = 0;
  running_ = true;
  thread_ = std::thread([this, dir = std::move(programDir), locale, req = std::move(requirement)] {
    using Clock = std::chrono::steady_clock;
    const auto started = Clock::now();
    auto outcome = std::make_shared<AdviseOutcome>();
    outcome->requirement = req;
    AdviseOptions options;
    options.threads = static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
    options.watch = watch_.get();
    try {
      outcome->advice = advise(dir, locale, req, options);
    } catch (const SearchCancelled&) {
      outcome->cancelled = true;
    } catch (const std::exception& e) {
      outcome->error = e.what();
    }
    outcome->seconds = std::chrono::duration<double>(Clock::now() - started).count();
    QMetaObject::invokeMethod(
        this, [this, outcome] { land(outcome); }, Qt::QueuedConnection);
  });
}

void AdviseJob::land(std::shared_ptr<AdviseOutcome> outcome) {
  if (thread_.joinable()) thread_.join();
  outcome_ = std::move(outcome);
  running_ = false;
  emit finished();
}

}  // namespace windara::gui
