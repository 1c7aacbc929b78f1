#pragma once

#include <QDesktopServices>
#include <QUrl>

#include <functional>

#include "platform/wait_cursor.h"

namespace pecunor {

// Hands a web address or a mailto: to the desktop. Tests replace it so that
// no browser or mail program starts.
using UrlOpener = std::function<bool(const QUrl&)>;

inline UrlOpener& urlOpener()
{
    static UrlOpener opener = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    return opener;
}

// Shows the busy cursor while the desktop starts the browser or mail
// program. A desktop without one reports nothing: the user sees no window.
inline void openExternalUrl(const QUrl& url)
{
    const platform::WaitCursor busy(Qt::BusyCursor);
    urlOpener()(url);
}

}  // namespace pecunor
