#pragma once
// The design window. It holds no design state: it mirrors the Form model
// into its widgets and turns each user action into one call on the model.

#include <QIcon>
#include <QImage>
#include <QMainWindow>
#include <exception>
#include <functional>
#include <string>
#include <vector>

#include "app/app.h"
#include "files/design_file.h"
#include "files/report_blocks.h"
#include "gui/syncing_dialogs.h"

class QAction;
class QCloseEvent;
class QKeyEvent;
class QShowEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;

namespace windara::gui {

// The file type the PDF exports offer.
inline constexpr char kPdfFilter[] = "PDF Files (*.pdf)";

class ElidedLabel;
class ExplorerWindow;

class WindaraWindow : public QMainWindow {
  Q_OBJECT

 public:
  // `dialogs` must be the Dialogs of the app's session: the window brings
  // itself up to date through it before every box is shown.
  WindaraWindow(App& app, SyncingDialogs& dialogs, QWidget* parent = nullptr);
  ~WindaraWindow() override;

  // Copies every control's state from the model into the widgets.
  void sync();

  // Print to the default printer; open the help at its Contents or Index.
  void printDesign();
  void showHelpContents();
  void showHelpIndex();

  // Called with the reason when a user action ends in an unexpected
  // exception; by default a critical box tells the user.
  std::function<void(const std::string&)> onActionError;

  // Runs after every user action that recalculated the design.
  std::function<void()> onCalculated;

  // True while an input has changed since the results were calculated.
  bool resultsOutOfDate() const { return stale_; }
  // The design file last opened or saved while the form holds its type, shown
  // in the status bar; "" once another type is chosen.
  const QString& currentFile() const { return currentFile_; }

  // The spec'd report written into a PDF file the user names.
  void exportReportPdf();
  // Asks where to write a PDF, offering a path; "" when the user cancels.
  std::function<QString(const QString& suggested)> askPdfPath;

  // The engineering report of the calculation on the form into a PDF file the
  // user names, with the picture of the last sweep when there is one.
  void exportEngineeringReport();
  // The plot of the sweep last run, or a null image when none was run.
  std::function<QImage()> sweepPlot;
  // The report's section on the requirement the form's design was advised to, if any.
  std::function<std::vector<Block>()> requirementSection;

  // Puts a design on the form as Open Design does and calculates.
  void putDesign(DesignFileContents design);

  // Opens a design file already chosen, as Open Design does after its dialog.
  void openRecent(const QString& path);

  // Opens the Design Explorer (made at the first call) or brings it to the front.
  void showExplorer();
  // The Design Explorer once it has been opened, else null.
  ExplorerWindow* explorer() const { return explorer_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  // Runs a model call for a user action; an unexpected exception is told, and
  // the widgets follow the model either way.
  template <class F>
  void act(F&& modelCall) {
    try {
      modelCall();
    } catch (const std::exception& e) {
      sync();
      if (onActionError) onActionError(e.what());
    }
    sync();
  }

  QLabel* label(Label& model, const char* name);
  QLineEdit* input(TextBox& model, const char* name);
  QLineEdit* output(TextBox& model, const char* name, bool number);
  QLineEdit* box(TextBox& model, const char* name, int digits);
  QRadioButton* option(OptionButton& model);
  QGroupBox* frame(Frame& model, const char* name);
  QGroupBox* optionFrame(Frame& model, const char* name, Group group);
  QPushButton* command(CommandButton& model, const char* name);
  QAction* menuItem(QMenu* menu, MenuItem& model);
  void buildForm();
  QWidget* buildHeader();
  void buildMenus();
  void buildTabOrder();
  void buildStatusBar();
  void keepModeWidths();
  void fitToScreen();
  void syncIcon();
  void syncFreshness();
  void showChecksStatus();
  void setCurrentFile(const std::string& path);
  void syncFileName();
  void fillRecentMenu();
  void calculate();
  QString suggestedPdfPath(const QString& suffix = QString()) const;

  App& app_;
  SyncingDialogs& dialogs_;
  std::string iconFile_;
  long calculationsShown_ = 0;
  bool stale_ = false;
  bool fitted_ = false;
  QString currentFile_;
  DesignFileContents fileDesign_;
  QString pdfDialogTitle_;
  QLabel* staleLabel_ = nullptr;
  ElidedLabel* checksLabel_ = nullptr;
  QLabel* fileLabel_ = nullptr;
  QMenu* recentMenu_ = nullptr;
  ExplorerWindow* explorer_ = nullptr;
  QWidget* content_ = nullptr;
  std::vector<QLineEdit*> results_;

  std::vector<std::pair<QLabel*, Label*>> labels_;
  std::vector<std::pair<QLineEdit*, TextBox*>> boxes_;
  std::vector<std::pair<QRadioButton*, OptionButton*>> options_;
  std::vector<std::pair<QGroupBox*, Frame*>> frames_;
  std::vector<std::pair<QPushButton*, CommandButton*>> commands_;
  std::vector<std::pair<QAction*, MenuItem*>> menuItems_;
  std::vector<std::pair<QMenu*, MenuItem*>> menus_;
};

}  // namespace windara::gui
