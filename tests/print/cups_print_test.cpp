// Prints from the real window through a cupsd of its own to a cups-pdf
// queue and reads the PDF back with poppler's tools.
#include <QApplication>
#include <QBuffer>
#include <QDateTime>
#include <QDir>
#include <QPainter>
#include <QPdfWriter>
#include <QPrintDialog>
#include <QProcess>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <set>

#include "../engine/engine_test_support.h"
#include "mainwindow/font_record_qt.h"
#include "mainwindow/frm_calc.h"
#include "output/cups_submit.h"
#include "output/frm_print.h"
#include "output/pdf_save.h"
#include "output/text_layout.h"

namespace pecunor::test {
namespace {

// Standard output of a finished program, or nothing when it failed.
std::optional<QString> run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A scheduler on a private socket with its own configuration, spool and
// logs, so that it neither disturbs nor needs a cupsd the machine may run.
class PrivateCups {
public:
    QString socket() const { return folder_.filePath("cups.sock"); }

    QString start()
    {
        // The filters run as user lp and must reach the spool.
        QFile::setPermissions(folder_.path(), QFile::permissions(folder_.path()) | QFileDevice::ExeOther |
                                                  QFileDevice::ReadOther | QFileDevice::ExeGroup);
        const QString base = folder_.path();
        for (const char* sub : {"root", "spool", "cache", "state", "log"})
            QDir(base).mkdir(sub);
        write("cups-files.conf", QString("ServerRoot %1/root\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                         "StateDir %1/state\nErrorLog %1/log/error_log\n"
                                         "AccessLog %1/log/access_log\nPageLog %1/log/page_log\nSystemGroup root\n")
                                     .arg(base));
        write("cupsd.conf", QString("Listen %1\nPrintcap %2/printcap\nBrowsing No\nWebInterface No\n"
                                    "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                                    "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                                .arg(socket(), base));
        daemon_.start("/usr/sbin/cupsd", {"-f", "-c", base + "/cupsd.conf", "-s", base + "/cups-files.conf"});
        if (!daemon_.waitForStarted(5000))
            return "cupsd did not start";
        // lpstat -r exits with 0 either way; only its words tell.
        for (int tries = 0; run("lpstat", {"-r"}).value_or(QString()).trimmed() != "scheduler is running"; ++tries) {
            if (tries == 100)
                return "cupsd does not answer";
            QTest::qWait(50);
        }
        return {};
    }

    // As if the scheduler went away; start() brings it back with its queues and jobs.
    void stop()
    {
        daemon_.terminate();
        if (!daemon_.waitForFinished(10000))
            daemon_.kill();
    }

    // The default queue "PDF", added anew when a test took it away.
    static bool addPdfQueue()
    {
        // Ghostscript's PostScript loses the fonts' text layer; cairo's keeps
        // it, so that pdftotext can read the printout.
        return run("lpadmin", {"-p", "PDF", "-v", "cups-pdf:/", "-E", "-P", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd",
                               "-o", "pdftops-renderer-default=pdftocairo"}) &&
               run("lpadmin", {"-d", "PDF"});
    }

    ~PrivateCups()
    {
        if (daemon_.state() == QProcess::NotRunning)
            return;
        run("lpadmin", {"-x", "PDF"});
        stop();
    }

private:
    void write(const QString& name, const QString& text)
    {
        QFile file(folder_.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    QTemporaryDir folder_{"/tmp/pecunor-cupsd-XXXXXX"};
    QProcess daemon_;
};

PrivateCups* scheduler = nullptr;

// Every job the scheduler knows, finished or not.
std::set<QString> jobIds()
{
    std::set<QString> ids;
    for (const QString& line : run("lpstat", {"-W", "all", "-o"}).value_or(QString()).split(u'\n', Qt::SkipEmptyParts))
        ids.insert(line.section(u' ', 0, 0));
    return ids;
}

std::set<QString> newJobs(const std::set<QString>& before)
{
    const std::set<QString> now = jobIds();
    std::set<QString> added;
    std::set_difference(now.begin(), now.end(), before.begin(), before.end(), std::inserter(added, added.end()));
    return added;
}

// cups-pdf writes into PDF/ under the job user's home as the password
// database names it, whatever HOME says.
std::map<QString, QDateTime> pdfFiles()
{
    const passwd* user = getpwuid(geteuid());
    const QDir folder(QString::fromLocal8Bit(user != nullptr ? user->pw_dir : "/root") + "/PDF");
    std::map<QString, QDateTime> files;
    for (const QFileInfo& info : folder.entryInfoList({"*.pdf"}, QDir::Files))
        files[info.absoluteFilePath()] = info.lastModified();
    return files;
}

int pageCount(const QString& pdf)
{
    for (const QString& line : run("pdfinfo", {pdf}).value_or(QString()).split(u'\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// A word as pdftotext -bbox places it, in points from the page's top left.
struct WordBox {
    std::string text;
    double left;
    double top;
    double right;
    double bottom;
};

struct PdfPage {
    double width = 0;
    std::vector<WordBox> words;
};

std::vector<PdfPage> wordBoxes(const QString& pdf)
{
    static const QRegularExpression pageTag(R"re(<page width="([\d.]+)" height="[\d.]+">)re");
    static const QRegularExpression wordTag(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<PdfPage> pages;
    for (const QString& line : run("pdftotext", {"-bbox", pdf, "-"}).value_or(QString()).split(u'\n')) {
        if (const auto page = pageTag.match(line); page.hasMatch())
            pages.push_back({page.captured(1).toDouble(), {}});
        else if (const auto word = wordTag.match(line); word.hasMatch() && !pages.empty())
            pages.back().words.push_back({word.captured(5).toStdString(), word.captured(1).toDouble(),
                                          word.captured(2).toDouble(), word.captured(3).toDouble(),
                                          word.captured(4).toDouble()});
    }
    return pages;
}

// The line without blanks: at 10 pixels of 1200 dpi, the gap between a
// label's colon and its value is too narrow for pdftotext to keep.
std::string collapsed(const QString& text) { return text.simplified().remove(u' ').toStdString(); }

// Each page's lines of text, collapsed, without empty lines.
std::vector<std::vector<std::string>> pageLines(const QString& pdf)
{
    std::vector<std::vector<std::string>> pages;
    for (const QString& page : run("pdftotext", {"-layout", pdf, "-"}).value_or(QString()).split(u'\f')) {
        std::vector<std::string> lines;
        for (const QString& line : page.split(u'\n'))
            if (!collapsed(line).empty())
                lines.push_back(collapsed(line));
        if (!lines.empty())
            pages.push_back(lines);
    }
    return pages;
}

class CupsPrintTest : public ::testing::Test {
protected:
    AppSettings settings{date(2026, 12, 7), "/opt/pecunor/"};
    std::vector<QString> errors;
    std::unique_ptr<TfrmCalc> window;
    // The save dialog's answer when no printer is installed; nothing declines Save as PDF.
    std::optional<SaveChoice> pdfChoice;
    QString lastPdf;

    // Every test starts on the PDF queue, whatever an earlier one removed or chose.
    void SetUp() override
    {
        ASSERT_TRUE(PrivateCups::addPdfQueue());
        PrintServices::desktop().printer().setPrinterName("PDF");
    }

    // The method's sheet for the values typed into its first fields, printed through File > Print;
    // beforeOk runs while the options dialog is open.
    QString printSheet(int method, const QStringList& values, bool picture, bool printed = true,
                       const std::function<void()>& beforeOk = {})
    {
        WindowServices services;
        services.today = [] { return date(2026, 12, 7); };
        services.showError = [this](QWidget*, const QString& message) { errors.push_back(message); };
        services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
        services.explanation = [](CalcMethod) { return QString(); };
        services.print = PrintServices::desktop();
        services.print.showError = services.showError;
        services.print.offerPdf = [this](QWidget*, const QString& message) {
            errors.push_back(message);
            return pdfChoice.has_value();
        };
        services.print.askSaveFile = [this](QFileDialog&) { return pdfChoice; };
        services.print.pdfFileName = [this]() -> QString& { return lastPdf; };
        // Without a printer only Save as PDF is left.
        services.print.showOptions = [picture, beforeOk](TfrmPrint& dialog) {
            if (beforeOk)
                beforeOk();
            if (picture)
                dialog.radPrintForm->click();
            (dialog.btnOK->isEnabled() ? dialog.btnOK : dialog.btnSavePdf)->click();
        };
        window = std::make_unique<TfrmCalc>(settings, usRegional(), services);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->cboMethod->setCurrentIndex(method);
        for (qsizetype field = 0; field < values.size(); ++field) {
            QLineEdit* edit = window->txtValue[static_cast<std::size_t>(field)];
            edit->setFocus();
            edit->selectAll();
            QTest::keyClicks(edit, values[field]);
        }
        EXPECT_TRUE(window->sgrFin->isVisibleTo(window->tabCalc));

        const auto before = pdfFiles();
        const auto jobsBefore = jobIds();
        window->mnuPrint->trigger();
        // The job's PDF for CUPS goes with the job, whatever became of it.
        EXPECT_EQ(QDir::temp().entryList({"pecunor-print-*"}), QStringList());
        if (!printed)
            return {};
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors[0].toStdString());
        EXPECT_EQ(newJobs(jobsBefore).size(), 1U);
        for (int tries = 0; tries < 600; QTest::qWait(100), ++tries)
            for (const auto& [path, time] : pdfFiles()) {
                const auto old = before.find(path);
                if ((old == before.end() || old->second != time) && run("pdfinfo", {path}))
                    return path;
            }
        ADD_FAILURE() << "no PDF arrived";
        return {};
    }

    // Future value of 1,000 at 10 % over the given years.
    QString printFutureValue(const QString& years, bool picture, bool printed = true,
                             const std::function<void()>& beforeOk = {})
    {
        return printSheet(0, {"1000", "10", years}, picture, printed, beforeOk);
    }

    void TearDown() override
    {
        if (window)
            window->close();
    }
};

// On a fresh printer, and after Qt's dialog left a range on it, which it
// hands to CUPS as page ranges among the job options.
class CupsTextPrintoutTest : public CupsPrintTest, public ::testing::WithParamInterface<bool> { };

TEST_P(CupsTextPrintoutTest, HoldsInputsSummaryAndEveryRowInOrderOnItsPages)
{
    if (GetParam()) {
        QPrintDialog previous(&PrintServices::desktop().printer());
        previous.setOption(QAbstractPrintDialog::PrintPageRange, false);
        previous.show();
        previous.findChild<QRadioButton*>("printRange")->setChecked(true);
        previous.findChild<QSpinBox*>("from")->setValue(2);
        previous.findChild<QSpinBox*>("to")->setValue(2);
        previous.accept();
    }
    const QString pdf = printFutureValue("150", false);
    ASSERT_FALSE(pdf.isEmpty());
    const ShownResult shown = window->shownResult();
    std::vector<std::string> expected;
    for (const ShownInputRow& row : shown.inputRows)
        if (row.labelVisible)
            expected.push_back(collapsed(QString::fromStdString(filterCaption(row.caption) + " :" + row.value)));
    for (const SummaryLine& line : summaryLines(shown.summaryLabels, shown.summaryValues))
        expected.push_back(collapsed(QString::fromStdString(line.label + line.value)));
    for (int row = 0; row < shown.table->rowCount(); ++row) {
        std::string cells;
        for (int column = 0; column < shown.table->columnCount(); ++column)
            cells += shown.table->cell(column, row);
        expected.push_back(collapsed(QString::fromStdString(cells)));
    }
    ASSERT_EQ(expected.size(), 6U + 4U + 151U);

    std::vector<std::string> printed;
    for (const QString& line : run("pdftotext", {"-layout", pdf, "-"}).value_or(QString()).split(u'\n'))
        if (!collapsed(line).empty())
            printed.push_back(collapsed(line));
    EXPECT_EQ(printed, expected);

    // As many pages as the layout makes for this printer and font.
    QPrinter& printer = PrintServices::desktop().printer();
    const QFontMetrics metrics(fontFromRecord(settings.TableFont), &printer);
    const auto texts = layoutTextPrintout(
        shown, PrintRange::AllRows, {printer.width(), printer.height(), metrics.height(), printer.logicalDpiX()},
        [&metrics](std::string_view text) {
            return metrics.horizontalAdvance(QString::fromUtf8(text.data(), text.size()));
        },
        window->sgrFin->options().dateSample.toStdString());
    EXPECT_GE(texts.back().page + 1, 3);
    EXPECT_EQ(pageCount(pdf), texts.back().page + 1);
    QFile::remove(pdf);
}
INSTANTIATE_TEST_SUITE_P(Printer, CupsTextPrintoutTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "AfterADialogThatHadARange" : "Fresh"; });

// Annuity payments of 17 digits give amounts of up to 27 characters, more
// than three columns of them hold in the table's font across a page.
TEST_F(CupsPrintTest, TextPrintoutOfHugeAmountsKeepsEveryWordApartAndOnThePage)
{
    const QString pdf = printSheet(1, {"0", "10", "12345678901234567", "30"}, false);
    ASSERT_FALSE(pdf.isEmpty());
    const std::vector<PdfPage> pages = wordBoxes(pdf);
    ASSERT_FALSE(pages.empty());
    int payments = 0;
    double inputHeight = 0;
    double amountHeight = 0;
    for (const PdfPage& page : pages) {
        // Words of one line share their bottom; left to right they must not meet.
        std::map<long long, std::vector<WordBox>> lines;
        for (const WordBox& word : page.words) {
            EXPECT_GE(word.left, 0) << word.text;
            EXPECT_LE(word.right, page.width) << word.text;
            lines[std::llround(word.bottom * 10)].push_back(word);
            if (word.text == "$12,345,678,901,234,567.00") {
                ++payments;
                amountHeight = word.bottom - word.top;
            }
            if (word.text == "Principal")
                inputHeight = word.bottom - word.top;
        }
        for (auto& [bottom, words] : lines) {
            std::sort(words.begin(), words.end(), [](const WordBox& a, const WordBox& b) { return a.left < b.left; });
            for (std::size_t i = 1; i < words.size(); ++i)
                EXPECT_LT(words[i - 1].right, words[i].left) << words[i - 1].text << " | " << words[i].text;
        }
    }
    EXPECT_EQ(payments, 30);
    // Only the table gives up size to fit; the inputs keep the table's font.
    EXPECT_GT(inputHeight, 0);
    EXPECT_LT(amountHeight, inputHeight);
    QFile::remove(pdf);
}

// With the scheduler gone no queue is left: the message offers Save as PDF,
// and the file, from the window or written directly, holds the pages of text
// the queue printed while it was there.
TEST_F(CupsPrintTest, WithNoQueueSaveAsPdfHoldsThePagesThePrinterGot)
{
    const QString printed = printFutureValue("150", false);
    ASSERT_FALSE(printed.isEmpty());
    const std::vector<std::vector<std::string>> printedPages = pageLines(printed);
    QFile::remove(printed);
    ASSERT_GE(printedPages.size(), 3U);
    scheduler->stop();
    const struct Restart {
        ~Restart() { EXPECT_EQ(scheduler->start(), ""); }
    } restart;
    const QTemporaryDir saves;
    pdfChoice = SaveChoice{saves.filePath("window.pdf"), 1};
    printFutureValue("150", false, false);
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_TRUE(errors[0].startsWith("No printer is installed.")) << errors[0].toStdString();
    EXPECT_EQ(lastPdf, pdfChoice->filePath);
    EXPECT_EQ(pageLines(lastPdf), printedPages);

    const ShownResult shown = window->shownResult();
    const QString plain = saves.filePath("plain.pdf");
    EXPECT_EQ(writePrintoutPdf(plain, PrintServices::desktop().printer(), window->windowTitle(),
                               textPrintout(shown, PrintRange::AllRows, fontFromRecord(settings.TableFont),
                                            window->sgrFin->options().dateSample)),
              QString());
    EXPECT_EQ(pageLines(plain), printedPages);
}

TEST_F(CupsPrintTest, ScreenPictureIsOnePageHoldingAnImage)
{
    const QString pdf = printFutureValue("3", true);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pageCount(pdf), 1);
    // Two heading lines, then one line per image.
    const QStringList images = run("pdfimages", {"-list", pdf}).value_or(QString()).split(u'\n', Qt::SkipEmptyParts);
    EXPECT_GE(images.size(), 3) << images.join(u'\n').toStdString();
    QFile::remove(pdf);
}

TEST_F(CupsPrintTest, QueueGoneSincePrintingShowsAnErrorAndNoQueueSaysSo)
{
    ASSERT_TRUE(
        run("lpadmin", {"-p", "Gone", "-v", "cups-pdf:/", "-E", "-P", "/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"}));
    QPrinter& printer = PrintServices::desktop().printer();
    printer.setPrinterName("Gone");
    ASSERT_EQ(printer.printerName(), QString("Gone"));
    ASSERT_TRUE(run("lpadmin", {"-x", "Gone"}));
    struct Case {
        const char* removeQueue;
        const char* message;
    };
    for (const Case& c : {Case{nullptr, "Printing on \"Gone\" failed."}, Case{"PDF", "No printer is installed."}}) {
        if (c.removeQueue != nullptr) {
            ASSERT_TRUE(run("lpadmin", {"-x", c.removeQueue}));
        }
        errors.clear();
        const auto before = pdfFiles();
        printFutureValue("3", false, false);
        ASSERT_EQ(errors.size(), 1U);
        EXPECT_TRUE(errors[0].startsWith(c.message)) << errors[0].toStdString();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        QTest::qWait(1500);
        EXPECT_EQ(pdfFiles(), before);
    }
}

// A job CUPS does not take never passes for printed: the user reads the
// printing system's reason and no job is left, whether it refuses when
// File > Print asks before drawing or when a drawn job is handed over.
struct Refusal {
    const char* name;
    std::function<void()> refuse;
    std::function<void()> restore;
    const char* beforeDrawing;
    const char* atHandOver;
};

void PrintTo(const Refusal& refusal, std::ostream* out) { *out << refusal.name; }

class CupsRefusalTest : public CupsPrintTest, public ::testing::WithParamInterface<Refusal> { };

TEST_P(CupsRefusalTest, ShowsTheReasonAndLeavesNoJob)
{
    const Refusal& refusal = GetParam();
    const auto jobsBefore = jobIds();
    const auto pdfsBefore = pdfFiles();
    // The queue was found when the dialog opened.
    printFutureValue("3", false, false, refusal.refuse);
    QBuffer drawn;
    drawn.open(QIODevice::ReadWrite);
    {
        QPdfWriter page(&drawn);
        QPainter(&page).drawText(100, 100, "refused");
    }
    const QString handedOver = submitToCups("PDF", drawn, "refused", {"media", "Letter"});
    refusal.restore();

    ASSERT_EQ(errors.size(), 1U);
    EXPECT_EQ(errors[0].toStdString(), std::string("Printing on \"PDF\" failed.\nCheck that the printer is switched on "
                                                   "and can be reached, then print again.\n") +
                                           refusal.beforeDrawing);
    EXPECT_TRUE(handedOver.contains(refusal.atHandOver)) << handedOver.toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QTest::qWait(1500);
    EXPECT_EQ(newJobs(jobsBefore), std::set<QString>());
    EXPECT_EQ(pdfFiles(), pdfsBefore);
}
INSTANTIATE_TEST_SUITE_P(
    Cups, CupsRefusalTest,
    ::testing::Values(Refusal{"QueueRejectingJobs",
                              [] {
                                  run("cupsreject", {"-r", "Toner is empty", "PDF"});
                              },
                              [] { run("cupsaccept", {"PDF"}); }, "The printer is not accepting jobs.\nToner is empty",
                              "is not accepting jobs"},
                      Refusal{"SchedulerGone", [] { scheduler->stop(); }, [] { ASSERT_EQ(scheduler->start(), ""); },
                              "The printing system (CUPS) cannot be reached.",
                              "The printing system (CUPS) cannot be reached."}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor::test

int main(int argc, char** argv)
{
    if (geteuid() != 0) {
        std::fprintf(stderr, "cups_print_tests: cupsd and the cups-pdf backend need root; skipped\n");
        return 77;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir home;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "TMPDIR"})
        qputenv(name, home.path().toUtf8());
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    pecunor::test::PrivateCups cups;
    pecunor::test::scheduler = &cups;
    // Before the first printer look-up: the CUPS client reads it once.
    qputenv("CUPS_SERVER", cups.socket().toUtf8());
    if (const QString failure = cups.start(); !failure.isEmpty()) {
        std::fprintf(stderr, "cups_print_tests: %s\n", qPrintable(failure));
        return 1;
    }
    return RUN_ALL_TESTS();
}
