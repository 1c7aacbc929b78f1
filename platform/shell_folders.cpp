#include "shell_folders.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#include <gio/gio.h>
#pragma pop_macro("signals")

namespace pecunor::platform {

ShellFolders shellFolders()
{
    const QString desktop = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    return {
        .programs = QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation),
        .startup =
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/autostart"),
        // Without its own desktop folder the home folder would stand in for it.
        .desktop =
            !desktop.isEmpty() && desktop != QDir::homePath() && QFileInfo(desktop).isDir() ? desktop : QString(),
    };
}

QString programFilesFolder()
{
    const QString folder = QDir::homePath() + QStringLiteral("/.local/opt");
    QDir().mkpath(folder);
    return folder;
}

QString uninstallEntriesFolder() { return QStandardPaths::writableLocation(QStandardPaths::ApplicationsLocation); }

QString iconThemeFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/icons/hicolor");
}

bool markLauncherTrusted(const QString& path)
{
    GFile* file = g_file_new_for_path(QFile::encodeName(path).constData());
    GError* error = nullptr;
    const bool marked =
        g_file_set_attribute_string(file, "metadata::trusted", "true", G_FILE_QUERY_INFO_NONE, nullptr, &error);
    if (error != nullptr)
        g_error_free(error);
    g_object_unref(file);
    return marked;
}

}  // namespace pecunor::platform
