#pragma once

#include <QString>

class QObject;

namespace pecunor::platform {

// Tells screen readers on the AT-SPI bus that the object's description is
// now the text, where Qt's bridge does not: Qt 6.4 sends this change with
// the object in place of the text, which readers cannot speak, and this
// sends it as they expect. Nothing happens when no reader listens, nor with
// a Qt from 6.5 on, whose bridge is taken to send the text itself.
void sendDescriptionChange(QObject* object, const QString& description);

// Where sendDescriptionChange stands in for Qt's bridge, Qt's own description
// events (the object in place of the text) are kept from the bus: readers
// only spend calls on them and log them as content they cannot speak. Other
// events go on as before. Once per process.
void replaceQtsDescriptionEvents();

}  // namespace pecunor::platform
