#include "cli/explanation_json.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonValue>
#include <QString>
#include <cmath>

namespace windara::cli {

namespace {

QString text(const std::string& s) {
  return QString::fromStdString(s);
}

// A value that is no number (a catalogue cell holding text) is null.
QJsonValue number(double v) {
  return std::isfinite(v) ? QJsonValue(v) : QJsonValue(QJsonValue::Null);
}

QJsonObject figures(const std::vector<Figure>& list) {
  QJsonObject o;
  for (const Figure& f : list)
    o.insert(text(f.name), number(f.value));
  return o;
}

QJsonObject criterion(const Criterion& k) {
  return {{"name", text(k.name)},     {"value", number(k.value)},
          {"limit", number(k.limit)}, {"comparison", comparisonSymbol(k.comparison)},
          {"pass", k.pass},           {"margin", number(k.margin)}};
}

QJsonObject row(const RowEvaluation& e) {
  QJsonArray criteria;
  for (const Criterion& k : e.criteria)
    criteria.append(criterion(k));
  QJsonObject o{{"row", e.row},
                {"part", text(e.part)},
                {"criteria", criteria},
                {"results", e.results ? QJsonValue(figures(*e.results)) : QJsonValue()},
                {"chosen", e.chosen}};
  if (e.accuracyClass) {
    const RowClass& c = *e.accuracyClass;
    o.insert("class", c.name ? QJsonValue(text(*c.name)) : QJsonValue());
    o.insert("class_margin", number(c.margin));
  }
  return o;
}

QJsonValue nearest(const std::optional<Nearest>& n) {
  if (!n) return QJsonValue();
  return QJsonObject{{"row", n->row},
                     {"part", text(n->part)},
                     {"criterion", criterion(n->criterion)},
                     {"advice", text(n->advice)},
                     {"can_help", n->canHelp}};
}

QJsonValue textOrNull(const std::string& s) {
  return s.empty() ? QJsonValue() : QJsonValue(text(s));
}

}  // namespace

QJsonObject explanationJson(const Explanation& x) {
  QJsonArray rows;
  for (const RowEvaluation& e : x.rows)
    rows.append(row(e));
  QJsonArray notes;
  for (const std::string& n : x.notes)
    notes.append(text(n));
  return {{"type", textOrNull(x.type)},
          {"table", textOrNull(x.table)},
          {"requirements", figures(x.requirements)},
          {"rows", rows},
          {"chosen_row", x.chosenRow ? QJsonValue(*x.chosenRow) : QJsonValue()},
          {"nearest", nearest(x.nearest)},
          {"notes", notes}};
}

QByteArray explanationJsonText(const Explanation& x) {
  return QJsonDocument(explanationJson(x)).toJson(QJsonDocument::Indented);
}

}  // namespace windara::cli
