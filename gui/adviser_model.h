#pragma once
// The adviser's candidates, one row each in rank order: the core, its alloy or grade, the
// turns, the verdict (in words and in colour), the tightest margin, the core's volume and
// the figures the type is judged by. Each cell sorts by its number where it has one.

#include <QAbstractTableModel>
#include <vector>

#include "advise/candidate.h"
#include "common/number.h"

namespace windara::gui {

class AdviserModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  static constexpr int SortRole = Qt::UserRole + 1;  // what the column sorts by
  static constexpr int RankRole = Qt::UserRole + 2;  // the row's index into the candidates

  enum Column { Rank, Core, Material, Turns, Verdict, Margin, Volume, Wire, Hole, Figure, Losses };

  explicit AdviserModel(QObject* parent = nullptr);

  // `type` as a design file names it: it decides the last columns.
  void setCandidates(std::vector<Candidate> candidates, int type, const NumberLocale& locale);
  const std::vector<Candidate>& candidates() const { return candidates_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  // "Meets: class 0.5", "Fails: OD 1.25 in above 1"...
  static QString verdictText(const Candidate& c);

 private:
  QVariant display(const Candidate& c, int column) const;
  QVariant sortValue(const Candidate& c, int row, int column) const;

  std::vector<Candidate> candidates_;
  int type_ = 0;
  NumberLocale locale_ = NumberLocale::period();
};

}  // namespace windara::gui
