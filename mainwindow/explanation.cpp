#include "explanation.h"

#include <QFile>

#include <stdexcept>

#include "explanation_fill.h"
#include "platform/regional_settings_qt.h"
#include "platform/ui_language.h"
#include "resources/rcdata.h"

namespace pecunor {

QString explanationDocument(CalcMethod method)
{
    return explanationDocumentIn(method, platform::interfaceLanguage(), platform::systemRegionalSettings());
}

QString explanationDocumentIn(CalcMethod method, const QString& language, const RegionalSettings& regional)
{
    // The documents hold their bodies only; the styles are theirs in common.
    QFile head(QStringLiteral(":/explanations/page-head.html"));
    if (!head.open(QIODevice::ReadOnly))
        throw std::runtime_error("Resource page-head.html not found");
    const QString body = QString::fromUtf8(readRcdata(explanationResourceId(method), language));
    return QString::fromUtf8(head.readAll()) + filledExplanation(body, method, regional) +
           QStringLiteral("</body>\n</html>\n");
}

}  // namespace pecunor
