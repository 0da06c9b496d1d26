#include "cli/check_tables_command.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>
#include <ostream>

#include "designs/common/table_check.h"

namespace windara::cli {

namespace {

// A row or field counted from 1; 0 means none.
QJsonValue place(int n) {
  return n > 0 ? QJsonValue(n) : QJsonValue(QJsonValue::Null);
}

}  // namespace

std::string checkTablesJson(const TablesCheck& check) {
  QJsonArray findings;
  for (const TableFinding& f : check.findings) {
    findings.append(QJsonObject{{"file", QString::fromStdString(f.file)},
                                {"row", place(f.row)},
                                {"field", place(f.field)},
                                {"problem", QString::fromStdString(f.problem)},
                                {"effect", QString::fromStdString(f.effect)}});
  }
  const QJsonObject root{{"ok", check.findings.empty()}, {"findings", findings}};
  return QJsonDocument(root).toJson(QJsonDocument::Indented).toStdString();
}

int runCheckTables(const std::vector<std::string>& argv, Environment& env) {
  ParsedArgs args;
  std::filesystem::path dir;
  try {
    args = parseArgs(argv, {{"program-dir", true}, {"json", false}});
    if (!args.positional.empty()) throw UsageError("check-tables takes no FILE");
    dir = programDirOption(args, env);
  } catch (const UsageError& e) {
    env.err << "windara-cli: check-tables: " << e.what() << "\nTry 'windara-cli --help'.\n";
    return kExitUsage;
  }

  const TablesCheck check = checkTables(dir);
  if (args.has("json")) {
    env.out << checkTablesJson(check);
  } else if (check.findings.empty()) {
    env.out << "TWC.txt, Ferrite.txt and Hall.txt hold what the core searches rely on\n";
  } else {
    for (const TableFinding& f : check.findings)
      env.out << findingLine(f) << "\n";
  }
  if (check.unreadable) return kExitUsage;
  return check.findings.empty() ? kExitOk : kExitBreach;
}

}  // namespace windara::cli
