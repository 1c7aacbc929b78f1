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

// Lines that fit stay as they are. Otherwise the captions keep their width
// as long as the values keep a third of the room, and the values take the
// rest: a caption loses its end, a value (right-aligned, like the table's)
// its beginning, each marked with "…".
FittedSummary fitSummary(const QStringList& captions, const QStringList& values, const QFontMetricsF& metrics,
                         int width);

}  // namespace pecunor
