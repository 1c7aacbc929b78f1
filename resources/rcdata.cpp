#include "rcdata.h"

#include <QFile>

#include <string>

namespace pecunor {

MissingResource::MissingResource(int identifier)
    : std::runtime_error("Resource " + std::to_string(identifier) + " not found"),
      identifier_(identifier)
{
}

QByteArray readRcdata(int identifier)
{
    QFile resource(QStringLiteral(":/rcdata/%1").arg(identifier));
    if (!resource.open(QIODevice::ReadOnly))
        throw MissingResource(identifier);
    return resource.readAll();
}

QByteArray readRcdata(int identifier, const QString& language)
{
    // "pt_BR" (or "pt-BR"), then "pt".
    for (QString code = QString(language).replace(u'-', u'_'); !code.isEmpty(); code = code.section(u'_', 0, -2)) {
        QFile translated(QStringLiteral(":/rcdata/%1/%2").arg(code).arg(identifier));
        if (translated.open(QIODevice::ReadOnly))
            return translated.readAll();
    }
    return readRcdata(identifier);
}

}  // namespace pecunor
