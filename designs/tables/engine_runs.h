#pragma once
// The last searches of a session's designs, so that what follows a calculation
// (the checks of the core it chose) takes the search it made instead of
// walking the table once more.
//
// The engines are pure functions of their inputs and their table. A run is
// therefore taken again only for inputs equal bit for bit and for the very
// table object it was made on, which is kept alive for that reason: a table
// read afresh is a new object and is searched anew, so an edit of a table file
// is never hidden. Only calculations that share one table read (a sweep) gain.

#include <array>
#include <cstddef>
#include <memory>

#include "designs/hall/hall_engine.h"
#include "designs/smps/smps_engine.h"
#include "designs/trad/trad_engine.h"
#include "form/session.h"

namespace windara {

template <class Inputs, class Table, class Result>
class RunMemo {
 public:
  using Same = bool (*)(const Inputs&, const Inputs&);
  explicit RunMemo(Same same) : same_(same) {}

  // The run kept for these inputs on this table; null when there is none.
  std::shared_ptr<const Result> find(const Inputs& in, const Table* table) const {
    for (const Entry& e : entries_) {
      if (e.result && e.table.get() == table && same_(e.inputs, in)) return e.result;
    }
    return nullptr;
  }

  // Keeps a run in place of the oldest.
  std::shared_ptr<const Result> keep(const Inputs& in, std::shared_ptr<const Table> table,
                                     Result result) {
    Entry& e = entries_[next_];
    next_ = (next_ + 1) % entries_.size();
    e.inputs = in;
    e.table = std::move(table);
    e.result = std::make_shared<const Result>(std::move(result));
    return e.result;
  }

 private:
  struct Entry {
    Inputs inputs;
    std::shared_ptr<const Table> table;
    std::shared_ptr<const Result> result;
  };
  Same same_;
  // Two, for a Traditional calculation whose 4 mil core falls back to 2 mil:
  // the checks then look both up.
  std::array<Entry, 2> entries_;
  std::size_t next_ = 0;
};

struct HallRunInputs {
  HallInputs inputs;
  NumberLocale locale;
};

bool sameSmpsInputs(const SmpsInputs& a, const SmpsInputs& b);
bool sameTradInputs(const TradInputs& a, const TradInputs& b);
bool sameHallInputs(const HallRunInputs& a, const HallRunInputs& b);

struct EngineRuns {
  RunMemo<SmpsInputs, FerriteTable, SmpsOutcome> smps{sameSmpsInputs};
  RunMemo<TradInputs, TapeCoreTable, TradResult> trad{sameTradInputs};
  RunMemo<HallRunInputs, HallTable, HallResult> hall{sameHallInputs};
};

// The engines' runs through the session's memo: the one kept for these inputs
// on this table, or a new run, kept. The table must be usable for SMPS.
std::shared_ptr<const SmpsOutcome> smpsRun(const Session& s, const SmpsInputs& in,
                                           const std::shared_ptr<const FerriteTable>& table);
std::shared_ptr<const TradResult> tradRun(const Session& s, const TradInputs& in,
                                          const std::shared_ptr<const TapeCoreTable>& table);
std::shared_ptr<const HallResult> hallRun(const Session& s, const HallInputs& in,
                                          const std::shared_ptr<const HallTable>& table);

}  // namespace windara
