#include <QApplication>
#include <QStandardPaths>
#include <QTest>

#include "gui_test_main.h"

namespace windara::gui::testing {
std::vector<TestFactory>& registeredTests() {
  static std::vector<TestFactory> tests;
  return tests;
}
}  // namespace windara::gui::testing

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  // Settings (last folder, recent designs) go to a test location, never the user's.
  QStandardPaths::setTestModeEnabled(true);
  QApplication::setOrganizationName(QStringLiteral("WindaraTest"));
  QApplication::setApplicationName(QStringLiteral("gui_test"));
  int failed = 0;
  for (const auto& make : windara::gui::testing::registeredTests()) {
    const auto test = make();
    failed += QTest::qExec(test.get(), argc, argv);
  }
  return failed == 0 ? 0 : 1;
}
