#include "reader_events.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>

namespace pecunor::platform {

void sendDescriptionChange(QObject* object, const QString& description)
{
    if (!QAccessible::isActive())
        return;
    // The connection Qt's bridge holds to the accessibility bus: the event
    // must come from the sender that owns the object.
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (!bus.isConnected() || accessible == nullptr)
        return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(accessible));
    QDBusMessage event =
        QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"), QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(description))
          << QVariantMap();
    bus.send(event);
}

}  // namespace pecunor::platform
