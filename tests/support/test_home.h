#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cstdlib>
#include <string>

namespace pecunor::test {

// A throw-away home for the whole test program, with the XDG folders and the
// temporary folder inside it; set before anything reads them.
class TestHome {
public:
    TestHome()
    {
        std::string pattern = "/tmp/pecunor-tests-XXXXXX";
        path_ = QString::fromLocal8Bit(::mkdtemp(pattern.data()));
        for (const char* folder : {".config", ".local/share", ".cache", "tmp"})
            QDir(path_).mkpath(QLatin1String(folder));
        set("HOME", path_);
        set("XDG_CONFIG_HOME", path_ + QStringLiteral("/.config"));
        set("XDG_DATA_HOME", path_ + QStringLiteral("/.local/share"));
        set("XDG_CACHE_HOME", path_ + QStringLiteral("/.cache"));
        set("TMPDIR", path_ + QStringLiteral("/tmp"));
        QDir(path_).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(path_ + QStringLiteral("/runtime"),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        set("XDG_RUNTIME_DIR", path_ + QStringLiteral("/runtime"));
    }
    ~TestHome() { QDir(path_).removeRecursively(); }
    TestHome(const TestHome&) = delete;
    TestHome& operator=(const TestHome&) = delete;

    const QString& path() const { return path_; }

private:
    static void set(const char* name, const QString& value) { qputenv(name, value.toLocal8Bit()); }
    QString path_;
};

}  // namespace pecunor::test
