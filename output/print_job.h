#pragma once

#include <QFont>
#include <QImage>
#include <QPrinter>
#include <QString>
#include <QWidget>

#include "print_layout.h"

namespace pecunor {

// The inputs, the summary and the chosen table rows as text in the table's
// font. Returns the error to show, empty when the job went through.
QString printText(QPrinter& printer, const QString& title, const ShownResult& shown, PrintRange range,
                  const QFont& font, const QString& dateSample);

// The window's client area painted by itself into a picture on a background
// of the window's colour, so that other windows on the screen do not matter.
QImage clientAreaPicture(QWidget* clientArea);

// The picture at the top left of one page, at its size on screen or fitted
// to the page. Returns the error to show, empty when the job went through.
QString printPicture(QPrinter& printer, const QString& title, const QImage& picture, int windowDpi, bool fitToPage);

}  // namespace pecunor
