#include "install_result.h"

#include <QCoreApplication>

#include <algorithm>

#include "platform/shell_folders.h"
#include "product/product_constants.h"

namespace pecunor {

namespace {

// The files named with their reasons, then what the user can do about them.
QString failuresAndAdvice(const std::vector<FileFailure>& failures)
{
    const bool diskFull =
        std::any_of(failures.begin(), failures.end(), [](const FileFailure& f) { return isDiskFull(f.reason); });
    return QStringLiteral("\n\n") + failureListText(failures) + QStringLiteral("\n\n") +
           (diskFull
                ? QCoreApplication::translate("pecunor::TfrmInstall",
                                              "The disk is full. Please make room on it and run Setup again.")
                : QCoreApplication::translate("pecunor::TfrmInstall", "Please put this right and run Setup again."));
}

}  // namespace

InstallResult installResult(const CopyFailures& copy, const std::vector<FileFailure>& entries,
                            const std::vector<FileFailure>& shortcuts)
{
    if (!copy.unwritten.empty())
        return {false,
                QCoreApplication::translate(
                    "pecunor::TfrmInstall",
                    "Could not copy one or more files to the target folder. This installation is incomplete.") +
                    failuresAndAdvice(copy.unwritten),
                QString()};
    if (copy.sourceIncomplete)
        return {false,
                QCoreApplication::translate(
                    "pecunor::TfrmInstall",
                    "Could not find or copy one or more files to the target folder. This installation is "
                    "incomplete.\n\nPlease download another complete copy from the following web site:"),
                QString::fromUtf8(Product.MakerWebAddress.data(), qsizetype(Product.MakerWebAddress.size()))};
    if (!entries.empty()) {
        const QString uninstallEntry = uninstallEntryPath(platform::uninstallEntriesFolder());
        const bool withoutUninstallEntry =
            std::any_of(entries.begin(), entries.end(), [&](const FileFailure& f) { return f.path == uninstallEntry; });
        std::vector<FileFailure> unwritten = entries;
        unwritten.insert(unwritten.end(), shortcuts.begin(), shortcuts.end());
        return {false,
                (withoutUninstallEntry ? QCoreApplication::translate(
                                             "pecunor::TfrmInstall",
                                             "The files were copied, but the uninstall entry could not be written, so "
                                             "%1 cannot be uninstalled from the menu. This installation is incomplete.")
                                             .arg(productNameText())
                                       : QCoreApplication::translate("pecunor::TfrmInstall",
                                                                     "The files were copied, but the program's icons "
                                                                     "could not be written. This installation is "
                                                                     "incomplete.")) +
                    failuresAndAdvice(unwritten),
                QString()};
    }
    if (!shortcuts.empty())
        return {false,
                QCoreApplication::translate(
                    "pecunor::TfrmInstall",
                    "Could not create one or more of the shortcuts you specified. Please do so manually or run Setup "
                    "again.") +
                    QStringLiteral("\n\n") + failureListText(shortcuts),
                QString()};
    return {};
}

}  // namespace pecunor
