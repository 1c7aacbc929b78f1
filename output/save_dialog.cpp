#include "save_dialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

#include "platform/whole_file.h"

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

SaveFileDialog::SaveFileDialog(QWidget* parent) : QFileDialog(parent)
{
    // The refusal below needs the dialog's own accept: no native dialog.
    setOption(QFileDialog::DontUseNativeDialog);
    refuse = [](QWidget* owner, const QString& message) {
        QMessageBox::warning(owner, owner->windowTitle(), message, QMessageBox::Ok);
    };
}

void SaveFileDialog::accept()
{
    const QStringList chosen = selectedFiles();
    if (!chosen.isEmpty() && !QFileInfo(chosen.constFirst()).isDir()) {
        const QString refusal = saveRefusal(chosenFilePath(chosen.constFirst(), defaultSuffix()));
        if (!refusal.isEmpty()) {
            refuse(this, refusal);
            return;
        }
    }
    QFileDialog::accept();
}

QString saveRefusal(const QString& path)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    switch (platform::writeObstacle(path)) {
    case platform::WriteObstacle::MissingFolder:
        return SaveFileDialog::tr("The folder %1 does not exist.\nPlease choose another folder.").arg(folder);
    case platform::WriteObstacle::ReadOnlyFile:
        return SaveFileDialog::tr("The file %1 is read-only.\nPlease choose another name.")
            .arg(QDir::toNativeSeparators(path));
    case platform::WriteObstacle::NotRegularFile:
        return SaveFileDialog::tr("%1 is not a file but a folder, a named pipe, a device or a socket.\n"
                                  "Please choose another name.")
            .arg(QDir::toNativeSeparators(path));
    case platform::WriteObstacle::ReadOnlyFolder:
        return SaveFileDialog::tr("The folder %1 cannot be written to.\nPlease choose another folder.").arg(folder);
    case platform::WriteObstacle::None: break;
    }
    return {};
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
