// Prints from the real window through a cupsd of its own to a cups-pdf
// queue and reads the PDF back with poppler's tools.
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <pwd.h>
#include <unistd.h>

#include <map>

#include "../engine/engine_test_support.h"
#include "font_record_qt.h"
#include "frm_calc.h"
#include "frm_print.h"
#include "text_layout.h"

namespace pecunor::test {
namespace {

struct Output {
    int exitCode;
    QString text;
};

Output run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000))
        return {-1, {}};
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput())};
}

// A scheduler on a private socket with its own configuration, spool and
// logs, so that it neither disturbs nor needs a cupsd the machine may run.
class PrivateCups {
public:
    // The folder must be traversable by the filters, which run as user lp.
    PrivateCups() : folder_(QStringLiteral("/tmp/pecunor-cupsd-XXXXXX")) {}

    QString socket() const { return folder_.filePath(QStringLiteral("cups.sock")); }

    QString start()
    {
        QFile::setPermissions(folder_.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                                  QFileDevice::ExeOwner | QFileDevice::ReadGroup |
                                                  QFileDevice::ExeGroup | QFileDevice::ReadOther |
                                                  QFileDevice::ExeOther);
        const QString base = folder_.path();
        for (const char* sub : {"root", "spool", "cache", "state", "log"})
            QDir(base).mkdir(QString::fromLatin1(sub));
        write(QStringLiteral("cups-files.conf"),
              QStringLiteral("ServerRoot %1/root\nRequestRoot %1/spool\nCacheDir %1/cache\nStateDir %1/state\n"
                             "ErrorLog %1/log/error_log\nAccessLog %1/log/access_log\nPageLog %1/log/page_log\n"
                             "SystemGroup root\n")
                  .arg(base));
        write(QStringLiteral("cupsd.conf"),
              QStringLiteral("Listen %1\nPrintcap %2/printcap\nLogLevel info\nBrowsing No\nWebInterface No\n"
                             "<Location />\n  Order allow,deny\n  Allow all\n</Location>\n"
                             "<Policy default>\n  <Limit All>\n    Order deny,allow\n  </Limit>\n</Policy>\n")
                  .arg(socket(), base));
        daemon_.start(QStringLiteral("/usr/sbin/cupsd"),
                      {QStringLiteral("-f"), QStringLiteral("-c"), base + QStringLiteral("/cupsd.conf"),
                       QStringLiteral("-s"), base + QStringLiteral("/cups-files.conf")});
        if (!daemon_.waitForStarted(5000))
            return QStringLiteral("cupsd did not start");
        for (int tries = 0; run(QStringLiteral("lpstat"), {QStringLiteral("-r")}).exitCode != 0; ++tries) {
            if (tries == 100)
                return QStringLiteral("cupsd does not answer");
            QThread::msleep(50);
        }
        if (run(QStringLiteral("lpadmin"), {QStringLiteral("-p"), QStringLiteral("PDF"), QStringLiteral("-v"),
                                            QStringLiteral("cups-pdf:/"), QStringLiteral("-E"), QStringLiteral("-P"),
                                            QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"),
                                            // Ghostscript's PostScript loses the text layer of the
                                            // fonts; cairo's keeps it readable for pdftotext.
                                            QStringLiteral("-o"),
                                            QStringLiteral("pdftops-renderer-default=pdftocairo")})
                    .exitCode != 0 ||
            run(QStringLiteral("lpadmin"), {QStringLiteral("-d"), QStringLiteral("PDF")}).exitCode != 0)
            return QStringLiteral("the PDF queue could not be added");
        return {};
    }

    void stop()
    {
        if (daemon_.state() == QProcess::NotRunning)
            return;
        run(QStringLiteral("lpadmin"), {QStringLiteral("-x"), QStringLiteral("PDF")});
        daemon_.terminate();
        if (!daemon_.waitForFinished(10000))
            daemon_.kill();
        daemon_.waitForFinished(5000);
    }

    ~PrivateCups() { stop(); }

private:
    void write(const QString& name, const QString& text)
    {
        QFile file(folder_.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(text.toUtf8());
    }

    QTemporaryDir folder_;
    QProcess daemon_;
};

// cups-pdf writes into PDF/ under the job user's home as the password
// database names it, whatever HOME says.
QDir pdfFolder()
{
    const passwd* user = getpwuid(geteuid());
    return QDir(QString::fromLocal8Bit(user != nullptr ? user->pw_dir : "/root") + QStringLiteral("/PDF"));
}

using FileTimes = std::map<QString, QDateTime>;

FileTimes pdfFiles()
{
    FileTimes files;
    for (const QFileInfo& info : pdfFolder().entryInfoList({QStringLiteral("*.pdf")}, QDir::Files))
        files[info.absoluteFilePath()] = info.lastModified();
    return files;
}

// The PDF that appeared since before, once poppler can read it whole.
QString awaitNewPdf(const FileTimes& before)
{
    for (int tries = 0; tries < 600; ++tries) {
        for (const auto& [path, time] : pdfFiles()) {
            const auto old = before.find(path);
            if ((old == before.end() || old->second != time) &&
                run(QStringLiteral("pdfinfo"), {path}).exitCode == 0)
                return path;
        }
        QTest::qWait(100);
    }
    return {};
}

int pageCount(const QString& pdf)
{
    for (const QString& line : run(QStringLiteral("pdfinfo"), {pdf}).text.split(u'\n'))
        if (line.startsWith(QStringLiteral("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// The line without blanks: at 10 pixels of 1200 dpi, the gap between a
// label's colon and its value is too narrow for pdftotext to keep.
std::string collapsed(const QString& text) { return text.simplified().remove(u' ').toStdString(); }

class CupsPrintTest : public ::testing::Test {
protected:
    const DayNumber today = date(2026, 12, 7);
    AppSettings settings{today, QStringLiteral("/opt/pecunor/")};
    std::vector<QString> errors;
    std::unique_ptr<TfrmCalc> window;

    TfrmCalc& open(bool picture)
    {
        WindowServices services;
        services.today = [this] { return today; };
        services.showError = [this](QWidget*, const QString& message) { errors.push_back(message); };
        services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
        services.explanation = [](CalcMethod) { return QString(); };
        services.print = PrintServices::desktop();
        services.print.showError = services.showError;
        services.print.showOptions = [picture](TfrmPrint& dialog) {
            if (picture)
                dialog.radPrintForm->click();
            dialog.btnOK->click();
        };
        window = std::make_unique<TfrmCalc>(settings, usRegional(), services);
        window->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        return *window;
    }

    void TearDown() override
    {
        if (window)
            window->close();
    }

    void type(QLineEdit* edit, const QString& text)
    {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    }

    // Prints through File > Print and returns the PDF the queue wrote.
    QString print(TfrmCalc& w)
    {
        const FileTimes before = pdfFiles();
        w.mnuPrint->trigger();
        EXPECT_TRUE(errors.empty()) << (errors.empty() ? "" : errors[0].toStdString());
        const QString pdf = awaitNewPdf(before);
        EXPECT_FALSE(pdf.isEmpty()) << "no PDF in " << pdfFolder().path().toStdString();
        return pdf;
    }
};

TEST_F(CupsPrintTest, TextPrintoutHoldsInputsSummaryAndEveryRowInOrderOnItsPages)
{
    TfrmCalc& w = open(false);
    type(w.txtValue[0], QStringLiteral("1000"));
    type(w.txtValue[1], QStringLiteral("10"));
    type(w.txtValue[2], QStringLiteral("150"));
    ASSERT_TRUE(w.sgrFin->isVisibleTo(w.tabCalc));
    const QString pdf = print(w);
    ASSERT_FALSE(pdf.isEmpty());

    const ShownResult shown = w.shownResult();
    std::vector<std::string> expected;
    for (const ShownInputRow& row : shown.inputRows)
        if (row.labelVisible)
            expected.push_back(collapsed(QString::fromStdString(filterCaption(row.caption) + " : " + row.value)));
    for (const SummaryLine& line : summaryLines(shown.summaryLabels, shown.summaryValues))
        expected.push_back(collapsed(QString::fromStdString(line.label + " " + line.value)));
    for (int row = 0; row < shown.table->rowCount(); ++row) {
        QStringList cells;
        for (int column = 0; column < shown.table->columnCount(); ++column)
            cells << QString::fromStdString(std::string(shown.table->cell(column, row)));
        expected.push_back(collapsed(cells.join(u' ')));
    }
    ASSERT_EQ(expected.size(), 6U + 4U + 151U);

    std::vector<std::string> printed;
    for (const QString& line : run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")})
                                   .text.split(u'\n'))
        if (!collapsed(line).empty())
            printed.push_back(collapsed(line));
    EXPECT_EQ(printed, expected);

    // The page break the layout makes for this printer and font.
    QPrinter& printer = PrintServices::desktop().printer();
    const QFontMetrics metrics(fontFromRecord(settings.TableFont), &printer);
    const auto texts = layoutTextPrintout(
        shown, PrintRange::AllRows, {printer.width(), printer.height(), metrics.height()},
        [&metrics](std::string_view text) { return metrics.horizontalAdvance(QString::fromStdString(std::string(text))); },
        w.sgrFin->options().dateSample.toStdString());
    EXPECT_GE(texts.back().page + 1, 3);
    EXPECT_EQ(pageCount(pdf), texts.back().page + 1);
    QFile::remove(pdf);
}

TEST_F(CupsPrintTest, ScreenPictureIsOnePageHoldingAnImage)
{
    TfrmCalc& w = open(true);
    type(w.txtValue[0], QStringLiteral("1000"));
    type(w.txtValue[1], QStringLiteral("10"));
    type(w.txtValue[2], QStringLiteral("3"));
    const QString pdf = print(w);
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(pageCount(pdf), 1);
    const QStringList images =
        run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf}).text.split(u'\n', Qt::SkipEmptyParts);
    EXPECT_GE(images.size(), 3) << images.join(u'\n').toStdString();  // two heading lines, then the images
    QFile::remove(pdf);
}

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
    // Before the first printer look-up: the CUPS client reads it once.
    qputenv("CUPS_SERVER", cups.socket().toUtf8());
    const QString failure = cups.start();
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "cups_print_tests: %s\n", qPrintable(failure));
        return 1;
    }
    const int result = RUN_ALL_TESTS();
    cups.stop();
    return result;
}
