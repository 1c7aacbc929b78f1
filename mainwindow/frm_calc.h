#pragma once

#include <QAction>
#include <QComboBox>
#include <QFrame>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPointer>
#include <QScrollArea>
#include <QTabWidget>
#include <QTextBrowser>

#include <array>
#include <functional>
#include <optional>

#include "engine/calc_types.h"
#include "engine/regional_settings.h"
#include "engine/text_catalog.h"
#include "input_controls.h"
#include "output/print_command.h"
#include "output/save_dialog.h"
#include "output/shown_result.h"
#include "result_grid.h"
#include "settings/app_settings.h"
#include "splitter_bar.h"
#include "window_parts.h"

namespace pecunor {

// What the window asks of the desktop, replaceable so that tests never
// block on a modal dialog or touch the real settings file.
struct WindowServices {
    std::function<DayNumber()> today;
    std::function<void(QWidget* parent, const QString& message)> showError;
    std::function<std::optional<QFont>(QWidget* parent, const QFont& initial)> chooseFont;
    std::function<SaveResult(const AppSettings& settings)> saveSettings;
    // True once an uninstall removed this program while it ran: its
    // settings then go with it.
    std::function<bool()> uninstalledWhileRunning;
    // A Yes/No question; Escape and the default answer No.
    std::function<bool(QWidget* parent, const QString& question)> ask;
    std::function<void(QComboBox* box, QPoint screenTopLeft)> openDatePicker;
    std::function<QString(CalcMethod method)> explanation;
    std::function<void(QWidget* parent)> showHelp;
    std::function<void(QWidget* parent)> showAbout;
    std::function<void()> showProducts;
    std::function<void(QWidget* parent)> copyProgram;
    PrintServices print;
    FileCommandServices files;

    // The desktop's own: today's local date, message boxes, the font dialog,
    // the user's settings file, the compiled-in explanations, the help
    // viewer, the About box and the browser; no date picker.
    static WindowServices desktop(const QString& programFolder);
};

// The main window: the input panel on the left, the result table and the
// explanation on the right, recalculated on every change of an input.
class TfrmCalc : public QMainWindow {
    Q_OBJECT

public:
    TfrmCalc(AppSettings& settings, RegionalSettings regional, WindowServices services);
    ~TfrmCalc() override;

    // Input panel, scrolled where the window is too short for its rows.
    QScrollArea* scrLeft;
    InputPanel* tabLeft;
    QLabel* lblMethod;
    QComboBox* cboMethod;
    QLabel* lblStartDate;
    StartDateBox* cboStartDate;
    QLabel* lblPeriodsAre;
    QComboBox* cboPeriodsAre;
    QLabel* lblPaymentsDue;
    QComboBox* cboPaymentsDue;
    std::array<QLabel*, 4> lblValue;
    std::array<QLineEdit*, 4> txtValue;
    QComboBox* cboInterestPer;
    // Never shown: names the unit box for screen readers.
    QLabel* lblInterestPer;
    SplitterBar* panDiv;
    // Results and explanation.
    QTabWidget* pagRight;
    QWidget* tabCalc;
    QWidget* tabExplain;
    QLabel* lblError;
    SummaryCaptions* lblLeft;
    SummaryValues* lblRight;
    ResultGrid* sgrFin;
    QTextBrowser* rtfExplain;
    // Menu.
    QAction* mnuSaveAsText;
    QAction* mnuSaveAsBitmap;
    QAction* mnuPrint;
    QAction* mnuSetAsWallpaperTiled;
    QAction* mnuSetAsWallpaperCentered;
    QAction* mnuExit;
    QAction* mnuCut;
    QAction* mnuCopy;
    QAction* mnuPaste;
    QAction* mnuSelectAll;
    QAction* mnuHorGridlines;
    QAction* mnuVerGridlines;
    QAction* mnuStretched;
    QAction* mnuHideAbout;
    QAction* mnuChartFont;
    QAction* mnuHelpContents;
    QAction* mnuProducts;
    QAction* mnuCopyProgram;
    QAction* mnuAbout;
    // The save dialog of the File commands, made when first needed.
    QFileDialog* dlgSave = nullptr;

    bool inputsReady() const { return inputsReady_; }
    bool formStarting() const { return formStarting_; }
    int calculationCount() const { return calculationCount_; }
    CalcMethod currentMethod() const;
    // The eight input rows by suffix ("Method", ..., "Value4"): label and value control.
    QLabel* rowLabel(int row) const;
    QWidget* rowControl(int row) const;
    // The inputs, and the summary and table unless the error line is shown.
    ShownResult shownResult() const;
    // The part of the window below the menu bar: what pictures and printouts show.
    QWidget* clientArea() const;

    // The handlers, named after their controls and events.
    void cboMethodChange();
    void txtValue1Change(QObject* sender);
    void prepEdits(QObject* caller);
    void calcChart();
    void iniSettings();
    void setupChanged(QAction* item);
    void mnuFileClick(QAction* item);
    void loadExplanation();
    void mnuHelpContentsClick();
    void FormResize();
    // The Edit menu: opened (sender its menu), an item chosen, or Ctrl+Insert.
    void mnuEditClick(QObject* sender);

    // Puts what the window shows into the settings and stores them, without
    // a question: for a close and for every other end of the run (a signal,
    // the session's end). Nothing is stored, and nothing returned, when an
    // uninstall took this program while it ran.
    std::optional<SaveResult> storeSettings();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormCreate();
    void FormShow();
    bool FormClose();
    bool FormKeyDown(QKeyEvent* event);
    bool FormKeyPress(QKeyEvent* event);
    // The page whose caption underlines the key; none for any other key.
    QWidget* pageOfKey(int key) const;
    void labelClick(QLabel* label);
    void connectEditMenu();
    // Keeps a field's selection while the keyboard visits the menu bar.
    void holdFieldSelection(QObject* watched, QEvent* event);
    // The text field the Edit commands act on: the focused one, or the one
    // the keyboard left for the menus, its selection put back when asked.
    QLineEdit* editTarget(bool restoreSelection);
    void refreshEditItems();
    // What the item does once its state allows it.
    void runEditCommand(QObject* sender);
    // Ctrl+X, Ctrl+C, Ctrl+V and Ctrl+Insert; true when the key was one of them.
    bool editShortcut(QKeyEvent* event);
    void panDivMouseDown();
    void panDivMouseMove(int dx);
    void panDivMouseUp();

    void createInputPanel();
    void createResultPages();
    void createMenu();
    void connectInputs();
    void setTabOrder();
    void restoreMethodInputs(CalcMethod method);
    // Left, Top, Right and Bottom while the window is neither minimised nor maximised.
    void recordNormalRectangle();
    CalcRequest requestFromControls() const;
    void showResult(bool succeeded);
    // The summary and table, or the error line, for the Calculator page's present size.
    void placeResultArea();
    void applyTableFont();
    // Without a stored size, widens the first window just enough for the
    // restored sheet, within the screen.
    void fitFirstSheet();
    // The shown window at that size on a screen, the splitter at its stored percentage.
    void placeWindow(QSize size);
    // The summary lines for the Calculator page's width, shortened where they must be.
    void fitSummaryLabels();
    // The result as the focused input's description; the others get it with the focus.
    void describeInputsBy(const QString& result);
    // True when the input in the panel took a new description.
    bool describeInput(QWidget* input);
    bool summaryToolTip(QLabel* label, QHelpEvent* event);
    bool isInputControl(QObject* object) const;
    QSize clientSize() const;

    AppSettings& settings_;
    RegionalSettings regional_;
    // The engine's texts in the interface language, chosen once.
    const TextCatalog& texts_;
    WindowServices services_;
    bool inputsReady_ = false;
    bool formStarting_ = true;
    bool shown_ = false;
    int calculationCount_ = 0;
    // The splitter's left edge as set at the first show and by drags; a
    // narrower window draws the bar nearer, a wider one where it was.
    int splitterLeft_ = 0;
    // Whether the last calculation showed a table; none yet before the first.
    std::optional<bool> resultSucceeded_;
    struct HeldSelection {
        QPointer<QLineEdit> field;
        int start = 0;
        int length = 0;
    };
    std::optional<HeldSelection> heldSelection_;
    // Per summary line, the whole text of a line shown shortened.
    QStringList summaryTips_;
    // What the inputs are described by: the summary or the error line.
    QString inputsDescription_;
};

}  // namespace pecunor
