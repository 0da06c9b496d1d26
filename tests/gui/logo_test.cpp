// The logo: the shipped picture scaled for the screen, or drawn when missing.

#include <QTest>

#include "gui/logo.h"
#include "gui_test_main.h"

namespace windara::gui::testing {

class LogoTest : public QObject {
  Q_OBJECT

 private slots:
  void theShippedPictureShowsAtTheSizeOfTheDrawnLogo() {
    const QString picture = QStringLiteral(WINDARA_PROGRAM_DIR);
    for (qreal ratio : {1.0, 1.5, 2.0, 3.0, 4.0}) {
      const QPixmap loaded = loadLogo(picture, ratio);
      const QPixmap drawn = drawLogo(ratio);
      QCOMPARE(loaded.devicePixelRatio(), ratio);
      // Logical sizes agree within a pixel of rounding.
      const QSizeF a = loaded.deviceIndependentSize();
      const QSizeF b = drawn.deviceIndependentSize();
      QVERIFY2(qAbs(a.width() - b.width()) <= 1.5 && qAbs(a.height() - b.height()) <= 1.5,
               qPrintable(QStringLiteral("%1x%2 vs %3x%4")
                              .arg(a.width())
                              .arg(a.height())
                              .arg(b.width())
                              .arg(b.height())));
    }
  }

  void aMissingPictureIsDrawn() {
    const QPixmap logo = loadLogo(QStringLiteral("/nonexistent"), 2.0);
    QVERIFY(!logo.isNull());
    QCOMPARE(logo.devicePixelRatio(), 2.0);
  }
};

namespace {
const RegisterTest<LogoTest> registered;
}

}  // namespace windara::gui::testing

#include "logo_test.moc"
