#include "uninstall.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/statvfs.h>
#include <unistd.h>

#include <cerrno>

#include "cleanup_program.h"
#include "desktop_entries.h"
#include "install_steps.h"
#include "platform/shell_folders.h"
#include "platform/whole_file.h"
#include "product/product_constants.h"

namespace pecunor {

namespace {

QString productText(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

// Removes the file; one that is not there is gone already.
void removeFile(const QString& path, std::vector<FileFailure>& failures)
{
    if (::unlink(QFile::encodeName(path).constData()) != 0 && errno != ENOENT)
        failures.push_back({path, systemReason(errno)});
}

// The file of exactly that name in the folder: names that differ only in
// case are other files here, another program's "setup.exe" or "README.TXT"
// beside ours.
void removeOwnFile(const QString& folder, const QString& name, std::vector<FileFailure>& failures,
                   const QString& keep = QString())
{
    const QString path = QDir(folder).filePath(name);
    if (keep.isEmpty() || QFileInfo(path).canonicalFilePath() != keep)
        removeFile(path, failures);
}

QString helpIndexName()
{
    for (const std::string_view file : Product.ShippedFiles) {
        const QString name = productText(file);
        if (name.endsWith(QLatin1String(".hlp"), Qt::CaseInsensitive))
            return name.left(name.size() - 4) + QStringLiteral(".gid");
    }
    return QString();
}

}  // namespace

QString cleanupProgramPath() { return QDir(QDir::tempPath()).filePath(QStringLiteral("bkUninstall.exe")); }

std::vector<FileFailure> removeInstallation(const SetupServices& services)
{
    std::vector<FileFailure> failures;
    const QString product = productNameText();
    // The settings go, the maker's folder stays for the maker's other products.
    removeFile(services.settingsFile, failures);
    removeFile(uninstallEntryPath(platform::uninstallEntriesFolder()), failures);

    const platform::ShellFolders folders = services.shellFolders();
    if (!folders.programs.isEmpty()) {
        const QString group = programGroupFolder(folders.programs);
        removeFile(group + u'/' + product + QStringLiteral(".desktop"), failures);
        removeFile(group + u'/' + product + QStringLiteral(" Help.desktop"), failures);
        // A group the user put entries of his own into stays for them.
        if (::rmdir(QFile::encodeName(group).constData()) != 0 && errno != ENOENT && errno != ENOTEMPTY &&
            errno != EEXIST)
            failures.push_back({group, systemReason(errno)});
    }
    for (const QString& folder : {folders.startup, folders.desktop})
        if (!folder.isEmpty())
            removeFile(folder + u'/' + product + QStringLiteral(".desktop"), failures);

    const QFileInfo program(services.programFile);
    const QString programFolder = program.absolutePath();
    removeOwnFile(programFolder, helpIndexName(), failures);
    const ProgramFolders& placed = programFolders();
    for (std::size_t i = 0; i < Product.ShippedFiles.size(); ++i) {
        const QString name = productText(Product.ShippedFiles.at(i));
        const char placement = Product.FilePlacement.at(i);
        if (placement == '0') {
            // The running program stays for the clean-up program.
            removeOwnFile(programFolder, name, failures, program.canonicalFilePath());
            continue;
        }
        const QString question =
            QCoreApplication::translate(
                "Uninstall", "The file\n\n%1\n\nmay be used by another application. Do you want to delete it?")
                .arg(name);
        if (services.message(nullptr, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::No) ==
            QMessageBox::Yes)
            removeOwnFile(placement == '1' ? placed.WindowsFolder : placed.SystemFolder, name, failures);
    }
    for (const QString& icon : programIconFiles(platform::iconThemeFolder()))
        removeFile(icon, failures);
    return failures;
}

namespace {

// Why the clean-up program could not do its part: the reason it could not be
// written, or, written, that it could not be started.
QString cleanupFailureText(const QString& cleanup, const QString& writeError, const QString& programFile)
{
    QString reason = writeError;
    if (reason.isEmpty()) {
        struct statvfs volume { };
        const bool noexec = ::statvfs(QFile::encodeName(QFileInfo(cleanup).absolutePath()).constData(), &volume) == 0 &&
                            (volume.f_flag & ST_NOEXEC) != 0;
        reason = (noexec ? QCoreApplication::translate("Uninstall", "Its clean-up program\n\n%1\n\ncould not be "
                                                                    "started: programs may not run from its folder.")
                         : QCoreApplication::translate("Uninstall", "Its clean-up program\n\n%1\n\ncould not be "
                                                                    "started."))
                     .arg(QDir::toNativeSeparators(cleanup));
    }
    return QCoreApplication::translate("Uninstall", "The uninstallation of %1 is incomplete. %2\n\nPlease delete the "
                                                    "file\n\n%3\n\nand its folder yourself.")
        .arg(productNameText(), reason, QDir::toNativeSeparators(programFile));
}

// What stays of the installation, each file under the reason it stayed.
QString leftBehindText(const std::vector<FileFailure>& failures)
{
    return QCoreApplication::translate("Uninstall", "These files could not be removed; please delete them "
                                                    "yourself:\n\n%1")
        .arg(failureListText(failures));
}

}  // namespace

UninstallOutcome uninstall(const SetupServices& services)
{
    const QString product = productNameText();
    const QString program = QFileInfo(services.programFile).absoluteFilePath();
    // A package's files are the package manager's: removing them here would
    // leave its records wrong, and a user could not remove them anyway.
    if (const QString package = services.packageOwner(program); !package.isEmpty()) {
        services.message(nullptr, QMessageBox::Information,
                         QCoreApplication::translate("Uninstall",
                                                     "%1 was installed for all users of this computer by the system's "
                                                     "package manager.\nPlease remove it with the package manager "
                                                     "(package \"%2\").")
                             .arg(product, package),
                         QMessageBox::Ok);
        return UninstallOutcome::Ended;
    }
    // A read-only copy is not for this uninstaller to remove, nor one laid
    // out system-wide, which root could change but whose links elsewhere
    // (bin/) it would leave pointing at nothing. A link to the program is
    // judged by the folder the program really lies in.
    const QString folder = QFileInfo(program).absolutePath();
    const QString realProgram = QFileInfo(program).canonicalFilePath();
    const QString realFolder = realProgram.isEmpty() ? folder : QFileInfo(realProgram).absolutePath();
    if (isSharedProgramFolder(folder) || isSharedProgramFolder(realFolder) || !platform::mayWrite(folder)) {
        services.message(nullptr, QMessageBox::Information,
                         QCoreApplication::translate("Uninstall",
                                                     "%1 cannot be uninstalled from the folder\n\n%2\n\nbecause you "
                                                     "may not change that folder. Nothing has been removed.")
                             .arg(product, QDir::toNativeSeparators(realFolder)),
                         QMessageBox::Ok);
        return UninstallOutcome::Ended;
    }
    // The question names the folder whose files go, so that a copy started
    // from an unexpected place is not removed unawares.
    const QString question =
        QCoreApplication::translate("Uninstall", "Are you sure you want to uninstall %1?").arg(product) +
        QStringLiteral("\n\n") + QDir::toNativeSeparators(QFileInfo(program).absolutePath());
    if (services.message(nullptr, QMessageBox::Question, question, QMessageBox::Yes | QMessageBox::Cancel) !=
        QMessageBox::Yes)
        return UninstallOutcome::Cancelled;
    const std::vector<FileFailure> leftBehind = removeInstallation(services);

    // Started before the final message, so that a clean-up program that
    // cannot run is reported instead of an uninstall that is not complete.
    const QString cleanup = cleanupProgramPath();
    QString writeError;
    const bool started = writeCleanupProgram(cleanup, &writeError) && services.startDetached(cleanup, {program});
    QApplication::beep();
    if (started && leftBehind.empty())
        services.message(nullptr, QMessageBox::Information,
                         QCoreApplication::translate("Uninstall", "%1 has been uninstalled.").arg(product),
                         QMessageBox::Ok);
    else if (started)
        services.message(
            nullptr, QMessageBox::Warning,
            QCoreApplication::translate("Uninstall", "The uninstallation of %1 is incomplete.").arg(product) +
                QStringLiteral("\n\n") + leftBehindText(leftBehind),
            QMessageBox::Ok);
    else
        services.message(nullptr, QMessageBox::Warning,
                         cleanupFailureText(cleanup, writeError, program) +
                             (leftBehind.empty() ? QString() : QStringLiteral("\n\n") + leftBehindText(leftBehind)),
                         QMessageBox::Ok);
    QCoreApplication::processEvents();
    return UninstallOutcome::Ended;
}

}  // namespace pecunor
