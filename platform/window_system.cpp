#include "window_system.h"

#include <QFont>
#include <QGuiApplication>
#include <QScreen>

namespace pecunor::platform {

QList<QRect> screenAreas()
{
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

bool windowPositionsKnown() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

void installFontSubstitutes()
{
    // fontconfig would answer "MS Sans Serif" with its wide default face;
    // the metric-compatible Liberation faces keep the designed widths.
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               {QStringLiteral("Liberation Sans"), QStringLiteral("Arial")});
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"));
}

}  // namespace pecunor::platform
