#include "gui/candidates_model.h"

#include <QFont>
#include <algorithm>

#include "designs/common/figure_words.h"
#include "gui/figure_text.h"
#include "gui/verdict_style.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

// Names in the order they first appear along the table.
template <class Items>
std::vector<std::string> namesOf(const std::vector<RowEvaluation>& rows, Items items) {
  std::vector<std::string> names;
  for (const RowEvaluation& e : rows) {
    for (const auto& item : items(e)) {
      if (std::find(names.begin(), names.end(), item.name) == names.end())
        names.push_back(item.name);
    }
  }
  return names;
}

}  // namespace

CandidatesModel::CandidatesModel(QObject* parent) : QAbstractTableModel(parent) {}

void CandidatesModel::setExplanation(Explanation x, const NumberLocale& locale) {
  beginResetModel();
  x_ = std::move(x);
  locale_ = locale;
  criteria_ = namesOf(x_.rows, [](const RowEvaluation& e) { return e.criteria; });
  results_ = namesOf(
      x_.rows, [](const RowEvaluation& e) { return e.results.value_or(std::vector<Figure>{}); });
  // A result named like a criterion already shows in that criterion's column.
  std::erase_if(results_, [this](const std::string& r) {
    return std::find(criteria_.begin(), criteria_.end(), r) != criteria_.end();
  });
  endResetModel();
}

int CandidatesModel::chosenRow() const {
  for (std::size_t k = 0; k < x_.rows.size(); ++k) {
    if (x_.rows[k].chosen) return static_cast<int>(k);
  }
  return -1;
}

int CandidatesModel::criterionColumn(const std::string& name) const {
  const auto at = std::find(criteria_.begin(), criteria_.end(), name);
  return at == criteria_.end() ? -1 : 2 + static_cast<int>(at - criteria_.begin());
}

int CandidatesModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(x_.rows.size());
}

int CandidatesModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(2 + criteria_.size() + results_.size());
}

const Criterion* CandidatesModel::criterionAt(const RowEvaluation& e, int column) const {
  const std::string& name = criteria_.at(static_cast<std::size_t>(column - 2));
  for (const Criterion& k : e.criteria) {
    if (k.name == name) return &k;
  }
  return nullptr;
}

QVariant CandidatesModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const RowEvaluation& e = x_.rows[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  if (role == Qt::FontRole && e.chosen) {
    QFont bold;
    bold.setBold(true);
    return bold;
  }
  if (column >= 2 && column < 2 + static_cast<int>(criteria_.size()))
    return criterionData(e, column, role);
  if (column >= 2) return resultData(e, column, role);

  switch (role) {
    case Qt::DisplayRole:
      if (column == kPartColumn) return q(e.part);
      return e.chosen ? QStringLiteral("%1 (chosen)").arg(e.row) : QString::number(e.row);
    case Qt::ToolTipRole:
      return e.chosen ? QStringLiteral("The core the design takes") : QVariant();
    case Qt::BackgroundRole:
      return e.chosen ? QVariant(chosenColors().background) : QVariant();
    case Qt::ForegroundRole:
      return e.chosen ? QVariant(chosenColors().text) : QVariant();
    default:
      return {};
  }
}

QVariant CandidatesModel::criterionData(const RowEvaluation& e, int column, int role) const {
  const Criterion* k = criterionAt(e, column);
  if (!k) {
    if (role == Qt::DisplayRole) return QStringLiteral("-");
    if (role == Qt::ToolTipRole)
      return QStringLiteral("The search does not look at this figure for this row");
    if (role == Qt::TextAlignmentRole) return int(Qt::AlignCenter);
    return {};
  }
  const VerdictColors colors = k->pass ? passColors() : failColors();
  switch (role) {
    case Qt::DisplayRole:
      return figureText(k->value * figureWords(x_.type, k->name).scale, locale_) +
             (k->pass ? QStringLiteral("  pass") : "  FAIL");
    case Qt::ToolTipRole:
      return QStringLiteral("%1 %2 %3 %4: %5, margin %6")
          .arg(q(k->name), figureText(k->value, locale_, 6), comparisonSymbol(k->comparison),
               figureText(k->limit, locale_, 6), k->pass ? "pass" : "fail",
               marginText(k->margin, locale_));
    case Qt::BackgroundRole:
      return colors.background;
    case Qt::ForegroundRole:
      return colors.text;
    case Qt::TextAlignmentRole:
      return int(Qt::AlignRight | Qt::AlignVCenter);
    case PassRole:
      return k->pass;
    default:
      return {};
  }
}

QVariant CandidatesModel::resultData(const RowEvaluation& e, int column, int role) const {
  const std::string& name = results_.at(static_cast<std::size_t>(column - 2) - criteria_.size());
  if (role == Qt::TextAlignmentRole) return int(Qt::AlignRight | Qt::AlignVCenter);
  if (e.chosen && role == Qt::BackgroundRole) return chosenColors().background;
  if (e.chosen && role == Qt::ForegroundRole) return chosenColors().text;
  if (role != Qt::DisplayRole || !e.results) return {};
  for (const Figure& f : *e.results) {
    if (f.name == name) return figureText(f.value * figureWords(x_.type, name).scale, locale_);
  }
  return {};
}

// The comparison each row is held to, with the rows where it changes:
// "AL x N^2 >= 0.8 (rows 1 to 11), > 0.8 (rows 12 to 26)".
QString CandidatesModel::ruleText(const std::string& criterion) const {
  struct Run {
    QString rule;
    int first, last;
  };
  std::vector<Run> runs;
  for (const RowEvaluation& e : x_.rows) {
    for (const Criterion& k : e.criteria) {
      if (k.name != criterion) continue;
      const QString rule = QStringLiteral("%1 %2").arg(comparisonSymbol(k.comparison),
                                                       figureText(k.limit, locale_, 6));
      if (!runs.empty() && runs.back().rule == rule) {
        runs.back().last = e.row;
      } else {
        runs.push_back({rule, e.row, e.row});
      }
    }
  }
  QStringList parts;
  for (const Run& r : runs) {
    parts << (runs.size() > 1
                  ? QStringLiteral("%1 (rows %2 to %3)").arg(r.rule).arg(r.first).arg(r.last)
                  : r.rule);
  }
  return QStringLiteral("A core passes when its %1 is %2").arg(q(criterion), parts.join(", "));
}

QVariant CandidatesModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) return {};
  const auto criteria = static_cast<int>(criteria_.size());
  if (role == Qt::DisplayRole) {
    if (section == kRowColumn) return QStringLiteral("Row");
    if (section == kPartColumn) return QStringLiteral("Part");
    const std::string& name = section < 2 + criteria
                                  ? criteria_[static_cast<std::size_t>(section - 2)]
                                  : results_[static_cast<std::size_t>(section - 2 - criteria)];
    return q(figureWords(x_.type, name).heading);
  }
  if (role == Qt::ToolTipRole) {
    if (section == kRowColumn) return QStringLiteral("The record of the core table, from 1");
    if (section == kPartColumn) return QStringLiteral("The part number the window would show");
    if (section < 2 + criteria) return ruleText(criteria_[static_cast<std::size_t>(section - 2)]);
    const FigureWords w =
        figureWords(x_.type, results_[static_cast<std::size_t>(section - 2 - criteria)]);
    return (w.meaning.empty() ? QString() : q(w.meaning) + QStringLiteral(": ")) +
           QStringLiteral("what the design would show for a core that meets every criterion");
  }
  return {};
}

QString CandidatesModel::requirementText(const std::string& type, const Figure& f,
                                         const NumberLocale& locale) {
  const FigureWords w = figureWords(type, f.name);
  return QStringLiteral("%1 = %2%3")
      .arg(q(f.name), figureText(f.value * w.scale, locale, 6),
           w.unit.empty() ? QString() : QStringLiteral(" ") + q(w.unit));
}

}  // namespace windara::gui
