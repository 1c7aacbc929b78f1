#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "shown_result.h"

namespace pecunor {

enum class PrintRange { AllRows, SelectedRows };

// The printable page and the line step, in printer device pixels, and the
// printer's horizontal resolution, against which the layout's gaps (screen
// pixels at 96 dpi) are scaled.
struct PageMetrics {
    int pageWidth = 0;
    int pageHeight = 0;
    int lineHeight = 0;
    int dpi = 96;
};

// One text at its place: the left edge and the top of its line on a page
// counted from 0, and whether it is a table cell, printed in the table's font.
struct PlacedText {
    int page;
    int x;
    int y;
    std::string text;
    bool inTable = false;
};

// The width of a text in the printer font, in device pixels.
using TextWidth = std::function<int(std::string_view text)>;

// The printer font at one size: the widths of texts and the line step.
struct SizedFont {
    TextWidth width;
    int lineHeight = 0;
};

// The printer font at a size given in tenths of a point.
using FontAtSize = std::function<SizedFont(int decipoints)>;

// The inputs, the summary and the chosen rows of the table, laid out over as
// many pages as the rows need. dateSample is the sheet date 30 October 2000,
// whose width sets the distance between the first two columns. The table is
// set in tableFont when given, otherwise in the printer font; its columns
// grow to hold their texts.
std::vector<PlacedText> layoutTextPrintout(const ShownResult& shown, PrintRange range, const PageMetrics& page,
                                           const TextWidth& width, std::string_view dateSample,
                                           const std::optional<SizedFont>& tableFont = std::nullopt);

// The size for the table, in tenths of a point: the printer font's own when
// the chosen rows fit the page width in it, otherwise the largest smaller one
// at which they fit, and never below one point.
int tableFontSize(const ShownResult& shown, PrintRange range, const PageMetrics& page, const FontAtSize& font,
                  int decipoints, std::string_view dateSample);

struct PictureSize {
    int width;
    int height;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The window's picture on the printer at its size on screen.
PictureSize proportionalPictureSize(PictureSize picture, int printerDpiX, int printerDpiY, int windowDpi);
// The window's picture as large as fits the page, keeping its proportions.
PictureSize fittedPictureSize(PictureSize picture, PictureSize page);

}  // namespace pecunor
