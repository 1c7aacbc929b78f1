#include "save_dialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>

namespace pecunor {

FileCommandServices FileCommandServices::desktop(const QString& programFolder)
{
    FileCommandServices services;
    services.askSaveFile = &execSaveDialog;
    services.beep = &QApplication::beep;
    services.setWallpaper = &platform::setDesktopWallpaper;
    services.programFolder = programFolder;
    return services;
}

void prepareSaveDialog(QFileDialog& dialog, const SaveDialogSetup& setup)
{
    dialog.setWindowTitle(setup.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, false);
    dialog.setOption(QFileDialog::ReadOnly, false);
    dialog.setNameFilters(setup.nameFilters);
    const bool known = setup.filterIndex >= 1 && setup.filterIndex <= setup.nameFilters.size();
    dialog.selectNameFilter(setup.nameFilters.value(known ? setup.filterIndex - 1 : 0));
    dialog.setDefaultSuffix(setup.defaultSuffix);
    const QFileInfo last(setup.lastFile);
    dialog.setDirectory(last.absolutePath());
    dialog.selectFile(last.fileName());
    dialog.setHistory({});
}

std::optional<SaveChoice> execSaveDialog(QFileDialog& dialog)
{
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return SaveChoice{dialog.selectedFiles().constFirst(),
                      static_cast<int>(dialog.nameFilters().indexOf(dialog.selectedNameFilter())) + 1};
}

QString chosenFilePath(const QString& typed, const QString& defaultSuffix)
{
    const QFileInfo chosen(typed);
    const QString path = chosen.absoluteFilePath();
    if (!chosen.fileName().contains(QLatin1Char('.')) && !defaultSuffix.isEmpty())
        return path + QLatin1Char('.') + defaultSuffix;
    return path;
}

}  // namespace pecunor
