#include "summary_fit.h"

#include <algorithm>

namespace pecunor {

namespace {

qreal widest(const QStringList& lines, const QFontMetricsF& metrics)
{
    qreal width = 0;
    for (const QString& line : lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    return width;
}

}  // namespace

qreal summaryWidth(const QStringList& captions, const QStringList& values, const QFontMetricsF& metrics)
{
    return widest(captions, metrics) + widest(values, metrics);
}

FittedSummary fitSummary(const QStringList& captions, const QStringList& values, const QFontMetricsF& metrics,
                         int width)
{
    FittedSummary fitted{captions, values, {}};
    const qsizetype lines = std::max(captions.size(), values.size());
    for (qsizetype i = 0; i < lines; ++i)
        fitted.tips.append(QString());
    const qreal valuesWidth = widest(values, metrics);
    const qreal room = std::max(width, 0);
    if (summaryWidth(captions, values, metrics) <= room)
        return fitted;
    const qreal valuesRoom = std::min(valuesWidth, room);
    const qreal captionsRoom = room - valuesRoom;
    for (qsizetype i = 0; i < lines; ++i) {
        const QString caption = captions.value(i);
        const QString value = values.value(i);
        QString& shownCaption = fitted.captions[i];
        if (i < captions.size() && metrics.horizontalAdvance(caption) > captionsRoom)
            shownCaption = metrics.elidedText(caption, Qt::ElideRight, captionsRoom);
        if (i < values.size() && metrics.horizontalAdvance(value) > valuesRoom)
            fitted.values[i] = metrics.elidedText(value, Qt::ElideLeft, valuesRoom);
        if (shownCaption != caption || fitted.values.value(i) != value)
            fitted.tips[i] = (caption.trimmed() + QLatin1Char(' ') + value).trimmed();
    }
    return fitted;
}

}  // namespace pecunor
