#include "explanation.h"

#include "rcdata.h"

namespace pecunor {

QString explanationDocument(CalcMethod method)
{
    return QString::fromUtf8(readRcdata(explanationResourceId(method)));
}

}  // namespace pecunor
