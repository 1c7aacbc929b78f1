#include "wallpaper.h"

// GIO names a struct member "signals", which Qt defines as a keyword.
#pragma push_macro("signals")
#undef signals
#define G_SETTINGS_ENABLE_BACKEND
#include <gio/gio.h>
#include <gio/gsettingsbackend.h>
#pragma pop_macro("signals")

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QScreen>
#include <QUrl>

#include <chrono>
#include <cstring>
#include <future>
#include <memory>
#include <thread>
#include <utility>
#include <vector>

namespace pecunor::platform {

namespace {

// A desktop that does not answer within this time refuses.
constexpr int callTimeoutMs = 5000;

QByteArray fileUri(const QString& file) { return QUrl::fromLocalFile(file).toEncoded(); }

// GNOME's background settings, or a desktop's own copy of them. Set only when
// the store reads back every value once it has committed them: dconf takes a
// value at once and commits it later through the session bus, and one that
// failed to commit reads back what the store held before.
bool storeGSettingsWallpaper(const char* schemaId, const QByteArray& uri, WallpaperStyle style)
{
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    // Creating settings for a schema that is not installed aborts the program.
    GSettingsSchema* schema = source ? g_settings_schema_source_lookup(source, schemaId, TRUE) : nullptr;
    if (!schema)
        return false;
    GSettingsBackend* backend = g_settings_backend_get_default();
    // Without a real store GIO keeps the values in memory, lost at exit.
    const bool lasting = std::strcmp(G_OBJECT_TYPE_NAME(backend), "GMemorySettingsBackend") != 0;
    // dconf writes over GIO's shared session-bus connection, which ends the
    // whole program when the bus goes away; the calculator outlives its bus.
    if (std::strcmp(G_OBJECT_TYPE_NAME(backend), "DConfSettingsBackend") == 0)
        if (GDBusConnection* bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr)) {
            g_dbus_connection_set_exit_on_close(bus, FALSE);
            g_object_unref(bus);
        }
    GSettings* settings = g_settings_new_full(schema, backend, nullptr);
    std::vector<std::pair<const char*, const char*>> values{{"picture-uri", uri.constData()}};
    if (g_settings_schema_has_key(schema, "picture-uri-dark"))
        values.emplace_back("picture-uri-dark", uri.constData());
    values.emplace_back("picture-options", style == WallpaperStyle::Tiled ? "wallpaper" : "centered");
    bool stored = lasting;
    for (const auto& [key, value] : values)
        stored = stored && g_settings_set_string(settings, key, value);
    g_settings_sync();
    for (const auto& [key, value] : values) {
        gchar* kept = stored ? g_settings_get_string(settings, key) : nullptr;
        stored = stored && std::strcmp(kept, value) == 0;
        g_free(kept);
    }
    g_object_unref(settings);
    g_object_unref(backend);
    g_settings_schema_unref(schema);
    return stored;
}

// The store is asked in a worker, so that a session bus that hangs refuses
// after callTimeoutMs instead of freezing the window for D-Bus's 25 seconds.
bool setGSettingsWallpaper(const char* schemaId, const QString& file, WallpaperStyle style)
{
    // The worker may outlive a wait that gave up, so it owns its side.
    auto result = std::make_shared<std::promise<bool>>();
    std::future<bool> stored = result->get_future();
    std::thread([result, schemaId, uri = fileUri(file), style] {
        result->set_value(storeGSettingsWallpaper(schemaId, uri, style));
    }).detach();
    return stored.wait_for(std::chrono::milliseconds(callTimeoutMs)) == std::future_status::ready && stored.get();
}

QDBusMessage callSessionBus(const QString& service, const QString& path, const QString& interface,
                            const QString& method, const QVariantList& arguments)
{
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    return QDBusConnection::sessionBus().call(call, QDBus::Block, callTimeoutMs);
}

bool setPlasmaWallpaper(const QString& file, WallpaperStyle style)
{
    const QDBusMessage reply = callSessionBus(QStringLiteral("org.kde.PlasmaShell"), QStringLiteral("/PlasmaShell"),
                                              QStringLiteral("org.kde.PlasmaShell"), QStringLiteral("evaluateScript"),
                                              {plasmaWallpaperScript(file, style)});
    return reply.type() == QDBusMessage::ReplyMessage;
}

const QString xfconfService = QStringLiteral("org.xfce.Xfconf");
const QString xfconfPath = QStringLiteral("/org/xfce/Xfconf");
const QString desktopChannel = QStringLiteral("xfce4-desktop");
const QString lastImage = QStringLiteral("last-image");

QDBusMessage callXfconf(const QString& method, const QVariantList& arguments)
{
    return callSessionBus(xfconfService, xfconfPath, xfconfService, method, arguments);
}

bool setXfconfProperty(const QString& property, const QVariant& value)
{
    return callXfconf(QStringLiteral("SetProperty"),
                      {desktopChannel, property, QVariant::fromValue(QDBusVariant(value))})
               .type() == QDBusMessage::ReplyMessage;
}

QStringList existingBackdropProperties()
{
    const QDBusMessage reply =
        callXfconf(QStringLiteral("GetAllProperties"), {desktopChannel, QStringLiteral("/backdrop")});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return {};
    return qdbus_cast<QVariantMap>(reply.arguments().constFirst()).keys();
}

QStringList monitorNames()
{
    QStringList names;
    for (const QScreen* screen : QGuiApplication::screens())
        names.append(screen->name().isEmpty() ? QStringLiteral("0") : screen->name());
    return names;
}

bool setXfceWallpaper(const QString& file, WallpaperStyle style)
{
    const int imageStyle = style == WallpaperStyle::Tiled ? 2 : 1;
    const QStringList properties = xfceLastImageProperties(existingBackdropProperties(), monitorNames());
    if (properties.isEmpty())
        return false;
    for (const QString& property : properties) {
        const QString styleProperty = property.chopped(lastImage.size()) + QStringLiteral("image-style");
        if (!setXfconfProperty(property, file) || !setXfconfProperty(styleProperty, imageStyle))
            return false;
    }
    return true;
}

}  // namespace

DesktopFamily desktopFamily(const QString& currentDesktops)
{
    static const QStringList gnomeFamily{QStringLiteral("GNOME"),           QStringLiteral("GNOME-Classic"),
                                         QStringLiteral("GNOME-Flashback"), QStringLiteral("Unity"),
                                         QStringLiteral("Budgie"),          QStringLiteral("Pantheon")};
    for (const QString& desktop : currentDesktops.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        const QString name = desktop.trimmed();
        if (gnomeFamily.contains(name, Qt::CaseInsensitive))
            return DesktopFamily::Gnome;
        if (name.compare(QLatin1String("Cinnamon"), Qt::CaseInsensitive) == 0 ||
            name.compare(QLatin1String("X-Cinnamon"), Qt::CaseInsensitive) == 0)
            return DesktopFamily::Cinnamon;
        if (name.compare(QLatin1String("KDE"), Qt::CaseInsensitive) == 0)
            return DesktopFamily::Kde;
        if (name.compare(QLatin1String("XFCE"), Qt::CaseInsensitive) == 0)
            return DesktopFamily::Xfce;
    }
    return DesktopFamily::Unsupported;
}

bool setDesktopWallpaper(const QString& file, WallpaperStyle style)
{
    switch (desktopFamily(qEnvironmentVariable("XDG_CURRENT_DESKTOP"))) {
    case DesktopFamily::Gnome: return setGSettingsWallpaper("org.gnome.desktop.background", file, style);
    // Cinnamon reads its own copy of the keys.
    case DesktopFamily::Cinnamon: return setGSettingsWallpaper("org.cinnamon.desktop.background", file, style);
    case DesktopFamily::Kde: return setPlasmaWallpaper(file, style);
    case DesktopFamily::Xfce: return setXfceWallpaper(file, style);
    case DesktopFamily::Unsupported: break;
    }
    return false;
}

QString plasmaWallpaperScript(const QString& file, WallpaperStyle style)
{
    // A JSON string is a valid script string, whatever the path holds.
    const QByteArray quoted =
        QJsonDocument(QJsonArray{QString::fromUtf8(fileUri(file))}).toJson(QJsonDocument::Compact);
    const QString image = QString::fromUtf8(quoted.mid(1, quoted.size() - 2));
    const int fillMode = style == WallpaperStyle::Tiled ? 3 : 6;
    return QStringLiteral("var all = desktops();\n"
                          "for (var i = 0; i < all.length; i++) {\n"
                          "    var d = all[i];\n"
                          "    d.wallpaperPlugin = \"org.kde.image\";\n"
                          "    d.currentConfigGroup = Array(\"Wallpaper\", \"org.kde.image\", \"General\");\n"
                          "    d.writeConfig(\"Image\", %1);\n"
                          "    d.writeConfig(\"FillMode\", %2);\n"
                          "}\n")
        .arg(image)
        .arg(fillMode);
}

QStringList xfceLastImageProperties(const QStringList& existingProperties, const QStringList& monitorNames)
{
    QStringList properties;
    for (const QString& property : existingProperties)
        if (property.startsWith(QLatin1String("/backdrop/")) && property.endsWith(QLatin1Char('/') + lastImage))
            properties.append(property);
    if (properties.isEmpty())
        for (const QString& monitor : monitorNames)
            properties.append(QStringLiteral("/backdrop/screen0/monitor%1/workspace0/last-image").arg(monitor));
    return properties;
}

}  // namespace pecunor::platform
