#pragma once
// An adviser's search run away from the window's thread, on its own copy of the
// requirement: the window polls how many designs it has calculated and may cancel it.

#include <QObject>
#include <filesystem>
#include <memory>
#include <string>
#include <thread>

#include "advise/advise.h"

namespace windara::gui {

struct AdviseOutcome {
  Requirement requirement;
  Advice advice;
  bool cancelled = false;
  std::string error;  // why the search failed; "" when it did not
  double seconds = 0;
};

class AdviseJob : public QObject {
  Q_OBJECT

 public:
  explicit AdviseJob(QObject* parent = nullptr);
  ~AdviseJob() override;  // cancels a running search and waits for its end

  bool running() const { return running_; }
  // Starts a search; one at a time.
  void start(std::filesystem::path programDir, NumberLocale locale, Requirement requirement);
  void cancel() { watch_->cancel = true; }
  // The designs calculated so far by the running or last search.
  std::int64_t calculated() const { return watch_->runs; }
  // The last search's outcome, once finished() came; null before the first.
  const AdviseOutcome* outcome() const { return outcome_.get(); }

 signals:
  void finished();

 private:
  void land(std::shared_ptr<AdviseOutcome> outcome);

  std::thread thread_;
  std::shared_ptr<SearchWatch> watch_;
  bool running_ = false;
  std::shared_ptr<const AdviseOutcome> outcome_;
};

}  // namespace windara::gui
