#include "spreadsheet_save.h"

#include <QCoreApplication>
#include <QWidget>

#include "platform/wait_cursor.h"
#include "text_export.h"

namespace pecunor {

void saveAsSpreadsheet(const FileCommandTarget& target, const WorkbookContent& content,
                       const RegionalSettings& regional, const TextCatalog& texts, const FileCommandServices& services)
{
    const SaveDialogSetup setup{QCoreApplication::translate("FileCommands", "Save %1 Spreadsheet").arg(target.caption),
                                {QCoreApplication::translate("FileCommands", "Excel Workbook (*.xlsx *.XLSX)")},
                                1,
                                QStringLiteral("xlsx"),
                                target.settings.XLSXFileName};
    prepareSaveDialog(target.dlgSave, setup);
    const std::optional<SaveChoice> choice = services.askSaveFile(target.dlgSave);
    if (!choice)
        return;
    const QString path = chosenFilePath(choice->filePath, setup.defaultSuffix);
    bool written = false;
    QString reason;
    {
        const platform::WaitCursor busy;
        target.settings.XLSXFileName = path;
        written = writeWorkbookFile(path, content, regional, texts, &reason);
    }
    if (!written)
        services.showError(target.clientArea.window(), textWriteErrorMessage(path, reason));
}

}  // namespace pecunor
