#pragma once

#include <QByteArray>
#include <QFont>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <QString>
#include <QWidget>

#include <functional>

#include "print_layout.h"

namespace pecunor {

// Draws a printout's pages with a painter that has begun on the device;
// false when a new page could not be started. The same drawing goes to a
// printer and into a PDF file, so both get the same pages.
using Printout = std::function<bool(QPainter& painter, QPagedPaintDevice& pages)>;

// The inputs, the summary and the chosen table rows as text in the table's font;
// shown must outlive the printout.
Printout textPrintout(const ShownResult& shown, PrintRange range, const QFont& font, const QString& dateSample);

// The window's client area painted by itself into a picture on a background
// of the window's colour, so that other windows on the screen do not matter.
QImage clientAreaPicture(QWidget* clientArea);

// The picture at the top left of one page, at its size on screen or fitted to the page.
Printout picturePrintout(const QImage& picture, int windowDpi, bool fitToPage);

// Prints on the printer. Returns the error to show, empty when the job went through.
QString print(QPrinter& printer, const QString& title, const Printout& printout);

QString printText(QPrinter& printer, const QString& title, const ShownResult& shown, PrintRange range,
                  const QFont& font, const QString& dateSample);

// The pages the printer would get, on its paper and at its resolution, as a
// PDF document in memory; empty when drawing failed.
QByteArray printoutPdf(const QPrinter& printer, const QString& title, const Printout& printout);

}  // namespace pecunor
