#include "startup.h"

#include <QApplication>
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

    if (!settings.HideAbout)
        showSplash();
    WindowServices services = WindowServices::desktop(programFolder);
    std::unique_ptr<TfrmCal> frmCal;
    services.openDatePicker = [&frmCal](QComboBox* box, QPoint origin) {
        if (frmCal)
            frmCal->execute(box, origin);
    };
    const auto frmCalc = std::make_unique<TfrmCalc>(settings, regional, services);
    frmCal = std::make_unique<TfrmCal>(regional, services.today);
    frmCal->onDateChosen = [window = frmCalc.get()] { window->txtValue1Change(window->cboStartDate); };
    QCoreApplication::processEvents();
    // Shown before the splash closes, so that closing it never leaves the
    // application without a window.
    applyStartupShowState(*frmCalc);
    closeSplash();
    return QApplication::exec();
}

}  // namespace pecunor
