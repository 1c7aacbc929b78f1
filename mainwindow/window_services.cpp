#include <QApplication>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

#include "about_window.h"
#include "explanation.h"
#include "font_record_qt.h"
#include "frm_calc.h"
#include "help_viewer.h"
#include "platform/local_date.h"
#include "product/copy_program.h"
#include "product/product_constants.h"
#include "product/program_folders.h"
#include "url_opener.h"
#include "utf8_text.h"

// What the main window asks of the desktop when it runs for real.
namespace pecunor {

namespace {

}  // namespace

WindowServices WindowServices::desktop(const QString& programFolder)
{
    WindowServices services;
    services.today = &platform::localToday;
    services.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, fromView(Product.ProductName), message, QMessageBox::Ok);
    };
    services.chooseFont = [](QWidget* parent, const QFont& initial) -> std::optional<QFont> {
        TableFontDialog dialog(initial, parent);
        if (dialog.exec() != QDialog::Accepted)
            return std::nullopt;
        return dialog.selectedFont();
    };
    services.ask = [](QWidget* parent, const QString& question) {
        QApplication::beep();
        return QMessageBox::question(parent, fromView(Product.ProductName), question,
                                     QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
    };
    // The path as the program started: a replaced program file (an update)
    // still counts.
    services.uninstalledWhileRunning = [program = QCoreApplication::applicationFilePath()] {
        return settingsGoneWithProgram(program, userSettingsFilePath());
    };
    services.saveSettings = [programFolder](const AppSettings& settings) {
        return pecunor::saveSettings(settings, programFolder);
    };
    services.explanation = &explanationDocument;
    services.showHelp = [programFolder](QWidget* parent) { openHelp(programFolder, parent); };
    services.showAbout = &showModalAbout;
    services.showProducts = [] { openExternalUrl(QUrl(fromView(Product.MakerWebAddress))); };
    services.copyProgram = &showCopyProgramDialog;
    services.print = PrintServices::desktop();
    services.print.showError = services.showError;
    services.files = FileCommandServices::desktop(ownFilesFolder(programFolder));
    services.files.showError = services.showError;
    return services;
}

}  // namespace pecunor
