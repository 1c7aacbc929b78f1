#include "window_layout.h"

#include <algorithm>
#include <cmath>

namespace pecunor {

namespace {

constexpr int panelMargin = 9;
constexpr int rowGap = 3;

int roundHalfEven(double value) { return static_cast<int>(std::nearbyint(value)); }

// Stacks the rows for a panel of that width; gives the height they need.
int stackInputRows(InputPanelPlacement& placement, const MethodInputRow& method, int panelWidth, int labelHeight,
                   int boxHeight)
{
    const int width = panelWidth - 2 * panelMargin;
    const bool hasInterestRow = method.interestPerOffered;
    int y = panelMargin;
    for (int i = 0; i < inputRowCount; ++i) {
        InputRowPlacement& row = placement.rows[static_cast<std::size_t>(i)];
        const InputRow which = static_cast<InputRow>(i);
        row.visible = method.shows(which);
        row.label = QRect(panelMargin, y, width, labelHeight);
        if (row.visible)
            y += labelHeight + rowGap;
        if (hasInterestRow && which == InputRow::Value2) {
            row.control = QRect(panelMargin, y, width / 3, boxHeight);
            placement.interestPer = QRect(width / 3 + 11, y, 2 * (width / 3) - 2, boxHeight);
        } else {
            row.control = QRect(panelMargin, y, width, boxHeight);
        }
        if (row.visible)
            y += boxHeight + rowGap;
    }
    return y - rowGap + panelMargin;
}

}  // namespace

InputPanelPlacement placeInputPanel(const MethodInputRow& method, QSize area, int labelHeight, int boxHeight,
                                    int scrollBarWidth)
{
    InputPanelPlacement placement;
    placement.panel = area;
    const int rowsHeight = stackInputRows(placement, method, area.width(), labelHeight, boxHeight);
    if (rowsHeight > area.height()) {
        placement.panel = QSize(std::max(0, area.width() - scrollBarWidth), rowsHeight);
        stackInputRows(placement, method, placement.panel.width(), labelHeight, boxHeight);
    }
    return placement;
}

RegionPlacement placeRegions(QSize client, int splitterLeft)
{
    RegionPlacement regions;
    // The bar never leaves the window, whatever the window's width did
    // since it was put there: the same limits as a drag.
    splitterLeft =
        std::clamp(splitterLeft, paneMinWidth + 6, std::max(paneMinWidth + 6, client.width() - 12 - paneMinWidth));
    const int panelWidth = std::max(paneMinWidth, splitterLeft - 6);
    regions.inputPanel = QRect(6, 4, panelWidth, client.height() - 10);
    regions.splitter = QRect(panelWidth + 6, 6, splitterWidth, client.height() - 12);
    const int pagesWidth = std::max(paneMinWidth, client.width() - 12 - panelWidth - splitterWidth);
    regions.pages = QRect(panelWidth + splitterWidth + 6, 4, pagesWidth, client.height() - 10);
    return regions;
}

ResultPlacement placeResultAfterCalculation(QSize page, QSize labels, QSize values)
{
    ResultPlacement placement;
    const int left = (page.width() - labels.width() - values.width()) / 2;
    placement.summaryLabels = QPoint(left, 18);
    placement.summaryValues = QPoint(left + labels.width(), 18);
    placement.table = QRect(9, labels.height() + 27, page.width() - 18, page.height() - 36 - labels.height());
    return placement;
}

ResultPlacement placeResultAfterResize(QSize page, int pageControlWidth, QSize labels, QSize values)
{
    ResultPlacement placement;
    const int left = (pageControlWidth - labels.width() - values.width()) / 2;
    placement.summaryLabels = QPoint(left, 18);
    placement.summaryValues = QPoint(left + labels.width(), 18);
    placement.table = QRect(4, labels.height() + 27, page.width() - 9, page.height() - 31 - labels.height());
    return placement;
}

QRect placeErrorLine(QSize page, int errorHeight) { return QRect(9, 27, page.width() - 18, errorHeight); }

int dragSplitter(int splitterLeft, int dx, int inputPanelWidth, int pagesWidth)
{
    if (dx < 0)
        return std::max(splitterLeft + dx, paneMinWidth + 6);
    return std::min(splitterLeft + dx, inputPanelWidth + 6 + pagesWidth - paneMinWidth);
}

int widthGivingPages(int windowWidth, int missing, int splitterPercent)
{
    if (missing <= 0)
        return windowWidth;
    // A splitter far to the right would ask for a window many times wider.
    const int pagesPercent = 100 - std::clamp(splitterPercent, 0, 75);
    return windowWidth + (missing * 100 + pagesPercent - 1) / pagesPercent;
}

int splitterLeftFromPercent(int outerWidth, int percent) { return roundHalfEven(outerWidth * 0.01 * percent); }

int splitterPercent(int splitterLeft, int outerWidth)
{
    if (outerWidth <= 0)
        return 0;
    return roundHalfEven(static_cast<double>(splitterLeft) / outerWidth * 100.0);
}

QRect storedWindowRectangle(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom)
{
    // Far beyond any screen, yet small enough that edges and centres
    // computed from it stay well within an int.
    static constexpr std::int64_t limit = 1 << 24;
    const std::int64_t width = right - left;
    const std::int64_t height = bottom - top;
    if (width < usableWindowSize.width() || height < usableWindowSize.height())
        return firstStartWindow;
    const auto bounded = [](std::int64_t value, std::int64_t low) {
        return static_cast<int>(std::clamp(value, low, limit));
    };
    return {bounded(left, -limit), bounded(top, -limit), bounded(width, 0), bounded(height, 0)};
}

QRect placeOnScreens(const QRect& stored, const QList<QRect>& screenAreas, QSize decorations)
{
    // Enough of the title strip to take hold of with the pointer.
    constexpr int gripHeight = 16;
    constexpr int gripWidth = 48;
    const QRect frame(stored.topLeft(), stored.size() + decorations);
    const QRect titleStrip(frame.topLeft(), QSize(frame.width(), gripHeight));
    const auto distance = [&frame](const QRect& area) {
        const QPoint centre = frame.center();
        const int dx = std::max({area.left() - centre.x(), 0, centre.x() - area.right()});
        const int dy = std::max({area.top() - centre.y(), 0, centre.y() - area.bottom()});
        return static_cast<long long>(dx) * dx + static_cast<long long>(dy) * dy;
    };
    const QRect* reached = nullptr;
    const QRect* nearest = nullptr;
    for (const QRect& area : screenAreas) {
        const QRect seen = titleStrip & area;
        if (!reached && seen.height() >= gripHeight && seen.width() >= std::min(gripWidth, frame.width()))
            reached = &area;
        if (!nearest || distance(area) < distance(*nearest))
            nearest = &area;
    }
    if (reached && frame.width() <= reached->width() && frame.height() <= reached->height())
        return stored;
    const QRect* area = reached ? reached : nearest;
    if (!area)
        return stored;
    const QRect fitted = fitInsideArea(frame, *area);
    return {fitted.topLeft(), fitted.size() - decorations};
}

QRect fitInsideArea(const QRect& frame, const QRect& area)
{
    const QSize size = frame.size().boundedTo(area.size());
    const int left = std::clamp(frame.left(), area.left(), area.right() + 1 - size.width());
    const int top = std::clamp(frame.top(), area.top(), area.bottom() + 1 - size.height());
    return {QPoint(left, top), size};
}

QRect rectangleToStore(const QRect& stored, QPoint framePosition, QSize clientSize, bool positionKnown)
{
    return {positionKnown ? framePosition : stored.topLeft(), clientSize};
}

}  // namespace pecunor
