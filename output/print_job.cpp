#include "print_job.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintEngine>
#include <QTemporaryFile>

#include <memory>

#include "cups_submit.h"

namespace pecunor {

namespace {

// The reason, the printing system's words, on a line of its own below.
QString printerFailure(const QPrinter& printer, const QString& reason = {})
{
    const QString name = printer.printerName().isEmpty() ? printer.outputFileName() : printer.printerName();
    const QString failure =
        QCoreApplication::translate("pecunor::TfrmPrint", "Printing on \"%1\" failed.\nCheck that the printer is "
                                                          "switched on and can be reached, then print again.")
            .arg(name);
    return reason.isEmpty() ? failure : failure + u'\n' + reason;
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

const char* sides(QPrinter::DuplexMode duplex, QPageLayout::Orientation orientation)
{
    switch (duplex) {
    case QPrinter::DuplexNone: return "one-sided";
    case QPrinter::DuplexAuto:
        return orientation == QPageLayout::Portrait ? "two-sided-long-edge" : "two-sided-short-edge";
    case QPrinter::DuplexLongSide: return "two-sided-long-edge";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    }
    return "one-sided";
}

// The options Qt's own CUPS engine gives a job: paper, copies, sides and
// orientation, then those of the printer dialog.
QStringList cupsOptions(QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    QStringList options{QStringLiteral("media"), layout.pageSize().key()};
    if (printer.copyCount() > 1) {
        options << QStringLiteral("copies") << QString::number(printer.copyCount());
        if (printer.collateCopies())
            options << QStringLiteral("Collate") << QStringLiteral("True");
    }
    options << QStringLiteral("sides") << QString::fromLatin1(sides(printer.duplex(), layout.orientation()));
    if (layout.orientation() == QPageLayout::Landscape)
        options << QStringLiteral("landscape") << QString();
    return options + printer.printEngine()->property(cupsJobOptions).toStringList();
}

// A PDF of the printer's paper, resolution and document details.
void matchPrinter(QPdfWriter& pdf, const QPrinter& printer, const QString& title)
{
    pdf.setTitle(title);
    pdf.setCreator(printer.creator());
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
}

// Where a job's pages go. A PDF file is written by the printer itself. Qt's
// engine hands the pages for a system printer to CUPS without looking at the
// answer, so that a refused job would pass for printed: they are drawn into
// a PDF of the job's own, as that engine draws them, and handed over here.
class PrintJob {
public:
    explicit PrintJob(QPrinter& printer) : printer_(printer) { }

    // The failure to show, empty when drawing may start.
    QString begin(QPainter& painter, const QString& title)
    {
        printer_.setDocName(title);
        printAllPages(printer_);
        if (printer_.outputFormat() == QPrinter::NativeFormat) {
            // Told before the pages are drawn, not only after.
            if (const QString refusal = cupsRefusal(printer_.printerName()); !refusal.isEmpty())
                return printerFailure(printer_, refusal);
            if (!spool_.open())
                return printerFailure(printer_, spool_.errorString());
            pdf_ = std::make_unique<QPdfWriter>(&spool_);
            matchPrinter(*pdf_, printer_, title);
        }
        return painter.begin(&canvas()) ? QString() : printerFailure(printer_);
    }

    QPagedPaintDevice& canvas() { return pdf_ ? static_cast<QPagedPaintDevice&>(*pdf_) : printer_; }

    // Ends the job also when drawing stopped half-way: the failure to show,
    // empty only when the pages went to the file or CUPS gave the job a number.
    QString end(QPainter& painter, bool drawn)
    {
        const bool ended = painter.end();
        if (!drawn || !ended || printer_.printerState() == QPrinter::Error)
            return printerFailure(printer_);
        if (!pdf_)
            return {};
        const QString refusal = submitToCups(printer_.printerName(), spool_, printer_.docName(), cupsOptions(printer_));
        return refusal.isEmpty() ? QString() : printerFailure(printer_, refusal);
    }

private:
    QPrinter& printer_;
    // Removed with the job, whatever became of it.
    QTemporaryFile spool_{QDir::tempPath() + QStringLiteral("/pecunor-print-XXXXXX.pdf")};
    std::unique_ptr<QPdfWriter> pdf_;
};

// The font as the printer sets it: text widths and the line step.
SizedFont measured(const QFont& font, QPaintDevice& printer)
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

Printout textPrintout(const ShownResult& shown, PrintRange range, const QFont& font, const QString& dateSample)
{
    return [&shown, range, font, dateSample](QPainter& painter, QPagedPaintDevice& canvas) {
        painter.setPen(Qt::black);
        const SizedFont printerFont = measured(font, canvas);
        const PageMetrics page{canvas.width(), canvas.height(), printerFont.lineHeight, canvas.logicalDpiX()};
        const std::string date = dateSample.toStdString();
        const int decipoints = qRound(10 * (font.pointSizeF() > 0 ? font.pointSizeF() : QFontInfo(font).pointSizeF()));
        const int tableSize = tableFontSize(
            shown, range, page, [&](int size) { return measured(resized(font, size), canvas); }, decipoints, date);
        const QFont tableFont = tableSize == decipoints ? font : resized(font, tableSize);
        const std::vector<PlacedText> texts =
            layoutTextPrintout(shown, range, page, printerFont.width, date, measured(tableFont, canvas));
        const int ascent = QFontMetrics(font, &canvas).ascent();
        const int tableAscent = QFontMetrics(tableFont, &canvas).ascent();
        painter.setFont(font);
        bool inTable = false;
        int currentPage = 0;
        for (const PlacedText& text : texts) {
            if (text.page != currentPage) {
                currentPage = text.page;
                if (!canvas.newPage())
                    return false;
            }
            if (text.inTable != inTable) {
                inTable = text.inTable;
                painter.setFont(inTable ? tableFont : font);
            }
            painter.drawText(text.x, text.y + (inTable ? tableAscent : ascent), QString::fromStdString(text.text));
        }
        return true;
    };
}

QImage clientAreaPicture(QWidget* clientArea)
{
    QImage picture(clientArea->size(), QImage::Format_RGB32);
    picture.fill(clientArea->window()->palette().color(QPalette::Window));
    clientArea->render(&picture);
    return picture;
}

Printout picturePrintout(const QImage& picture, int windowDpi, bool fitToPage)
{
    return [picture, windowDpi, fitToPage](QPainter& painter, QPagedPaintDevice& canvas) {
        const PictureSize size{picture.width(), picture.height()};
        const PictureSize placed =
            fitToPage ? fittedPictureSize(size, {canvas.width(), canvas.height()})
                      : proportionalPictureSize(size, canvas.logicalDpiX(), canvas.logicalDpiY(), windowDpi);
        painter.drawImage(QRect(0, 0, placed.width, placed.height), picture);
        return true;
    };
}

QString print(QPrinter& printer, const QString& title, const Printout& printout)
{
    PrintJob job(printer);
    QPainter painter;
    if (const QString failure = job.begin(painter, title); !failure.isEmpty())
        return failure;
    const bool drawn = printout(painter, job.canvas());
    return job.end(painter, drawn);
}

QString printText(QPrinter& printer, const QString& title, const ShownResult& shown, PrintRange range,
                  const QFont& font, const QString& dateSample)
{
    return print(printer, title, textPrintout(shown, range, font, dateSample));
}

QByteArray printoutPdf(const QPrinter& printer, const QString& title, const Printout& printout)
{
    QBuffer document;
    document.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&document);
        matchPrinter(pdf, printer, title);
        QPainter painter;
        if (!painter.begin(&pdf))
            return {};
        const bool drawn = printout(painter, pdf);
        // Ending the painter writes the document's end.
        if (!painter.end() || !drawn)
            return {};
    }
    return document.data();
}

}  // namespace pecunor
