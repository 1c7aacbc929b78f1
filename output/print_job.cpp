#include "print_job.h"

#include <QCoreApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintEngine>
#include <QPrinterInfo>

namespace pecunor {

namespace {

QString printerFailure(const QPrinter& printer)
{
    const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    return QCoreApplication::translate("pecunor::TfrmPrint",
                                       "Printing on \"%1\" failed.\nCheck that the printer is switched on and "
                                       "can be reached, then print again.")
        .arg(name);
}

// The job options Qt's CUPS engine hands to the server; Qt names the key
// only in a private header.
constexpr auto cupsJobOptions = QPrintEngine::PrintEnginePropertyKey(0xfe00);

// A printer dialog leaves its range on the printer for the rest of the run,
// and Qt's CUPS dialog gives the server its pages as job options (key, value,
// key, value ...), so every job starts from all pages: which rows print is
// the options dialog's choice alone.
void printAllPages(QPrinter& printer)
{
    printer.setPrintRange(QPrinter::AllPages);
    printer.setFromTo(0, 0);
    QPrintEngine* engine = printer.printEngine();
    const QStringList options = engine->property(cupsJobOptions).toStringList();
    QStringList kept;
    for (qsizetype i = 0; i + 1 < options.size(); i += 2)
        if (options[i] != u"page-ranges" && options[i] != u"page-set")
            kept << options[i] << options[i + 1];
    if (kept.size() != options.size())
        engine->setProperty(cupsJobOptions, kept);
}

// Qt hands a finished job to the spooler without a word when the queue has
// gone meanwhile, so a system printer is looked up before the job begins.
bool beginJob(QPainter& painter, QPrinter& printer)
{
    if (printer.outputFormat() == QPrinter::NativeFormat && QPrinterInfo::printerInfo(printer.printerName()).isNull())
        return false;
    printAllPages(printer);
    return painter.begin(&printer);
}

// Ends the job also when drawing stopped half-way; false when the printer
// reported an error at any point.
bool endJob(QPainter& painter, QPrinter& printer)
{
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

// The font as the printer sets it: text widths and the line step.
SizedFont measured(const QFont& font, QPrinter& printer)
{
    const QFontMetrics metrics(font, &printer);
    return {[metrics](std::string_view text) {
                return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
            },
            metrics.height()};
}

QFont resized(const QFont& font, int decipoints)
{
    QFont sized(font);
    sized.setPointSizeF(decipoints / 10.0);
    return sized;
}

}  // namespace

QString printText(QPrinter& printer, const QString& title, const ShownResult& shown, PrintRange range,
                  const QFont& font, const QString& dateSample)
{
    printer.setDocName(title);
    QPainter painter;
    if (!beginJob(painter, printer))
        return printerFailure(printer);
    painter.setPen(Qt::black);
    const SizedFont printerFont = measured(font, printer);
    const PageMetrics page{printer.width(), printer.height(), printerFont.lineHeight, printer.logicalDpiX()};
    const std::string date = dateSample.toStdString();
    const int decipoints = qRound(10 * (font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF()));
    const int tableSize = tableFontSize(
        shown, range, page, [&](int size) { return measured(resized(font, size), printer); }, decipoints, date);
    const QFont tableFont = tableSize == decipoints ? font : resized(font, tableSize);
    const std::vector<PlacedText> texts =
        layoutTextPrintout(shown, range, page, printerFont.width, date, measured(tableFont, printer));
    const int ascent = QFontMetrics(font, &printer).ascent();
    const int tableAscent = QFontMetrics(tableFont, &printer).ascent();
    painter.setFont(font);
    bool inTable = false;
    int currentPage = 0;
    bool drawing = true;
    for (const PlacedText& text : texts) {
        if (text.page != currentPage) {
            currentPage = text.page;
            drawing = printer.newPage();
            if (!drawing)
                break;
        }
        if (text.inTable != inTable) {
            inTable = text.inTable;
            painter.setFont(inTable ? tableFont : font);
        }
        painter.drawText(text.x, text.y + (inTable ? tableAscent : ascent), QString::fromStdString(text.text));
    }
    const bool ended = endJob(painter, printer);
    return drawing && ended ? QString() : printerFailure(printer);
}

QImage clientAreaPicture(QWidget* clientArea)
{
    QImage picture(clientArea->size(), QImage::Format_RGB32);
    picture.fill(clientArea->window()->palette().color(QPalette::Window));
    clientArea->render(&picture);
    return picture;
}

QString printPicture(QPrinter& printer, const QString& title, const QImage& picture, int windowDpi, bool fitToPage)
{
    printer.setDocName(title);
    QPainter painter;
    if (!beginJob(painter, printer))
        return printerFailure(printer);
    const PictureSize size{picture.width(), picture.height()};
    const PictureSize placed =
        fitToPage ? fittedPictureSize(size, {printer.width(), printer.height()})
                  : proportionalPictureSize(size, printer.logicalDpiX(), printer.logicalDpiY(), windowDpi);
    painter.drawImage(QRect(0, 0, placed.width, placed.height), picture);
    return endJob(painter, printer) ? QString() : printerFailure(printer);
}

}  // namespace pecunor
