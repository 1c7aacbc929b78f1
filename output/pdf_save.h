#pragma once

#include <QPrinter>
#include <QString>
#include <QWidget>

#include "print_command.h"
#include "print_job.h"

namespace pecunor {

// Writes the printout as the printer would get it to a PDF file, replacing
// an existing file only with a complete new one. Returns the message to show
// (the file and the system's reason), empty when the file was written.
QString writePrintoutPdf(const QString& path, const QPrinter& printer, const QString& title, const Printout& printout);

// Save as PDF: the save dialog, starting at the last PDF file, then the file.
// A failure is shown. Returns whether a file was chosen.
bool savePrintoutPdf(QWidget* parent, const QPrinter& printer, const QString& title, const Printout& printout,
                     PrintServices& services);

}  // namespace pecunor
