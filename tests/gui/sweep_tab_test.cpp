// The explorer's Sweep tab: every point is what Calculate on the form gives
// for that input, gaps and core steps are drawn where the points say, a long
// sweep can be cancelled while the window keeps answering, the exports are
// real files, a bad range is told, and the form is never touched.

#include <QApplication>
#include <QAreaSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QGraphicsSimpleTextItem>
#include <QHelpEvent>
#include <QImage>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTimer>
#include <QToolTip>
#include <QValueAxis>
#include <cmath>
#include <limits>
#include <map>
#include <memory>

#include "gui/explorer_window.h"
#include "gui/sweep_chart.h"
#include "gui/sweep_runs.h"
#include "gui/sweep_tab.h"
#include "gui_test_main.h"
#include "sweep/named_boxes.h"
#include "sweep/shown_number.h"
#include "window_fixture.h"

namespace windara::gui::testing {

namespace {

// A sweep as the user sets it up: the mode, the box varied and the range.
struct Sweep {
  const char* mode;
  const char* box;
  const char* from;
  const char* to;
  const char* count;
  bool log = false;
};

// The fields of one CSV line (RFC 4180: quoted fields may hold commas and doubled quotes).
QStringList csvFields(const QString& line) {
  QStringList fields(1);
  bool quoted = false;
  for (qsizetype i = 0; i < line.size(); ++i) {
    const QChar c = line[i];
    if (quoted && c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
      fields.back() += '"';
      ++i;
    } else if (c == '"') {
      quoted = !quoted;
    } else if (c == ',' && !quoted) {
      fields << QString();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

// Each row of a sweep's CSV as a map from the header's names to the fields.
std::vector<std::map<QString, QString>> csvRows(const SweepOutcome& o) {
  QFile file(o.csv->fileName());
  if (!file.open(QIODevice::ReadOnly)) return {};
  QStringList lines = QString::fromUtf8(file.readAll()).split("\r\n");
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();
  std::vector<std::map<QString, QString>> rows;
  if (lines.isEmpty()) return rows;
  const QStringList names = csvFields(lines.takeFirst());
  for (const QString& line : lines) {
    const QStringList fields = csvFields(line);
    std::map<QString, QString>& row = rows.emplace_back();
    for (qsizetype k = 0; k < names.size() && k < fields.size(); ++k)
      row[names[k]] = fields[k];
  }
  return rows;
}

// The plotted value is the box's number, or the design's own figure that the
// box shows rounded to its last digit (a single-precision figure may round
// either way at its seventh digit).
bool showsAs(double plotted, const QString& shown, const NumberLocale& locale) {
  const std::optional<double> v = shownNumber(shown.toStdString(), locale);
  if (!v) return std::isnan(plotted);
  const qsizetype point = shown.indexOf(QChar(locale.decimal));
  const qsizetype digits = point < 0 ? 0 : shown.size() - point - 1 - shown.endsWith('%');
  return std::fabs(plotted - *v) <= 0.5 * std::pow(10.0, -double(digits)) + std::fabs(*v) * 1e-6;
}

}  // namespace

class SweepTabTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<WindowFixture> fx;

  ExplorerWindow* explorer() { return fx->window.explorer(); }
  SweepTab& tab() { return explorer()->sweepTab(); }
  template <class T>
  T* control(const char* name) {
    return explorer()->findChild<T*>(QString::fromLatin1(name));
  }

  void type(QLineEdit* w, const QString& text) {
    w->setFocus();
    w->selectAll();
    QTest::keyClick(w, Qt::Key_Delete);
    QTest::keyClicks(w, text);
  }
  void calculate() { clickOn(fx->widget<QPushButton>("cmdCalculate")); }

  // The mode chosen on the form and the sweep's controls set as a user would.
  void setUp(const Sweep& s) {
    clickOn(fx->widget<QRadioButton>(s.mode));
    int index = 0;
    while (std::string_view(kInputBoxes[static_cast<std::size_t>(index)].name) != s.box)
      ++index;
    control<QComboBox>("sweepInput")->setCurrentIndex(index);
    type(control<QLineEdit>("sweepFrom"), s.from);
    type(control<QLineEdit>("sweepTo"), s.to);
    type(control<QLineEdit>("sweepCount"), s.count);
    clickOn(control<QRadioButton>(s.log ? "sweepLog" : "sweepLinear"));
  }

  // Runs the sweep set up and waits for its end; the form must not change.
  const SweepOutcome& runAndWait() {
    const QString before = fx->formState();
    clickOn(control<QPushButton>("sweepRun"));
    [&] { QTRY_VERIFY_WITH_TIMEOUT(!tab().job().running(), 60000); }();
    [&] { QCOMPARE(fx->formState(), before); }();
    return tab().job().outcome();
  }

  // The form's answer for one point: the design's own value calculated (a
  // point the form refused leaves it half done), then the point's typed and
  // Calculate pressed.
  void expectSameAsCalculate(const char* box, const QString& designs,
                             const std::map<QString, QString>& row, const SweepPlotPoint& plotted) {
    type(fx->widget<QLineEdit>(box), designs);
    calculate();
    fx->scripted.clear();
    type(fx->widget<QLineEdit>(box), row.at(box));
    calculate();
    const QString where = QString("%1 = %2").arg(box, row.at(box));
    const QByteArray why = where.toUtf8();
    if (!row.at("invalid").isEmpty()) {
      // The form asks again where the sweep marked the point invalid (the
      // script has no answer, so the action ends there).
      QCOMPARE(fx->errors.size(), std::size_t(1));
      QVERIFY2(QString::fromStdString(fx->errors.front()).contains(row.at("invalid")), why);
      fx->errors.clear();
      QVERIFY(!plotted.found);
      QCOMPARE(QString::fromStdString(plotted.reason), row.at("invalid"));
      return;
    }
    QStringList titles;
    for (const DialogEvent& e : fx->scripted.events())
      titles << QString::fromStdString(e.title);
    QCOMPARE(titles.join("; "), row.at("messages"));
    for (std::size_t k = 0; k < kOutputBoxes.size(); ++k) {
      // A hidden box keeps what earlier modes left in it: only what the form shows counts.
      if (fx->widget<QLineEdit>(kOutputBoxes[k].name)->isHidden()) continue;
      const QString shown = fx->widget<QLineEdit>(kOutputBoxes[k].name)->text();
      QVERIFY2(shown == row.at(kOutputBoxes[k].name),
               qPrintable(where + " " + kOutputBoxes[k].name));
      QVERIFY2(showsAs(plotted.values[k], shown, fx->session.locale),
               qPrintable(QString("%1 %2: %3 plotted as %4")
                              .arg(where, kOutputBoxes[k].name, shown)
                              .arg(plotted.values[k], 0, 'g', 17)));
    }
    const bool found = fx->widget<QLineEdit>("txtCore")->text() != "N/A";
    QCOMPARE(plotted.found, found);
    QCOMPARE(row.at("found"), QString(found ? "true" : "false"));
    QCOMPARE(QString::fromStdString(plotted.core), fx->widget<QLineEdit>("txtCore")->text());
  }

  // The line pieces drawn for a quantity, by its caption.
  std::vector<QLineSeries*> linesOf(const QString& caption) {
    std::vector<QLineSeries*> out;
    for (QAbstractSeries* s : tab().chart().chart()->series()) {
      if (auto* line = qobject_cast<QLineSeries*>(s); line && line->name() == caption)
        out.push_back(line);
    }
    return out;
  }

 private slots:
  void init() {
    fx = std::make_unique<WindowFixture>();
    fx->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&fx->window));
    fx->window.showExplorer();
    QVERIFY(QTest::qWaitForWindowExposed(explorer()));
    explorer()->tabs().setCurrentWidget(&tab());
  }
  void cleanup() {
    if (fx && !fx->errors.empty()) QFAIL(fx->errors.front().c_str());
    fx.reset();
  }

  void everyPointIsWhatCalculateGives() {
    const Sweep sweeps[] = {
        // Past 2000 turns no core is large enough.
        {"optSMPS", "txtRatio", "100", "3000", "6"},
        {"optSMPS", "txtFrequency", "-50", "50", "3"},
        // Under about 30 turns no core is large enough; above, the core steps down and up.
        {"optTradCT", "txtRatio", "2", "5000", "6", true},
        {"optTradCT", "txtPriCurrent", "1", "100", "4"},
        // Turns of 0 and below are refused; 2 turns need too large a core.
        {"optHall", "txtRatio", "-2", "2", "5"},
        {"optHall", "txtPriCurrent", "1", "3000", "5", true},
    };
    for (const Sweep& s : sweeps) {
      setUp(s);
      calculate();
      const QString before = fx->formState();
      const SweepOutcome& o = runAndWait();
      QVERIFY(o.error.empty() && !o.cancelled);
      const auto rows = csvRows(o);
      QCOMPARE(static_cast<qsizetype>(rows.size()),
               control<QLineEdit>("sweepCount")->text().toLongLong());
      QCOMPARE(o.points.size(), rows.size());
      const QString original = fx->widget<QLineEdit>(s.box)->text();
      for (std::size_t i = 0; i < rows.size() && !QTest::currentTestFailed(); ++i)
        expectSameAsCalculate(s.box, original, rows[i], o.points[i]);
      if (QTest::currentTestFailed()) return;
      // The form put back shows what it showed (a hidden box a calculation
      // only empties may have been emptied).
      type(fx->widget<QLineEdit>(s.box), original);
      calculate();
      fx->scripted.clear();
      const auto shown = [](const QString& state) {
        return state.section("\ncalculations=", 0, 0).split('\n').filter(" shown");
      };
      QCOMPARE(shown(fx->formState()), shown(before));
    }
  }

  void linesBreakWhereNoCoreFitsAndStepWhereTheCoreChanges() {
    const Sweep sweeps[] = {{"optSMPS", "txtRatio", "100", "3000", "30"},
                            {"optTradCT", "txtRatio", "2", "5000", "40", true},
                            {"optHall", "txtPriCurrent", "1", "3000", "30", true}};
    for (const Sweep& s : sweeps) {
      setUp(s);
      const SweepOutcome& o = runAndWait();
      const SweepChart& chart = tab().chart();
      // The first output, ticked from the start, is a box of the form.
      const QListWidgetItem* first = control<QListWidget>("sweepOutputs")->item(0);
      const QString caption = first->text();
      std::size_t value = 0;
      while (first->data(Qt::UserRole + 1).toString() != kOutputBoxes[value].name)
        ++value;
      // One piece of line per run of points with a core, and none through a point without.
      std::size_t runs = 0;
      for (std::size_t i = 0; i < o.points.size(); ++i)
        runs += o.points[i].found && std::isfinite(o.points[i].values[value]) &&
                (i == 0 || !o.points[i - 1].found);
      const std::vector<QLineSeries*> lines = linesOf(caption);
      QCOMPARE(lines.size(), runs);
      std::size_t drawn = 0;
      for (QLineSeries* line : lines) {
        for (const QPointF& at : line->points()) {
          const auto p = std::find_if(o.points.begin(), o.points.end(),
                                      [&](const SweepPlotPoint& q) { return q.x == at.x(); });
          QVERIFY(p != o.points.end() && p->found);
          QCOMPARE(at.y(), p->values[value]);
          ++drawn;
        }
      }
      const auto withCore = std::count_if(o.points.begin(), o.points.end(),
                                          [](const SweepPlotPoint& p) { return p.found; });
      QCOMPARE(static_cast<qsizetype>(drawn), static_cast<qsizetype>(withCore));

      // Each gap is shaded and says why, in the calculation's words.
      const auto gaps = gapRuns(o.points);
      QVERIFY2(!gaps.empty(), s.box);
      std::size_t bands = 0;
      for (QAbstractSeries* series : tab().chart().chart()->series())
        bands += qobject_cast<QAreaSeries*>(series) != nullptr;
      QCOMPARE(bands, gaps.size());
      const auto rows = csvRows(o);
      for (const auto& [first, end] : gaps) {
        const QString told = chart.gapText(first, end);
        for (std::size_t i = first; i < end; ++i)
          QVERIFY2(told.contains(rows[i].at("messages")), qPrintable(told));
      }

      // A step wherever the core of the points with one changes, carrying the new part number.
      QStringList changes;
      QString last;
      for (const auto& row : rows) {
        if (row.at("found") != "true") continue;
        if (!last.isEmpty() && row.at("txtCore") != last) changes << row.at("txtCore");
        last = row.at("txtCore");
      }
      QStringList steps, labels;
      for (const SweepStep& step : chart.steps()) {
        steps << step.part;
        QCOMPARE(QString::fromStdString(o.points[step.after].core), step.part);
        QVERIFY(o.points[step.before].core != o.points[step.after].core);
        QVERIFY(std::min(o.points[step.before].x, o.points[step.after].x) <= step.x);
        QVERIFY(std::max(o.points[step.before].x, o.points[step.after].x) >= step.x);
      }
      for (const QGraphicsSimpleTextItem* label : chart.stepLabels())
        labels << label->text();
      QCOMPARE(steps, changes);
      QCOMPARE(labels, changes);
    }
  }

  void stepLabelsStandOverTheirStepsClearOfTheLinesAndEachOther() {
    // Hundreds of turns steps through many cores, some only a few pixels apart.
    setUp({"optSMPS", "txtRatio", "2", "5000", "400", true});
    runAndWait();
    QTest::qWait(50);
    QChart* chart = tab().chart().chart();
    const std::vector<SweepStep>& steps = tab().chart().steps();
    QVERIFY(steps.size() > 10);
    const std::vector<QGraphicsSimpleTextItem*>& labels = tab().chart().stepLabels();
    QCOMPARE(labels.size(), steps.size());
    const QRectF area = chart->plotArea();
    std::vector<QRectF> shown;
    for (std::size_t k = 0; k < labels.size(); ++k) {
      if (!labels[k]->isVisible()) continue;
      const QRectF at = labels[k]->sceneBoundingRect();
      const QPointF line = chart->mapToPosition(QPointF(steps[k].x, 0), chart->series().front());
      // Over its step (held inside the plot's width at the ends), above the plot's lines.
      QVERIFY2(std::fabs(at.center().x() - line.x()) < 2 || at.left() <= area.left() + 1 ||
                   at.right() >= area.right() - 1,
               qPrintable(steps[k].part));
      QVERIFY(at.bottom() <= area.top() && at.top() >= 0);
      for (const QRectF& other : shown)
        QVERIFY2(!other.intersects(at), qPrintable(steps[k].part));
      shown.push_back(at);
    }
    QVERIFY(shown.size() > 3);
  }

  void hoverTellsThePointsValuesAndWhyNoCoreFits() {
    setUp({"optSMPS", "txtRatio", "100", "3000", "30"});
    const SweepOutcome& o = runAndWait();
    SweepChart& view = tab().chart();
    QChart* chart = view.chart();
    QTest::qWait(50);
    const auto hoverAt = [&](QPointF value, QAbstractSeries* series) {
      const QPoint at = view.mapFromScene(chart->mapToScene(chart->mapToPosition(value, series)));
      // Moved as the window system moves it: QTest's move does not reach the scene.
      QMouseEvent move(QEvent::MouseMove, QPointF(at), view.viewport()->mapToGlobal(QPointF(at)),
                       Qt::NoButton, Qt::NoButton, Qt::NoModifier);
      QApplication::sendEvent(view.viewport(), &move);
      return QTest::qWaitFor([] { return QToolTip::isVisible(); }, 2000);
    };
    // Over the middle of the gap: why no core fits there.
    const auto gap = gapRuns(o.points).front();
    QAreaSeries* band = nullptr;
    for (QAbstractSeries* s : chart->series()) {
      if (!band) band = qobject_cast<QAreaSeries*>(s);
    }
    QVERIFY(band);
    const double middle = (o.points[gap.first].x + o.points[gap.second - 1].x) / 2;
    auto* y = qobject_cast<QValueAxis*>(band->attachedAxes().back());
    QVERIFY(hoverAt(QPointF(middle, (y->min() + y->max()) / 2), band));
    QCOMPARE(QToolTip::text(), view.gapText(gap.first, gap.second));
    QVERIFY(QToolTip::text().contains(QString::fromStdString(o.points[gap.first].reason)));
    // Resting there, the tip stays the gap's rather than the view's hint.
    QHelpEvent rest(QEvent::ToolTip, QPoint(5, 5), view.viewport()->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(view.viewport(), &rest);
    QCOMPARE(QToolTip::text(), view.gapText(gap.first, gap.second));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());

    // On a point of the line: its input, its core and the value plotted.
    QLineSeries* line = linesOf(control<QListWidget>("sweepOutputs")->item(0)->text()).front();
    const std::size_t i = 3;
    QVERIFY(o.points[i].found);
    QVERIFY(hoverAt(line->at(static_cast<qsizetype>(i)), line));
    QCOMPARE(QToolTip::text(), view.pointText(i));
    QVERIFY(QToolTip::text().contains(QString::fromStdString(o.points[i].core)));
  }

  void runsOfPointsSplitAtEveryPointWithoutACoreOrAValue() {
    constexpr double none = std::numeric_limits<double>::quiet_NaN();
    // Worked by hand: cores A A - A(no value) B - - B, x = 1..8.
    std::vector<SweepPlotPoint> points(8);
    const char* cores[] = {"A", "A", "N/A", "A", "B", "N/A", "N/A", "B"};
    for (std::size_t i = 0; i < points.size(); ++i) {
      points[i].x = double(i + 1);
      points[i].core = cores[i];
      points[i].found = points[i].core != "N/A";
      points[i].values.fill(double(i));
    }
    points[3].values[0] = none;
    using Runs = SweepRuns;
    QCOMPARE(lineRuns(points, 0), (Runs{{0, 2}, {4, 5}, {7, 8}}));
    QCOMPARE(lineRuns(points, 1), (Runs{{0, 2}, {3, 5}, {7, 8}}));
    QCOMPARE(gapRuns(points), (Runs{{2, 3}, {5, 7}}));
    // A to B between neighbours 4 and 5: at 4.5, or sqrt(4 x 5) on a log axis;
    // B after the gap stays B: no step.
    const std::vector<SweepStep> steps = coreSteps(points, false);
    QCOMPARE(steps.size(), std::size_t(1));
    QCOMPARE(steps[0].x, 4.5);
    QCOMPARE(steps[0].part, QString("B"));
    QCOMPARE(coreSteps(points, true)[0].x, std::sqrt(20.0));
    // A core that comes back after a gap changed there: the step is where it starts.
    points[7].core = "C";
    QCOMPARE(coreSteps(points, false).back().x, 8.0);
    QCOMPARE(coreSteps(points, false).back().before, std::size_t(4));
  }

  void aLongLineIsThinnedButKeepsItsEndsAndExtremes() {
    // x = 0..10000, values i mod 7 with a spike of 1000 at 5000 and a dip of -50 at 7000.
    std::vector<SweepPlotPoint> points(10001);
    for (std::size_t i = 0; i < points.size(); ++i) {
      points[i].x = double(i);
      points[i].found = true;
      points[i].values.fill(double(i % 7));
    }
    points[5000].values[0] = 1000;
    points[7000].values[0] = -50;
    const QList<QPointF> drawn = drawnPoints(points, 0, points.size(), 0);
    // Slices of ceil(10001 / 2000) = 6 points, at most two from each, and the ends.
    QVERIFY(drawn.size() <= 2 * 1667 + 2);
    QCOMPARE(drawn.front(), QPointF(0, 0));
    QCOMPARE(drawn.back(), QPointF(10000, 10000 % 7));
    QVERIFY(drawn.contains(QPointF(5000, 1000)));
    QVERIFY(drawn.contains(QPointF(7000, -50)));
    for (qsizetype k = 1; k < drawn.size(); ++k)
      QVERIFY(drawn[k].x() > drawn[k - 1].x());
    // A short run is drawn point for point.
    const QList<QPointF> whole = drawnPoints(points, 4998, 5003, 0);
    QCOMPARE(whole, (QList<QPointF>{{4998, 0}, {4999, 1}, {5000, 1000}, {5001, 3}, {5002, 4}}));
  }

  void tenThousandPointsNeverHoldUpTheWindow() {
    // Every output plotted, over a range with many core steps and a gap.
    setUp({"optSMPS", "txtRatio", "2", "5000", "10000", true});
    auto* outputs = control<QListWidget>("sweepOutputs");
    for (int k = 0; k < outputs->count(); ++k)
      outputs->item(k)->setCheckState(Qt::Checked);
    QElapsedTimer clock;
    clock.start();
    qint64 longest = 0, lastTick = 0;
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&] {
      longest = std::max(longest, clock.elapsed() - lastTick);
      lastTick = clock.elapsed();
    });
    tick.start(10);
    const SweepOutcome& o = runAndWait();
    QTest::qWait(100);
    tick.stop();
    QCOMPARE(o.points.size(), std::size_t(10000));
    QVERIFY2(longest < 300,
             qPrintable(QString("longest pause %1 ms of %2 ms").arg(longest).arg(clock.elapsed())));
    QCOMPARE(linesOf(outputs->item(0)->text()).size(), lineRuns(o.points, 0).size());
  }

  void aLongSweepCancelsPromptlyAndTheWindowKeepsAnswering() {
    setUp({"optSMPS", "txtPriCurrent", "1", "100", "1000000"});
    const QString before = fx->formState();
    QSignalSpy progress(&tab().job(), &SweepJob::progress);
    QElapsedTimer clock;
    clock.start();
    clickOn(control<QPushButton>("sweepRun"));
    QVERIFY(tab().job().running());
    QVERIFY(!control<QPushButton>("sweepRun")->isEnabled());
    QTRY_VERIFY_WITH_TIMEOUT(progress.size() >= 2, 20000);

    // The window's own timer keeps its pace while the points are calculated.
    qint64 longest = 0, lastTick = clock.elapsed();
    QTimer tick;
    connect(&tick, &QTimer::timeout, [&] {
      longest = std::max(longest, clock.elapsed() - lastTick);
      lastTick = clock.elapsed();
    });
    tick.start(10);
    QTest::qWait(500);
    tick.stop();
    QVERIFY2(longest < 250, qPrintable(QString("longest pause %1 ms").arg(longest)));
    const qint64 bar = control<QProgressBar>("sweepProgress")->value();
    QVERIFY(bar > 0 && bar < control<QProgressBar>("sweepProgress")->maximum());

    QElapsedTimer stopping;
    stopping.start();
    clickOn(control<QPushButton>("sweepCancel"));
    QTRY_VERIFY_WITH_TIMEOUT(!tab().job().running(), 5000);
    QVERIFY2(stopping.elapsed() < 1000, qPrintable(QString("%1 ms").arg(stopping.elapsed())));
    // Progress came at most about every 50 ms, not with every point.
    QVERIFY(progress.size() <= clock.elapsed() / 50 + 3);
    const SweepOutcome& o = tab().job().outcome();
    QVERIFY(o.cancelled);
    QVERIFY(o.points.size() > 0 && o.points.size() < 1000000u);
    QCOMPARE(csvRows(o).size(), o.points.size());
    QVERIFY(control<QLabel>("sweepStatus")->text().startsWith("Cancelled after"));
    QVERIFY(control<QPushButton>("sweepRun")->isEnabled());
    QCOMPARE(fx->formState(), before);
  }

  void theSweepIsExportedAndGoesIntoTheReport() {
    QTemporaryDir dir;
    QStringList asked;
    tab().askPath = [&](const QString& title, const QString&) {
      asked << title;
      // Typed without an extension: the filter's is added.
      return dir.filePath(QString("sweep%1").arg(asked.size()));
    };
    QPushButton* exports[] = {control<QPushButton>("sweepExportCsv"),
                              control<QPushButton>("sweepExportPng"),
                              control<QPushButton>("sweepExportSvg")};
    for (QPushButton* b : exports)
      QVERIFY(!b->isEnabled());
    QVERIFY(fx->window.sweepPlot().isNull());

    setUp({"optSMPS", "txtVoltage", "0.1", "10", "25", true});
    runAndWait();
    for (QPushButton* b : exports)
      clickOn(b);
    QCOMPARE(asked.size(), 3);

    QFile csv(dir.filePath("sweep1.csv"));
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = csv.readAll().split('\n');
    QVERIFY(lines.front().startsWith("txtVoltage,txtFrequency,txtPriCurrent,"));
    // A header, 25 points, and the empty piece after the last line end.
    QCOMPARE(lines.size(), 27);
    QVERIFY(lines.back().isEmpty());
    const QImage png(dir.filePath("sweep2.png"), "PNG");
    QVERIFY(!png.isNull() && png.width() > 0 && png.height() > 0);
    QFile svg(dir.filePath("sweep3.svg"));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    const QByteArray drawing = svg.readAll();
    QVERIFY(drawing.startsWith("<?xml") || drawing.contains("<svg"));
    // A drawing of the plot as the window shows it, with its texts as text.
    const QSvgRenderer svgDrawn(drawing);
    QVERIFY(svgDrawn.isValid());
    QCOMPARE(svgDrawn.viewBox().size(), tab().chart().size());
    QVERIFY(
        drawing.contains(control<QComboBox>("sweepInput")->currentText().toHtmlEscaped().toUtf8()));
    const QString keep = qEnvironmentVariable("WINDARA_SCREENSHOTS");
    if (!keep.isEmpty()) {
      QFile::copy(dir.filePath("sweep2.png"), keep + "/sweep.png");
      QFile::copy(dir.filePath("sweep3.svg"), keep + "/sweep.svg");
    }
    QVERIFY(control<QLabel>("sweepStatus")->text().contains("sweep3.svg"));

    // The report takes the plot as the window shows it.
    const QImage plot = fx->window.sweepPlot();
    QVERIFY(!plot.isNull());
    QCOMPARE(plot.size(), tab().chart().grab().toImage().size());

    // A place that cannot be written is told, not crashed on.
    tab().askPath = [&](const QString&, const QString&) { return dir.filePath("no/such/x.csv"); };
    clickOn(exports[0]);
    QVERIFY(control<QLabel>("sweepStatus")->text().contains("could not be written"));
  }

  void aSweepBelongsToTheDesignItWasRunOn() {
    // Hall Effect swept, then SMPS selected: SMPS's report gets no plot, and the tab says why.
    setUp({"optHall", "txtRatio", "1", "4", "4"});
    runAndWait();
    QVERIFY(!fx->window.sweepPlot().isNull());
    clickOn(fx->widget<QRadioButton>("optSMPS"));
    QVERIFY(fx->window.sweepPlot().isNull());
    QVERIFY(tab().plotOfEarlierDesign());
    QVERIFY(control<QLabel>("sweepEarlier")->isVisible());
    // Alloy S swept, then T: left out; S again, the same design: the plot is back.
    setUp({"optTradCT", "txtVoltage", "4", "6", "3"});
    runAndWait();
    clickOn(fx->widget<QRadioButton>("optQperm"));
    QVERIFY(fx->window.sweepPlot().isNull());
    clickOn(fx->widget<QRadioButton>("optPperm"));
    QVERIFY(!fx->window.sweepPlot().isNull());
    QVERIFY(!control<QLabel>("sweepEarlier")->isVisible());
  }

  void theRangeOfferedIsTheInputsValueInTheCurrentMode() {
    const struct {
      const char* mode;
      int input;
      const char* from;
      const char* to;
      const char* count;
    } offers[] = {
        {"optHall", 0, "1", "4", "50"},        // Max Sensor Vout 2, not SMPS's 0.8
        {"optTradCT", 0, "2.5", "10", "50"},   // Burden R 5
        {"optHall", 4, "1", "2", "2"},         // Primary Turns 1: whole turns only
        {"optTradCT", 4, "50", "200", "151"},  // Turns Ratio 100
        {"optSMPS", 0, "0.25", "1", "50"},     // Output Voltage 0.5
    };
    for (const auto& o : offers) {
      clickOn(fx->widget<QRadioButton>(o.mode));
      control<QComboBox>("sweepInput")->setCurrentIndex(o.input);
      QCOMPARE(control<QLineEdit>("sweepFrom")->text(), QString(o.from));
      QCOMPARE(control<QLineEdit>("sweepTo")->text(), QString(o.to));
      QCOMPARE(control<QLineEdit>("sweepCount")->text(), QString(o.count));
    }
    // A range typed stays through a new value in the same mode, not into another mode.
    type(control<QLineEdit>("sweepFrom"), "0.3");
    type(fx->widget<QLineEdit>("txtVoltage"), "0.6");
    calculate();
    QCOMPARE(control<QLineEdit>("sweepFrom")->text(), QString("0.3"));
    clickOn(fx->widget<QRadioButton>("optHall"));
    QCOMPARE(control<QLineEdit>("sweepFrom")->text(), QString("1"));
  }

  void theAxesStartAtTheRangeAndNameTheirUnitsInRoundTicks() {
    // The accuracy of a Traditional design, its box's caption bare of its unit.
    setUp({"optTradCT", "txtVoltage", "0.25", "3", "12"});
    runAndWait();
    QChart* chart = tab().chart().chart();
    auto* x = qobject_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
    QCOMPARE(x->min(), 0.25);
    QCOMPARE(x->max(), 3.0);
    QCOMPARE(chart->axes(Qt::Vertical).front()->titleText(), QString("Accuracy (%)"));
    for (QAbstractAxis* axis : chart->axes()) {
      auto* ticked = qobject_cast<QCategoryAxis*>(axis);
      QVERIFY(ticked);
      for (const QString& tick : ticked->categoriesLabels())
        QVERIFY2(!tick.contains('e'), qPrintable(tick));
    }
  }

  void aBadRangeIsToldAndNothingRuns() {
    const Sweep bad[] = {{"optSMPS", "txtVoltage", "abc", "1", "10"},
                         {"optSMPS", "txtVoltage", "1", "", "10"},
                         {"optSMPS", "txtVoltage", "1", "2", "1"},
                         {"optSMPS", "txtVoltage", "1", "2", "1000001"},
                         {"optSMPS", "txtVoltage", "1", "2", "2.5"},
                         {"optSMPS", "txtVoltage", "0", "2", "10", true},
                         {"optTradCT", "txtRatio", "-1", "-5", "10", true}};
    const char* told[] = {"FROM 'abc' is not a number",
                          "TO '' is not a number",
                          "COUNT '1' is not a whole number from 2 to 1,000,000",
                          "COUNT '1000001' is not a whole number from 2 to 1,000,000",
                          "COUNT '2.5' is not a whole number from 2 to 1,000,000",
                          "a log range needs FROM and TO above zero",
                          "a log range needs FROM and TO above zero"};
    for (std::size_t k = 0; k < std::size(bad); ++k) {
      setUp(bad[k]);
      const QString before = fx->formState();
      clickOn(control<QPushButton>("sweepRun"));
      QVERIFY(!tab().job().running());
      QCOMPARE(control<QLabel>("sweepStatus")->text(), QString(told[k]));
      QCOMPARE(fx->formState(), before);
    }
    // FROM may equal TO, and lie above it.
    setUp({"optSMPS", "txtVoltage", "2", "1", "3"});
    QCOMPARE(runAndWait().points.size(), std::size_t(3));
    // A colon would cut the range apart: it cannot be typed.
    type(control<QLineEdit>("sweepFrom"), "1:5");
    QCOMPARE(control<QLineEdit>("sweepFrom")->text(), QString("15"));
  }

  void theControlsFollowTheModeAndCanBeReachedByKeyboard() {
    const char* modes[] = {"optSMPS", "optTradCT", "optHall"};
    const char* labels[] = {"lblVout",    "lblFrequency",  "lblIpri",
                            "lblCurDens", "lblTurnsRatio", "lblDuty"};
    for (const char* mode : modes) {
      clickOn(fx->widget<QRadioButton>(mode));
      auto* vary = control<QComboBox>("sweepInput");
      QCOMPARE(vary->count(), 6);
      for (int k = 0; k < 6; ++k)
        QCOMPARE(vary->itemText(k), fx->widget<QLabel>(labels[k])->text());
      // Every output the form shows as a number is offered, then the checks' figures.
      auto* outputs = control<QListWidget>("sweepOutputs");
      QStringList offered;
      for (int k = 0; k < outputs->count(); ++k)
        offered << outputs->item(k)->text();
      QVERIFY(offered.contains(fx->widget<QLabel>("lblActL")->text()));
      QVERIFY(!offered.contains(fx->widget<QLabel>("lblCore")->text()));
      QCOMPARE(offered.contains(fx->widget<QLabel>("lblAL")->text()),
               fx->widget<QLabel>("lblAL")->isVisible());
      QVERIFY(offered.filter("(%)").size() + offered.filter("Gauss").size() >= 1);
    }
    // Tab steps through the controls in reading order, each with a tooltip,
    // and the access keys of the whole explorer differ.
    const char* order[] = {"sweepInput",  "sweepFrom",      "sweepTo",        "sweepCount",
                           "sweepLinear", "sweepLog",       "sweepOutputs",   "sweepRun",
                           "sweepCancel", "sweepExportCsv", "sweepExportPng", "sweepExportSvg"};
    for (std::size_t k = 0; k < std::size(order); ++k) {
      QWidget* w = control<QWidget>(order[k]);
      QVERIFY2(!w->toolTip().isEmpty(), order[k]);
      if (k + 1 == std::size(order)) continue;
      // The next widget Tab can stop at, enabled or not.
      QWidget* next = w->nextInFocusChain();
      while (!(next->focusPolicy() & Qt::TabFocus))
        next = next->nextInFocusChain();
      QCOMPARE(next->objectName(), QString(order[k + 1]));
    }
    QVERIFY(!control<QWidget>("sweepChart")->toolTip().isEmpty());
    // An access key works only while its widget shows: the tab titles and one tab's own
    // controls at a time must not share one.
    QTabWidget& tabs = explorer()->tabs();
    auto keysOf = [](QWidget* w) {
      QStringList texts;
      for (QAbstractButton* b : w->findChildren<QAbstractButton*>())
        texts << b->text();
      for (QLabel* l : w->findChildren<QLabel*>()) {
        if (l->buddy()) texts << l->text();
      }
      QStringList keys;
      for (const QString& t : texts) {
        const qsizetype at = t.indexOf('&');
        if (at >= 0 && at + 1 < t.size()) keys << t.mid(at + 1, 1).toLower();
      }
      return keys;
    };
    QStringList titles;
    for (int k = 0; k < tabs.count(); ++k) {
      const QString t = tabs.tabText(k);
      const qsizetype at = t.indexOf('&');
      if (at >= 0 && at + 1 < t.size()) titles << t.mid(at + 1, 1).toLower();
    }
    QVERIFY(titles.contains("s"));
    for (int k = 0; k < tabs.count(); ++k) {
      QStringList keys = titles + keysOf(tabs.widget(k));
      QCOMPARE(keys.removeDuplicates(), 0);
    }
  }
};

namespace {
const RegisterTest<SweepTabTest> registered;
}

}  // namespace windara::gui::testing

#include "sweep_tab_test.moc"
