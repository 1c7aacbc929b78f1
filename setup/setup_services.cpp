#include "setup_services.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStorageInfo>

#include <algorithm>

#include "install_steps.h"
#include "product/setup_utilities.h"
#include "settings/app_settings.h"

namespace pecunor {

namespace {

QMessageBox::StandardButton messageBox(QWidget* parent, QMessageBox::Icon icon, const QString& text,
                                       QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon, productNameText(), text, buttons, parent);
    if (buttons.testFlag(QMessageBox::Yes))
        box.setDefaultButton(QMessageBox::Yes);
    return QMessageBox::StandardButton(box.exec());
}

std::vector<Volume> mountedVolumes()
{
    std::vector<Volume> volumes;
    for (const QStorageInfo& storage : QStorageInfo::mountedVolumes())
        if (storage.isValid() && storage.isReady())
            volumes.push_back({storage.rootPath(), storage.name()});
    std::sort(volumes.begin(), volumes.end(), [](const Volume& a, const Volume& b) { return a.root < b.root; });
    return volumes;
}

// dpkg answers "package[:arch][, package...]: path" for a file it installed,
// after lines about a diversion of it.
QString dpkgPackageOwner(const QString& file)
{
    QProcess query;
    query.start(QStringLiteral("dpkg-query"), {QStringLiteral("--search"), file});
    if (!query.waitForFinished(10000) || query.exitStatus() != QProcess::NormalExit || query.exitCode() != 0)
        return QString();
    const QString answer = QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed().section(u'\n', -1);
    return answer.section(QLatin1String(": "), 0, 0).section(u',', 0, 0).section(u':', 0, 0).trimmed();
}

}  // namespace

SetupServices SetupServices::desktop()
{
    return {
        .message = messageBox,
        .wait = waitSeconds,
        .today = [] { return QDate::currentDate(); },
        .volumes = mountedVolumes,
        .shellFolders = platform::shellFolders,
        .markTrusted = platform::markLauncherTrusted,
        .startDetached = [](const QString& program,
                            const QStringList& arguments) { return QProcess::startDetached(program, arguments); },
        .packageOwner = dpkgPackageOwner,
        .programFile = QCoreApplication::applicationFilePath(),
        .settingsFile = userSettingsFilePath(),
    };
}

}  // namespace pecunor
