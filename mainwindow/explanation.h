#pragma once

#include <QString>

#include "engine/calc_types.h"
#include "engine/regional_settings.h"

namespace pecunor {

// Number of the raw-data resource that holds a method's explanation.
constexpr int explanationResourceId(CalcMethod method) { return indexOf(method) + 5; }

// The method's explanation as Qt rich text in the interface language, its
// examples written in the machine's regional forms as the window writes its
// results; read from the program's resources on every call so that nothing
// stale is ever shown. Throws MissingResource (rcdata.h) when the program
// lacks the document; the caller reports it and keeps what it showed before.
QString explanationDocument(CalcMethod method);

// The same in that language ("en", "de"), English where the program has no
// document in it, with the examples in those regional forms.
QString explanationDocumentIn(CalcMethod method, const QString& language, const RegionalSettings& regional);

}  // namespace pecunor
