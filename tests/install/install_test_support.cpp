#include "install_test_support.h"

#include <QDirIterator>
#include <QFile>

#include "product/product_constants.h"

namespace pecunor::testing {

TemporaryHome::TemporaryHome()
{
    const std::pair<const char*, QString> variables[] = {
        {"HOME", dir_.path()},
        {"XDG_DATA_HOME", dir_.path() + QStringLiteral("/.local/share")},
        {"XDG_CONFIG_HOME", dir_.path() + QStringLiteral("/.config")},
        {"TMPDIR", dir_.path() + QStringLiteral("/tmp")},
    };
    for (const auto& [name, value] : variables) {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
        qputenv(name, value.toUtf8());
        QDir().mkpath(value);
    }
}

TemporaryHome::~TemporaryHome()
{
    for (const auto& [name, value] : saved_) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
}

QString TemporaryHome::path(const QString& relative) const
{
    return relative.isEmpty() ? dir_.path() : dir_.filePath(relative);
}

QStringList TemporaryHome::allFiles() const
{
    QStringList files;
    QDirIterator it(dir_.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(dir_.path()).relativeFilePath(it.next());
    files.sort();
    return files;
}

QMessageBox::StandardButton ScriptedMessages::answer(const QString& text, QMessageBox::StandardButtons buttons)
{
    texts << text;
    if (!answers.empty()) {
        const QMessageBox::StandardButton next = answers.front();
        answers.pop_front();
        return next;
    }
    for (const QMessageBox::StandardButton negative : {QMessageBox::Cancel, QMessageBox::No, QMessageBox::Ok})
        if (buttons.testFlag(negative))
            return negative;
    return QMessageBox::NoButton;
}

QString makeDistFolder(const QString& folder, const QStringList& leaveOut)
{
    QDir().mkpath(folder);
    for (const std::string_view shipped : Product.ShippedFiles) {
        const QString name = QString::fromUtf8(shipped.data(), qsizetype(shipped.size()));
        if (leaveOut.contains(name))
            continue;
        QFile file(QDir(folder).filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(name.toUtf8());
    }
    return QDir(folder).filePath(QStringLiteral("OPecu97.exe"));
}

SetupServices testServices(ScriptedMessages& messages, const QString& programFile)
{
    SetupServices services = SetupServices::desktop();
    services.message = [&messages](QWidget*, QMessageBox::Icon, const QString& text,
                                   QMessageBox::StandardButtons buttons) { return messages.answer(text, buttons); };
    services.wait = [](double) {};
    services.volumes = [] { return std::vector<Volume>{{QDir::homePath(), QStringLiteral("home")}}; };
    services.markTrusted = [](const QString&) { return true; };
    services.startDetached = [](const QString&, const QStringList&) { return true; };
    services.packageOwner = [](const QString&) { return QString(); };
    services.programFile = programFile;
    services.settingsFile = QDir::homePath() + QStringLiteral("/.config/Brackwell/Pecunor 97.conf");
    return services;
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace pecunor::testing
