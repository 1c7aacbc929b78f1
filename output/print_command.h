#pragma once

#include <QFont>
#include <QPrinter>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <functional>
#include <optional>

#include "print_layout.h"
#include "save_dialog.h"

namespace pecunor {

class TfrmPrint;

// What printing asks of the desktop, replaceable so that tests print to a
// file and never block on a modal dialog.
struct PrintServices {
    // The printer of the run: a printer chosen through Change stays.
    std::function<QPrinter&()> printer;
    std::function<QStringList()> installedPrinters;
    // The system's printer dialog for printer: the chosen range, or nothing when cancelled.
    std::function<std::optional<PrintRange>(QWidget* parent, QPrinter& printer)> choosePrinter;
    // Shows the options dialog modally.
    std::function<void(TfrmPrint& dialog)> showOptions;
    std::function<void(QWidget* parent, const QString& message)> showError;
    // The message that no printer is installed, offering Save as PDF: whether the user took it.
    std::function<bool(QWidget* parent, const QString& message)> offerPdf;
    // Shows the prepared save dialog of Save as PDF; nothing when the user cancels.
    std::function<std::optional<SaveChoice>(QFileDialog& dialog)> askSaveFile;
    // The last PDF file saved, where the next save dialog starts; kept by the
    // caller (the window, in its settings).
    std::function<QString&()> pdfFileName;

    // One printer for the whole process, CUPS's printer list, QPrintDialog,
    // exec(), message boxes and the save dialog; no keeper of the PDF name.
    static PrintServices desktop();
};

// What a printout shows: the window's result and its picture.
struct PrintContent {
    QString title;
    const ShownResult* shown = nullptr;
    QWidget* clientArea = nullptr;
    QFont tableFont;
    QString dateSample;
};

// File > Print: the options dialog, then the printout the user chose, on the
// printer or as a PDF file. With no printer installed the message offers the PDF file.
void runPrintCommand(QWidget* window, const ShownResult& shown, QWidget* clientArea, const QFont& tableFont,
                     const QString& dateSample, PrintServices& services);

}  // namespace pecunor
