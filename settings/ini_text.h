#pragma once

#include <QByteArray>
#include <QString>

#include <vector>

namespace pecunor {

struct IniValue {
    QString name;  // plain letters and digits
    QString text;
};

// A settings file in the INI form QSettings reads, with the values under
// [General] in the order given (QSettings itself would sort them).
QByteArray iniFileText(const std::vector<IniValue>& values);

// text escaped and quoted so that QSettings reads back exactly that text.
QByteArray iniValueText(const QString& text);

}  // namespace pecunor
