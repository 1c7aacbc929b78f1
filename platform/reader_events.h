#pragma once

#include <QString>

class QObject;

namespace pecunor::platform {

// Tells screen readers on the AT-SPI bus that the object's description is
// now the text. Qt 6.4 sends this change with the object in place of the
// text, which readers cannot speak; this sends it as they expect. Nothing
// happens when no reader listens.
void sendDescriptionChange(QObject* object, const QString& description);

}  // namespace pecunor::platform
