#include "orderly_end.h"

#include <QApplication>
#include <QSessionManager>

#include <cstdio>
#include <cstdlib>
#include <utility>

#include "mainwindow/frm_calc.h"

namespace pecunor {

namespace {

// The window whose settings are still to be stored if the process ends
// without its close; none once they are stored or the run ended normally.
TfrmCalc* unsaved = nullptr;

// No dialog can be shown while the run ends: a failure goes to stderr.
void storeWithoutQuestion(TfrmCalc& window)
{
    const std::optional<SaveResult> saved = window.storeSettings();
    if (saved && !saved->succeeded())
        std::fprintf(stderr, "%s\n", qPrintable(saved->message()));
}

void storeAtExit()
{
    if (TfrmCalc* window = std::exchange(unsaved, nullptr))
        storeWithoutQuestion(*window);
}

}  // namespace

OrderlyEnd::OrderlyEnd(TfrmCalc& window)
{
    static const bool registered = std::atexit(&storeAtExit) == 0;
    if (registered)
        unsaved = &window;
    QObject::connect(&requests_, &platform::EndRequests::endRequested, &window, [&window] {
        unsaved = nullptr;
        storeWithoutQuestion(window);
        // exit(), not quit(): quit() would close the window, which stores
        // the settings again and may ask a question nobody is there to answer.
        QCoreApplication::exit(0);
    });
    // The session may yet cancel the logout: the run goes on.
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { storeWithoutQuestion(window); });
}

OrderlyEnd::~OrderlyEnd() { unsaved = nullptr; }

}  // namespace pecunor
