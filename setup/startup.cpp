#include "startup.h"

#include <QApplication>
#include <QPointer>
#include <QTextStream>

#include <memory>

#include "about_window.h"
#include "app_settings.h"
#include "date_picker.h"
#include "frm_calc.h"
#include "local_date.h"
#include "product_constants.h"
#include "program_folders.h"
#include "regional_settings_qt.h"
#include "startup_state.h"

namespace pecunor {

ProgramMode programMode(const QStringList& arguments)
{
    if (arguments.size() < 2)
        return ProgramMode::Calculator;
    const QString first = arguments.at(1).toUpper();
    if (first == QLatin1String("SETUP"))
        return ProgramMode::Install;
    if (first == QLatin1String("UNINSTALL"))
        return ProgramMode::Uninstall;
    return ProgramMode::Calculator;
}

void applyStartupShowState(QWidget& window)
{
    switch (platform::startupShowState()) {
    case platform::showMinimizedNoActive: window.showMinimized(); break;
    case platform::showMaximized: window.showMaximized(); break;
    default: window.show(); break;
    }
}

CalculatorWindows startCalculator(AppSettings& settings, const RegionalSettings& regional, WindowServices services)
{
    if (!settings.HideAbout)
        showSplash();
    // The picker comes after the main window, which already needs a way to open it.
    const auto picker = std::make_shared<QPointer<TfrmCal>>();
    services.openDatePicker = [picker](QComboBox* box, QPoint origin) {
        if (*picker)
            (*picker)->execute(box, origin);
    };
    CalculatorWindows windows;
    windows.frmCalc = std::make_unique<TfrmCalc>(settings, regional, services);
    windows.frmCal = std::make_unique<TfrmCal>(regional, services.today);
    *picker = windows.frmCal.get();
    windows.frmCal->onDateChosen = [window = windows.frmCalc.get()] {
        window->txtValue1Change(window->cboStartDate);
    };
    QCoreApplication::processEvents();
    // Shown before the splash closes, so that closing it never leaves the
    // application without a window.
    applyStartupShowState(*windows.frmCalc);
    closeSplash();
    return windows;
}

int runProgram(const QStringList& arguments)
{
    const QString programFolder = programFolders().ProgramFolder;
    const QString productName = QString::fromUtf8(Product.ProductName.data(), Product.ProductName.size());
    QApplication::setApplicationName(productName);
    QApplication::setApplicationDisplayName(productName);
    const RegionalSettings regional = platform::systemRegionalSettings();
    AppSettings settings = loadSettings(platform::localToday(), regional, programFolder);

    const ProgramMode mode = programMode(arguments);
    if (mode != ProgramMode::Calculator) {
        QTextStream(stderr) << "Installing and uninstalling are not part of this build.\n";
        return 1;
    }

    const CalculatorWindows windows =
        startCalculator(settings, regional, WindowServices::desktop(programFolder));
    return QApplication::exec();
}

}  // namespace pecunor
