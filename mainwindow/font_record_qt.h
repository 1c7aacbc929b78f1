#pragma once

#include <QFont>

#include "font_record.h"

namespace pecunor {

// The table font between its stored form and Qt. Only face, size in points,
// bold and italic travel; underline and strike-out never do.
QFont fontFromRecord(const FontRecord& record);
FontRecord recordFromFont(const QFont& font);

}  // namespace pecunor
