#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace pecunor::platform {

// A display no window can open on: DISPLAY unset (display empty) or not
// reachable, with the server's reason when it refused the connection.
struct DisplayFault {
    QString display;
    QString serverSaid;
};

// Probed before the application object, since Qt's own failure ends the
// process with an abort. Nothing when a display can be reached or the run
// names its own platform (QT_QPA_PLATFORM, -platform), which Qt then opens
// itself.
std::optional<DisplayFault> unreachableDisplay(const QStringList& arguments);

// The fault in the interface language, for one line on standard error.
QString describeDisplayFault(const DisplayFault& fault);

}  // namespace pecunor::platform
