#pragma once

#include <QFontMetricsF>
#include <QString>
#include <QStringList>

namespace pecunor {

// The summary beside the table as it fits into a width: the captions and the
// values, a line each, and for every line that had to be shortened its whole
// text ("caption value") to show as a tip; an empty tip for a line shown whole.
struct FittedSummary {
    QStringList captions;
    QStringList values;
    QStringList tips;
};

// Lines that fit stay as they are. Otherwise the figures keep their width
// and the captions yield, losing their end to "…"; only a value wider than
// the whole room loses its beginning (it is right-aligned, like the table's).
// The width of the summary shown whole: the widest caption beside the widest value.
qreal summaryWidth(const QStringList& captions, const QStringList& values, const QFontMetricsF& metrics);

FittedSummary fitSummary(const QStringList& captions, const QStringList& values, const QFontMetricsF& metrics,
                         int width);

}  // namespace pecunor
