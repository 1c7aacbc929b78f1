#include "explanation.h"

#include <QFile>

#include <stdexcept>

#include "rcdata.h"
#include "ui_language.h"

namespace pecunor {

QString explanationDocument(CalcMethod method)
{
    return explanationDocumentIn(method, platform::interfaceLanguage());
}

QString explanationDocumentIn(CalcMethod method, const QString& language)
{
    // The documents hold their bodies only; the styles are theirs in common.
    QFile head(QStringLiteral(":/explanations/page-head.html"));
    if (!head.open(QIODevice::ReadOnly))
        throw std::runtime_error("Resource page-head.html not found");
    return QString::fromUtf8(head.readAll() + readRcdata(explanationResourceId(method), language) +
                             "</body>\n</html>\n");
}

}  // namespace pecunor
