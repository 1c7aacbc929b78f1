#include "startup.h"

#include <QApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPointer>

#include <memory>

#include "desktop_entries.h"
#include "frm_install.h"
#include "mainwindow/about_window.h"
#include "mainwindow/choice_accessible.h"
#include "mainwindow/date_picker.h"
#include "mainwindow/frm_calc.h"
#include "mainwindow/help_viewer.h"
#include "orderly_end.h"
#include "platform/local_date.h"
#include "platform/regional_settings_qt.h"
#include "platform/startup_state.h"
#include "platform/ui_language.h"
#include "platform/window_system.h"
#include "product/product_constants.h"
#include "product/program_folders.h"
#include "settings/app_settings.h"
#include "uninstall.h"

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
    if (first == QLatin1String("HELP"))
        return ProgramMode::Help;
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
    windows.frmCal->onDateChosen = [window = windows.frmCalc.get()] { window->txtValue1Change(window->cboStartDate); };
    QCoreApplication::processEvents();
    // Shown before the splash closes, so that closing it never leaves the
    // application without a window.
    applyStartupShowState(*windows.frmCalc);
    closeSplash();
    return windows;
}

QIcon programIcon()
{
    QIcon icon;
    for (const int size : {48, 256})
        icon.addFile(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(programIconName)).arg(size));
    return icon;
}

int runHelpViewer(const QString& programFolder)
{
    HelpViewer* viewer = openHelp(programFolder, nullptr);
    if (viewer == nullptr)
        return 1;
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    return QApplication::exec();
}

void setApplicationIdentity()
{
    QApplication::setApplicationName(QString::fromUtf8(Product.ProductName.data(), Product.ProductName.size()));
    // No display name: the platform would append it to every window's own caption.
    QGuiApplication::setDesktopFileName(QLatin1String(desktopFileId));
    QApplication::setWindowIcon(programIcon());
}

int runProgram(const QStringList& arguments)
{
    const QString programFolder = programFolders().ProgramFolder;
    setApplicationIdentity();
    // Before any window or message: every text the program shows is translated.
    platform::useInterfaceLanguage(platform::chooseInterfaceLanguage(platform::desktopLanguages()));
    platform::installFontSubstitutes();
    installChoiceAccessibility();
    const RegionalSettings regional = platform::systemRegionalSettings();
    // Said at start, before the run's inputs depend on it, not only when a
    // save at the end fails.
    const QString settingsFile = userSettingsFilePath();
    const QString settingsProblem = settingsFileProblem(settingsFile);
    AppSettings settings = loadSettings(platform::localToday(), regional, defaultExportFolder(programFolder));

    switch (programMode(arguments)) {
    case ProgramMode::Install: return TfrmInstall::execute(SetupServices::desktop());
    case ProgramMode::Uninstall:
        if (uninstall(SetupServices::desktop()) == UninstallOutcome::Ended)
            return 0;
        break;
    case ProgramMode::Help: return runHelpViewer(programFolder);
    case ProgramMode::Calculator: break;
    }

    if (!settingsProblem.isEmpty())
        QMessageBox::warning(nullptr, QApplication::applicationName(),
                             unreadableSettingsMessage(settingsFile, settingsProblem));
    const CalculatorWindows windows = startCalculator(settings, regional, WindowServices::desktop(programFolder));
    const OrderlyEnd orderlyEnd(*windows.frmCalc);
    return QApplication::exec();
}

}  // namespace pecunor
