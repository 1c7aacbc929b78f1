#pragma once

#include <QFontMetricsF>
#include <QString>

#include <vector>

#include "engine/result_sheet.h"

namespace pecunor {

// A text with every digit as wide as the widest digit of the font, so that a
// width measured by it holds any number or date of the same form.
QString widestDigitsOf(const QString& text, const QFontMetricsF& metrics);

// The width the widest text of a column needs, from row firstRow on (the
// first row that is not a header). A short column is measured cell by cell;
// a long one by the longest texts its sheet noted (the first and last of the
// most characters, and the longest negative one) with every digit at its
// widest, so a 10,000-row column costs three measurements.
qreal widestFigure(const ResultSheet& sheet, int column, int firstRow, const QFontMetricsF& metrics);

// What a column must hold and would like to: its widest figure, its header's
// longest word, its header on one line.
struct ColumnNeeds {
    int figures = 0;
    int words = 0;
    int oneLine = 0;
};

// Widths for columns sharing room: every column gets at least its figures,
// then, as far as the room allows for all columns alike, its header on one
// line or at least its header's words; what is left is shared so that the
// narrowest columns grow first. Columns whose figures need more than the
// room get their figures and words and no more: the table then scrolls.
std::vector<int> shareWidths(const std::vector<ColumnNeeds>& needs, int room);

// A header as it is painted into width: on one line where it fits, else
// broken after a "/" or at a blank ("Payment/" "Month"); a word that does
// not fit even alone loses its end to "…".
struct HeaderLines {
    QString text;  // the lines joined by "\n"
    int count = 1;
    bool cut = false;
};
HeaderLines breakHeader(const QString& header, const QFontMetricsF& metrics, qreal width);
// The width of the widest piece breakHeader keeps on one line.
qreal widestHeaderWord(const QString& header, const QFontMetricsF& metrics);

}  // namespace pecunor
