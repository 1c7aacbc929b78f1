#pragma once

#include <QIcon>
#include <QStringList>

#include <memory>

#include "engine/regional_settings.h"
#include "mainwindow/date_picker.h"
#include "mainwindow/frm_calc.h"
#include "settings/app_settings.h"

class QWidget;

namespace pecunor {

// Which program a run is: only the first argument counts, in any case.
// Help shows the help viewer alone, as the help shortcut asks.
enum class ProgramMode { Calculator, Install, Uninstall, Help };
ProgramMode programMode(const QStringList& arguments);

// Minimised, maximised or normal, as the starting process asked.
void applyStartupShowState(QWidget& window);

// The calculator's windows, in the order of their creation; the picker is
// declared first so that it outlives the main window that opens it.
struct CalculatorWindows {
    std::unique_ptr<TfrmCal> frmCal;
    std::unique_ptr<TfrmCalc> frmCalc;
};

// A normal run up to the message loop: the About window as a splash unless
// it is switched off, the main window, the date picker, the show state, and
// the splash closed again.
CalculatorWindows startCalculator(AppSettings& settings, const RegionalSettings& regional, WindowServices services);

// The program's icon in every size it carries.
QIcon programIcon();

// The help viewer as the only window; the run ends when it closes.
int runHelpViewer(const QString& programFolder);

// The application's name, icon and desktop entry, as docks and window
// lists see them; window captions stay as each window sets them.
void setApplicationIdentity();

// The whole run after the application object exists: settings, windows,
// the requested show state and the message loop. Returns the exit code.
int runProgram(const QStringList& arguments);

}  // namespace pecunor
