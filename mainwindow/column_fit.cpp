#include "column_fit.h"

#include <QStringList>

#include <algorithm>
#include <numeric>

#include "utf8_text.h"

namespace pecunor {

namespace {

// Up to this many rows every cell is measured: ratio labels and short
// schedules have texts whose length says little about their width. Longer
// columns are measured by the longest texts the sheet noted.
constexpr int measuredRows = 64;

int sum(const std::vector<int>& widths) { return std::accumulate(widths.begin(), widths.end(), 0); }

// The largest level such that the widths max(floor, level) fill no more than
// room, and those widths.
std::vector<int> levelUp(const std::vector<int>& floors, int room)
{
    std::vector<int> sorted = floors;
    std::sort(sorted.begin(), sorted.end(), std::greater<>());
    const int n = static_cast<int>(sorted.size());
    int level = 0;
    int pinned = 0;
    for (int k = 0; k < n; ++k) {
        level = (room - pinned) / (n - k);
        if (sorted[static_cast<std::size_t>(k)] <= level)
            break;
        pinned += sorted[static_cast<std::size_t>(k)];
        level = 0;
    }
    std::vector<int> widths;
    for (int floor : floors)
        widths.push_back(std::max(floor, level));
    return widths;
}

// The header's pieces: a break may follow a "/" (the piece keeps it) or
// stand at a blank (the blank goes).
struct Piece {
    QString text;
    bool afterBlank;
};

std::vector<Piece> headerPieces(const QString& header)
{
    std::vector<Piece> pieces;
    const QStringList words = header.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& word : words) {
        // "Zinsen / Quartal": a slash stays with the word before it.
        if (word.startsWith(QLatin1Char('/')) && !pieces.empty()) {
            pieces.back().text += QLatin1Char(' ') + word;
            continue;
        }
        bool afterBlank = !pieces.empty();
        qsizetype start = 0;
        for (qsizetype slash = word.indexOf(QLatin1Char('/')); slash >= 0;
             slash = word.indexOf(QLatin1Char('/'), slash + 1)) {
            pieces.push_back({word.mid(start, slash + 1 - start), afterBlank});
            afterBlank = false;
            start = slash + 1;
        }
        if (start < word.size())
            pieces.push_back({word.mid(start), afterBlank});
    }
    return pieces;
}

}  // namespace

QString widestDigitsOf(const QString& text, const QFontMetricsF& metrics)
{
    QChar widest = QLatin1Char('0');
    for (char digit = '1'; digit <= '9'; ++digit)
        if (metrics.horizontalAdvance(QLatin1Char(digit)) > metrics.horizontalAdvance(widest))
            widest = QLatin1Char(digit);
    QString widened = text;
    for (QChar& c : widened)
        if (c.isDigit())
            c = widest;
    return widened;
}

qreal widestFigure(const ResultSheet& sheet, int column, int firstRow, const QFontMetricsF& metrics)
{
    const int rows = sheet.rowCount();
    qreal widest = 0;
    const auto measure = [&](int row) {
        if (row >= 0)
            widest =
                std::max(widest, metrics.horizontalAdvance(widestDigitsOf(fromView(sheet.cell(column, row)), metrics)));
    };
    // The sheet knows its longest texts, unless a cell was written again shorter since.
    const ResultSheet::LongestTexts& longest = sheet.longestTexts(column);
    const auto holds = [&sheet, column](int row, std::uint32_t length) {
        return row < 0 || sheet.cell(column, row).size() == length;
    };
    if (rows - firstRow > measuredRows && holds(longest.first, longest.length) && holds(longest.last, longest.length) &&
        holds(longest.negative, longest.negativeLength)) {
        for (const int row : {longest.first, longest.last, longest.negative})
            measure(row);
    } else {
        for (int row = firstRow; row < rows; ++row)
            measure(row);
    }
    return widest;
}

std::vector<int> shareWidths(const std::vector<ColumnNeeds>& needs, int room)
{
    const auto widths = [&needs](int ColumnNeeds::*wish) {
        std::vector<int> wished;
        for (const ColumnNeeds& column : needs)
            wished.push_back(std::max(column.figures, column.*wish));
        return wished;
    };
    if (sum(widths(&ColumnNeeds::figures)) > room)
        return widths(&ColumnNeeds::words);
    for (int ColumnNeeds::*wish : {&ColumnNeeds::oneLine, &ColumnNeeds::words, &ColumnNeeds::figures}) {
        const std::vector<int> wished = widths(wish);
        if (sum(wished) <= room)
            return levelUp(wished, room);
    }
    return widths(&ColumnNeeds::figures);
}

HeaderLines breakHeader(const QString& header, const QFontMetricsF& metrics, qreal width)
{
    HeaderLines result;
    if (metrics.horizontalAdvance(header) <= width) {
        result.text = header;
        return result;
    }
    QStringList lines;
    for (const Piece& piece : headerPieces(header)) {
        const QString joined = lines.isEmpty()
                                   ? piece.text
                                   : lines.last() + (piece.afterBlank ? QStringLiteral(" ") : QString()) + piece.text;
        if (!lines.isEmpty() && metrics.horizontalAdvance(joined) <= width)
            lines.last() = joined;
        else
            lines.append(piece.text);
    }
    for (QString& line : lines) {
        if (metrics.horizontalAdvance(line) > width) {
            line = metrics.elidedText(line, Qt::ElideRight, width);
            result.cut = true;
        }
    }
    result.count = static_cast<int>(std::max<qsizetype>(lines.size(), 1));
    result.text = lines.join(QLatin1Char('\n'));
    return result;
}

qreal widestHeaderWord(const QString& header, const QFontMetricsF& metrics)
{
    qreal widest = 0;
    for (const Piece& piece : headerPieces(header))
        widest = std::max(widest, metrics.horizontalAdvance(piece.text));
    return widest;
}

}  // namespace pecunor
