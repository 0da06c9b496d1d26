#include "gui/adviser_model.h"

#include <limits>

#include "files/design_file.h"
#include "gui/figure_text.h"
#include "gui/verdict_style.h"
#include "sweep/shown_number.h"

namespace windara::gui {

namespace {

QString q(const std::string& s) {
  return QString::fromStdString(s);
}

}  // namespace

AdviserModel::AdviserModel(QObject* parent) : QAbstractTableModel(parent) {}

void AdviserModel::setCandidates(std::vector<Candidate> candidates, int type,
                                 const NumberLocale& locale) {
  beginResetModel();
  candidates_ = std::move(candidates);
  type_ = type;
  locale_ = locale;
  endResetModel();
}

int AdviserModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(candidates_.size());
}

int AdviserModel::columnCount(const QModelIndex& parent) const {
  if (parent.isValid()) return 0;
  // Only a Traditional design's total losses are judged.
  return type_ == kTypeTraditional ? Losses + 1 : Figure + 1;
}

QString AdviserModel::verdictText(const Candidate& c) {
  QString s = c.pass ? QStringLiteral("Meets") : QStringLiteral("Fails");
  if (c.className) s += QStringLiteral(": class %1").arg(q(*c.className));
  if (!c.pass) {
    QStringList why;
    if (!c.meetsClass && !c.tightest.empty()) why << q(c.tightest);
    for (const std::string& m : c.missed)
      why << q(m);
    if (!why.isEmpty())
      s += (c.className ? QStringLiteral("; ") : QStringLiteral(": ")) +
           why.join(QStringLiteral(", "));
  }
  return s;
}

QVariant AdviserModel::display(const Candidate& c, int column) const {
  switch (column) {
    case Core:
      return q(c.core);
    case Material:
      return q(c.material);
    case Turns:
      return q(formatPattern(c.turns, "###,###,##0", locale_));
    case Verdict:
      return verdictText(c);
    case Margin:
      return marginText(c.margin, locale_);
    case Volume:
      return figureText(c.volumeCm3, locale_, 4);
    case Wire:
      return q(c.wire);
    case Hole:
      return q(c.hole);
    case Figure:
      if (type_ == kTypeTraditional && c.securityFactor)
        return figureText(*c.securityFactor, locale_, 3);
      if (type_ == kTypeSMPS && c.droopPercent) return figureText(*c.droopPercent, locale_, 3);
      if (type_ == kTypeHall && c.saturationMargin) return marginText(*c.saturationMargin, locale_);
      return QString();
    case Losses:
      return q(c.losses);
    default:
      return QVariant();
  }
}

QVariant AdviserModel::sortValue(const Candidate& c, int row, int column) const {
  constexpr double none = std::numeric_limits<double>::quiet_NaN();
  const auto shown = [&](const std::string& text) {
    return shownNumber(text, locale_).value_or(none);
  };
  switch (column) {
    case Rank:
      return row;
    case Core:
    case Material:
      return display(c, column);
    case Turns:
      return c.turns;
    case Verdict:
      // Those that meet the requirement first, then the nearer to it.
      return (c.pass ? 2.0 : c.meetsClass ? 1.0 : 0.0) * 1e6 + c.margin;
    case Margin:
      return c.margin;
    case Volume:
      return c.volumeCm3;
    case Wire:
      return shown(c.wire);
    case Hole:
      return shown(c.hole);
    case Figure:
      return c.securityFactor.value_or(c.droopPercent.value_or(c.saturationMargin.value_or(none)));
    case Losses:
      return shown(c.losses);
    default:
      return QVariant();
  }
}

QVariant AdviserModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return QVariant();
  const Candidate& c = candidates_[static_cast<std::size_t>(index.row())];
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
      return column == Rank ? QVariant(index.row() + 1) : display(c, column);
    case SortRole:
      return sortValue(c, index.row(), column);
    case RankRole:
      return index.row();
    case Qt::ToolTipRole:
      if (column == Verdict || column == Margin)
        return c.tightest.empty() ? verdictText(c)
                                  : QStringLiteral("Tightest check: %1").arg(q(c.tightest));
      return QVariant();
    case Qt::BackgroundRole:
      if (column == Verdict) return (c.pass ? passColors() : failColors()).background;
      return QVariant();
    case Qt::ForegroundRole:
      if (column == Verdict) return (c.pass ? passColors() : failColors()).text;
      return QVariant();
    case Qt::TextAlignmentRole:
      return column == Core || column == Material || column == Verdict
                 ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                 : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    default:
      return QVariant();
  }
}

QVariant AdviserModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return QVariant();
  switch (section) {
    case Rank:
      return QStringLiteral("Rank");
    case Core:
      return QStringLiteral("Core");
    case Material:
      return QStringLiteral("Material");
    case Turns:
      return QStringLiteral("Turns");
    case Verdict:
      return QStringLiteral("Verdict");
    case Margin:
      return QStringLiteral("Tightest margin");
    case Volume:
      return QStringLiteral("Volume (cm3)");
    case Wire:
      return QStringLiteral("Wire (AWG)");
    case Hole:
      return QStringLiteral("Hole left (in)");
    case Figure:
      return type_ == kTypeTraditional ? QStringLiteral("Security factor")
             : type_ == kTypeSMPS      ? QStringLiteral("Droop (%)")
                                       : QStringLiteral("Saturation margin");
    case Losses:
      return QStringLiteral("Total losses (mW)");
    default:
      return QVariant();
  }
}

}  // namespace windara::gui
