#include "reader_events.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QVariantMap>
#include <QVersionNumber>

namespace pecunor::platform {

#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
namespace {

// Asked of the Qt the program runs with, which the system may have updated
// since it was built: a bridge that sends the text itself would have readers
// hear the description twice.
bool bridgeSendsDescriptions()
{
    static const bool sends = QVersionNumber::fromString(QLatin1String(qVersion())) >= QVersionNumber(6, 5);
    return sends;
}

QAccessible::UpdateHandler earlierHandler = nullptr;

void withoutDescriptionChanges(QAccessibleEvent* event)
{
    if (event->type() == QAccessible::DescriptionChanged)
        return;
    if (earlierHandler != nullptr) {
        earlierHandler(event);
        return;
    }
    // Without a handler of its own Qt hands the event to its bridge.
    QAccessible::installUpdateHandler(nullptr);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(&withoutDescriptionChanges);
}

}  // namespace
#endif

void replaceQtsDescriptionEvents()
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    static const bool replaced = [] {
        if (!bridgeSendsDescriptions())
            earlierHandler = QAccessible::installUpdateHandler(&withoutDescriptionChanges);
        return true;
    }();
    (void)replaced;
#endif
}

void sendDescriptionChange([[maybe_unused]] QObject* object, [[maybe_unused]] const QString& description)
{
#if QT_VERSION < QT_VERSION_CHECK(6, 5, 0)
    if (bridgeSendsDescriptions() || !QAccessible::isActive())
        return;
    // The connection Qt's bridge holds to the accessibility bus: the event
    // must come from the sender that owns the object.
    const QDBusConnection bus(QStringLiteral("a11y"));
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(object);
    if (!bus.isConnected() || accessible == nullptr)
        return;
    const QString path = QStringLiteral("/org/a11y/atspi/accessible/%1").arg(QAccessible::uniqueId(accessible));
    QDBusMessage event = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                    QStringLiteral("PropertyChange"));
    event << QStringLiteral("accessible-description") << 0 << 0 << QVariant::fromValue(QDBusVariant(description))
          << QVariantMap();
    bus.send(event);
#endif
}

}  // namespace pecunor::platform
