#include "text_export.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QWidget>

#include "platform/wait_cursor.h"
#include "platform/whole_file.h"

namespace pecunor {

std::string textFileBytes(TextLayout layout, const ShownResult& shown)
{
    const std::vector<InputRowText> inputs = visibleInputRows(shown);
    if (shown.table)
        return layoutText(layout, inputs, shown.summaryLabels, shown.summaryValues, *shown.table);
    return layout == TextLayout::ColumnAligned ? layoutInputBlock(inputs) : std::string();
}

bool writeTextFile(const QString& path, std::string_view bytes, QString* reason)
{
    const auto size = static_cast<qint64>(bytes.size());
    return platform::writeWholeFile(
        path, [&](QIODevice& file) { return bytes.empty() || file.write(bytes.data(), size) == size; }, reason);
}

QString textWriteErrorMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("FileCommands",
                                       "An error occurred writing to file\n%1\nPlease check if there is enough "
                                       "diskspace or that this file is not in use by another application.")
               .arg(QDir::toNativeSeparators(path)) +
           QLatin1Char('\n') + reason;
}

void saveAsText(const FileCommandTarget& target, const ShownResult& shown, const FileCommandServices& services)
{
    // Linux names are case-sensitive: each filter lists the lower-case extension too.
    const SaveDialogSetup setup{QCoreApplication::translate("FileCommands", "Save %1 Chart").arg(target.caption),
                                {QCoreApplication::translate("FileCommands", "Column Aligned (*.TXT *.txt)"),
                                 QCoreApplication::translate("FileCommands", "Comma Delimited (*.TXT *.txt)")},
                                target.settings.TXTFilterIndex,
                                QStringLiteral("TXT"),
                                target.settings.TXTFileName};
    prepareSaveDialog(target.dlgSave, setup);
    const std::optional<SaveChoice> choice = services.askSaveFile(target.dlgSave);
    if (!choice)
        return;
    const QString path = chosenFilePath(choice->filePath, setup.defaultSuffix);
    const bool commaDelimited = choice->filterIndex == static_cast<int>(TextLayout::CommaDelimited);
    bool written = false;
    QString reason;
    {
        const platform::WaitCursor busy;
        target.settings.TXTFileName = path;
        target.settings.TXTFilterIndex = commaDelimited ? 2 : 1;
        written = writeTextFile(
            path, textFileBytes(commaDelimited ? TextLayout::CommaDelimited : TextLayout::ColumnAligned, shown),
            &reason);
    }
    if (!written)
        services.showError(target.clientArea.window(), textWriteErrorMessage(path, reason));
}

}  // namespace pecunor
