// Stands in for Plasma's shell on a private session bus: answers the
// scripting call and appends every script it receives to the file named by
// its one argument.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QFile>

class PlasmaShell : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.PlasmaShell")

public:
    explicit PlasmaShell(QString recordFile) : recordFile_(std::move(recordFile)) { }

public Q_SLOTS:
    QString evaluateScript(const QString& script)
    {
        QFile record(recordFile_);
        if (record.open(QIODevice::Append))
            record.write(script.toUtf8() + "\n----\n");
        return {};
    }

private:
    QString recordFile_;
};

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2)
        return 2;
    PlasmaShell shell(QString::fromLocal8Bit(argv[1]));
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject(QStringLiteral("/PlasmaShell"), &shell, QDBusConnection::ExportAllSlots) ||
        !bus.registerService(QStringLiteral("org.kde.PlasmaShell")))
        return 1;
    return QCoreApplication::exec();
}

#include "fake_plasma_shell.moc"
