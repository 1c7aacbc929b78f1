#include "pdf_save.h"

#include <QCoreApplication>

#include "platform/wait_cursor.h"
#include "platform/whole_file.h"
#include "text_export.h"

namespace pecunor {

QString writePrintoutPdf(const QString& path, const QPrinter& printer, const QString& title, const Printout& printout)
{
    const QByteArray pdf = printoutPdf(printer, title, printout);
    QString reason;
    const bool written = platform::writeWholeFile(
        path, [&](QIODevice& file) { return !pdf.isEmpty() && file.write(pdf) == pdf.size(); }, &reason);
    return written ? QString() : textWriteErrorMessage(path, reason);
}

bool savePrintoutPdf(QWidget* parent, const QPrinter& printer, const QString& title, const Printout& printout,
                     PrintServices& services)
{
    const SaveDialogSetup setup{QCoreApplication::translate("FileCommands", "Save %1 as PDF").arg(title),
                                {QCoreApplication::translate("FileCommands", "PDF Document (*.pdf *.PDF)")},
                                1,
                                QStringLiteral("pdf"),
                                services.pdfFileName()};
    // Refuses a name that cannot be written before anything is drawn.
    SaveFileDialog dialog(parent);
    prepareSaveDialog(dialog, setup);
    const std::optional<SaveChoice> choice = services.askSaveFile(dialog);
    if (!choice)
        return false;
    const QString path = chosenFilePath(choice->filePath, setup.defaultSuffix);
    QString failure;
    {
        const platform::WaitCursor busy;
        services.pdfFileName() = path;
        failure = writePrintoutPdf(path, printer, title, printout);
    }
    if (!failure.isEmpty())
        services.showError(parent, failure);
    return true;
}

}  // namespace pecunor
