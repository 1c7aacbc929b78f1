#include "print_job.h"

#include <QCoreApplication>
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

}  // namespace

QString printText(QPrinter& printer, const QString& title, const ShownResult& shown, PrintRange range,
                  const QFont& font, const QString& dateSample)
{
    printer.setDocName(title);
    QPainter painter;
    if (!beginJob(painter, printer))
        return printerFailure(printer);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics = painter.fontMetrics();
    const PageMetrics page{printer.width(), printer.height(), metrics.height(), printer.logicalDpiX()};
    const auto width = [&metrics](std::string_view text) {
        return metrics.horizontalAdvance(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    };
    const std::vector<PlacedText> texts =
        layoutTextPrintout(shown, range, page, width, dateSample.toStdString());
    const int ascent = metrics.ascent();
    int currentPage = 0;
    bool drawing = true;
    for (const PlacedText& text : texts) {
        if (text.page != currentPage) {
            currentPage = text.page;
            drawing = printer.newPage();
            if (!drawing)
                break;
        }
        painter.drawText(text.x, text.y + ascent, QString::fromStdString(text.text));
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
