#include "install_steps.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>

#include <cerrno>

#include "product/product_constants.h"

namespace pecunor {

namespace {

QString text(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

QString shippedFile(std::size_t index) { return text(Product.ShippedFiles.at(index)); }

bool hasExtension(const QString& file, const QString& extension)
{
    return file.endsWith(extension, Qt::CaseInsensitive);
}

}  // namespace

QString productNameText() { return text(Product.ProductName); }

QString installFolderFor(const QString& parentFolder)
{
    return withTrailingSeparator(parentFolder) + productNameText();
}

QStringList destinationPaths(const QString& installFolder, const ProgramFolders& folders)
{
    QStringList paths;
    for (std::size_t i = 0; i < Product.ShippedFiles.size(); ++i) {
        switch (Product.FilePlacement.at(i)) {
        case '0': paths << installFolder + u'/' + shippedFile(i); break;
        case '1': paths << folders.WindowsFolder + shippedFile(i); break;
        default: paths << folders.SystemFolder + shippedFile(i); break;
        }
    }
    return paths;
}

QString findFileIgnoringCase(const QString& folder, const QString& name)
{
    const QDir dir(folder);
    if (dir.exists(name))
        return dir.filePath(name);
    for (const QString& entry : dir.entryList(QDir::Files | QDir::Hidden | QDir::System))
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    return QString();
}

FolderCreation createInstallFolder(const QString& folder, QString* reason)
{
    if (::mkdir(QFile::encodeName(folder).constData(), 0777) == 0)
        return FolderCreation::Created;
    const int error = errno;
    if (error == EEXIST && QFileInfo(folder).isDir())
        return FolderCreation::Exists;
    *reason = systemReason(error);
    return FolderCreation::Failed;
}

CopyFailures installShippedFiles(const QString& sourceFolder, const QStringList& destinations,
                                 const QString& installFolder,
                                 const std::function<bool(const QString& destination)>& replaceOlder)
{
    CopyFailures failures;
    for (qsizetype i = 0; i < destinations.size(); ++i) {
        const QString source = findFileIgnoringCase(sourceFolder, shippedFile(std::size_t(i)));
        const QFileInfo target(destinations[i]);
        if (target.absolutePath() != installFolder && target.exists() && !source.isEmpty() &&
            target.lastModified() < QFileInfo(source).lastModified() && !replaceOlder(destinations[i]))
            continue;
        if (source.isEmpty()) {
            failures.sourceIncomplete = true;
            continue;
        }
        try {
            copyFileKeepDate(source, destinations[i]);
        } catch (const FileCopyError& error) {
            if (error.sourceFault())
                failures.sourceIncomplete = true;
            else
                failures.unwritten.push_back({destinations[i], error.reason()});
        }
    }
    return failures;
}

QString installedProgramName(const QString& runningProgramName)
{
    QString firstProgram;
    for (std::size_t i = 0; i < Product.ShippedFiles.size(); ++i) {
        const QString file = shippedFile(i);
        if (file.compare(runningProgramName, Qt::CaseInsensitive) == 0)
            return file;
        if (firstProgram.isEmpty() && hasExtension(file, QStringLiteral(".exe")))
            firstProgram = file;
    }
    return firstProgram;
}

QString programGroupFolder(const QString& programsFolder) { return programsFolder + u'/' + productNameText(); }

std::vector<Shortcut> shortcutList(const ShortcutChoice& choice, const platform::ShellFolders& folders,
                                   const QString& installFolder, const QString& programName)
{
    const QString product = productNameText();
    const QString program = installFolder + u'/' + programName;
    std::vector<Shortcut> group;
    std::vector<Shortcut> programs;
    for (std::size_t i = 0; i < Product.ShippedFiles.size(); ++i) {
        if (Product.ShortcutFiles.at(i) != '1')
            continue;
        const QString file = shippedFile(i);
        if (hasExtension(file, QStringLiteral(".hlp"))) {
            const QString name = product + QStringLiteral(" Help");
            group.push_back({programGroupFolder(folders.programs) + u'/' + name + QStringLiteral(".desktop"),
                             {program, QStringLiteral("HELP")}});
        } else {
            group.push_back({programGroupFolder(folders.programs) + u'/' + product + QStringLiteral(".desktop"),
                             {installFolder + u'/' + file}});
            if (hasExtension(file, QStringLiteral(".exe")))
                programs.push_back({QString(), {installFolder + u'/' + file}});
        }
    }
    std::vector<Shortcut> shortcuts;
    if (choice.startMenu && !folders.programs.isEmpty())
        shortcuts = group;
    for (const auto& [wanted, folder] :
         {std::pair{choice.onStartup, folders.startup}, std::pair{choice.desktop, folders.desktop}}) {
        if (!wanted || folder.isEmpty())
            continue;
        for (Shortcut shortcut : programs) {
            shortcut.file = folder + u'/' + product + QStringLiteral(".desktop");
            shortcut.onDesktop = folder == folders.desktop;
            shortcuts.push_back(shortcut);
        }
    }
    return shortcuts;
}

QString uninstallEntryPath(const QString& entriesFolder)
{
    return entriesFolder + u'/' + productNameText() + QStringLiteral(" Uninstall.desktop");
}

QStringList uninstallCommand(const QString& installFolder, const QString& programName)
{
    return {installFolder + u'/' + programName, QStringLiteral("Uninstall")};
}

bool isOldVersion(const QDateTime& programDate, const QDate& today) { return programDate.date().daysTo(today) > 180; }

InstallPage pageAfterNext(InstallPage page) { return InstallPage((int(page) + 1) % installPageCount); }

PageButtons pageButtons(InstallPage page)
{
    return {
        .backEnabled = page > InstallPage::Intro,
        .backAndNextVisible = page <= InstallPage::Finish,
        // Translated with the wizard's other texts.
        .nextCaption = page == InstallPage::Finish ? QCoreApplication::translate("pecunor::TfrmInstall", "Finish")
                                                   : QCoreApplication::translate("pecunor::TfrmInstall", "Next >"),
        .cancelCaption = page > InstallPage::Finish ? QCoreApplication::translate("pecunor::TfrmInstall", "Close")
                                                    : QCoreApplication::translate("pecunor::TfrmInstall", "Cancel"),
    };
}

}  // namespace pecunor
