#pragma once

#include <QList>
#include <QRect>
#include <QSize>

#include <array>
#include <cstdint>
#include <optional>

#include "engine/method_input_table.h"

namespace pecunor {

// Where the input rows go inside the input panel.
struct InputRowPlacement {
    QRect label;
    QRect control;
    bool visible = false;
};

struct InputPanelPlacement {
    // The panel's own size inside the area that scrolls it.
    QSize panel;
    std::array<InputRowPlacement, inputRowCount> rows;
    // The interest unit box beside the rate field, when the method offers it.
    std::optional<QRect> interestPer;
};

// Rows stack from y = 9, each visible label and control taking its height
// plus 3; the rate field of an interest method shares its line with the
// interest unit box (a third and two thirds of the width). The panel fills
// the area; where the rows need more height than the area has, it is as
// tall as the rows and narrower by the scroll bar that then shows.
InputPanelPlacement placeInputPanel(const MethodInputRow& method, QSize area, int labelHeight, int boxHeight,
                                    int scrollBarWidth);

// The three regions side by side, from the splitter's left edge.
struct RegionPlacement {
    QRect inputPanel;
    QRect splitter;
    QRect pages;
};
inline constexpr int splitterWidth = 6;
inline constexpr int paneMinWidth = 0;
// A splitter left beyond the window (a narrower window, a stored position)
// is taken to the nearest place a drag could reach.
RegionPlacement placeRegions(QSize client, int splitterLeft);

// The summary labels side by side, centred as one block, and the table below.
struct ResultPlacement {
    QPoint summaryLabels;
    QPoint summaryValues;
    QRect table;
};
// After a calculation: within the Calculator page.
ResultPlacement placeResultAfterCalculation(QSize page, QSize labels, QSize values);
// After a resize: the labels centred in the page control's width.
ResultPlacement placeResultAfterResize(QSize page, int pageControlWidth, QSize labels, QSize values);
QRect placeErrorLine(QSize page, int errorHeight);

// The splitter's next left edge while it is dragged by dx pixels.
int dragSplitter(int splitterLeft, int dx, int inputPanelWidth, int pagesWidth);

// The window width at which the pages gain `missing` pixels while the
// splitter keeps its percentage of the width.
int widthGivingPages(int windowWidth, int missing, int splitterPercent);

// Splitter position and window width as a percentage and back, rounding
// halves to even.
int splitterLeftFromPercent(int outerWidth, int percent);
int splitterPercent(int splitterLeft, int outerWidth);

// The window rectangle that the stored edges describe, whatever the settings
// file holds: worked out in 64 bits and kept within a range that no
// arithmetic on it can overflow. Edges that make no usable window (inverted,
// smaller than usableWindowSize) give the first start's rectangle.
inline constexpr QSize usableWindowSize(160, 120);
inline constexpr QRect firstStartWindow(0, 0, 640, 480);
QRect storedWindowRectangle(std::int64_t left, std::int64_t top, std::int64_t right, std::int64_t bottom);

// Where a window stored at a frame position with a client size opens: as
// stored while a grip of its title strip lies on some screen area and its
// frame (the client and the decorations around it) is no larger than that
// area; else inside the area it is on, or else the nearest, smaller only
// where the area is.
QRect placeOnScreens(const QRect& stored, const QList<QRect>& screenAreas, QSize decorations = {0, 0});

// A window frame wholly inside a screen area: smaller only where the area
// is, moved only as far as it must.
QRect fitInsideArea(const QRect& frame, const QRect& area);

// The rectangle to store for a window in the normal state: its frame position
// and its client size. Where the window system keeps positions to itself
// (Wayland), the stored position stays for the next run that knows one.
QRect rectangleToStore(const QRect& stored, QPoint framePosition, QSize clientSize, bool positionKnown);

}  // namespace pecunor
