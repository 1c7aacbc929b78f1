#pragma once

#include <QDir>
#include <QMessageBox>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <deque>
#include <optional>
#include <ostream>
#include <vector>

#include "setup/setup_services.h"

// Readable failure messages for Qt's strings.
inline void PrintTo(const QString& text, std::ostream* out) { *out << '"' << text.toStdString() << '"'; }
inline void PrintTo(const QStringList& list, std::ostream* out)
{
    *out << "{ " << ('"' + list.join(QStringLiteral("\", \"")) + '"').toStdString() << " }";
}

namespace pecunor::testing {

// A throw-away home: HOME, XDG_DATA_HOME, XDG_CONFIG_HOME and TMPDIR point
// into it for the life of the object and are put back afterwards.
class TemporaryHome {
public:
    TemporaryHome();
    ~TemporaryHome();
    TemporaryHome(const TemporaryHome&) = delete;
    TemporaryHome& operator=(const TemporaryHome&) = delete;

    QString path(const QString& relative = QString()) const;
    QString dataHome() const { return path(QStringLiteral(".local/share")); }
    QString configHome() const { return path(QStringLiteral(".config")); }
    QString tempFolder() const { return path(QStringLiteral("tmp")); }
    QString installFolder() const { return path(QStringLiteral(".local/opt/Ostrel Pecunor 97")); }
    // Every file below the home, relative to it, sorted.
    QStringList allFiles() const;

private:
    QTemporaryDir dir_;
    std::vector<std::pair<const char*, std::optional<QByteArray>>> saved_;
};

// Answers the message boxes in turn from a script and notes each text.
// Once the script is used up, every box gets its negative answer.
struct ScriptedMessages {
    std::deque<QMessageBox::StandardButton> answers;
    QStringList texts;

    QMessageBox::StandardButton answer(const QString& text, QMessageBox::StandardButtons buttons);
};

// A distribution folder of the seven shipped files, each holding its own
// name, so that a copy shows which file it came from.
QString makeDistFolder(const QString& folder, const QStringList& leaveOut = {});

// The services of a test: scripted messages, no real wait or lookups of
// the volumes, the program file in the given distribution folder.
SetupServices testServices(ScriptedMessages& messages, const QString& programFile);

QByteArray fileBytes(const QString& path);

}  // namespace pecunor::testing
