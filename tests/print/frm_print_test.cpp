#include <QFile>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <memory>

#include "../engine/engine_test_support.h"
#include "../support/file_limits.h"
#include "mainwindow/frm_calc.h"
#include "output/frm_print.h"
#include "output/pdf_save.h"
#include "print_test_support.h"

namespace pecunor::test {
namespace {

// The dialog on a printer that writes a PDF file; the system's printer
// dialog, the modal loop, the message boxes and the save dialog are replaced
// by recorders.
class PrintDialogTest : public ::testing::Test {
protected:
    QTemporaryDir folder;
    QPrinter printer{QPrinter::HighResolution};
    QStringList installed{QStringLiteral("PDF")};
    std::optional<PrintRange> nextPrinterAnswer;
    std::function<void(TfrmPrint&)> whenShown = [](TfrmPrint& dialog) { dialog.btnOK->click(); };
    std::vector<QString> errors;
    std::vector<QString> pdfOffers;
    bool takePdf = false;
    QString lastPdf = folder.filePath(QStringLiteral("last/Pecunor.pdf"));
    std::optional<SaveChoice> nextPdfChoice;
    QString saveDialogFolder;
    int dialogsShown = 0;
    ResultSheet table = namedCellsSheet(5, 40);
    ShownResult shown = withTable(shownInputs(), table);
    QLabel clientArea{QStringLiteral("window content")};

    void SetUp() override
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath());
        clientArea.resize(320, 240);
    }

    static ShownResult withTable(ShownResult result, const ResultSheet& sheet)
    {
        result.table = &sheet;
        return result;
    }

    QString pdfPath() const { return folder.filePath(QStringLiteral("out.pdf")); }

    PrintServices services()
    {
        PrintServices s;
        s.printer = [this]() -> QPrinter& { return printer; };
        s.installedPrinters = [this] { return installed; };
        s.choosePrinter = [this](QWidget*, QPrinter& chosen) {
            if (nextPrinterAnswer)
                chosen.setOutputFileName(folder.filePath(QStringLiteral("chosen.pdf")));
            return nextPrinterAnswer;
        };
        s.showOptions = [this](TfrmPrint& dialog) {
            ++dialogsShown;
            whenShown(dialog);
        };
        s.showError = [this](QWidget*, const QString& message) { errors.push_back(message); };
        s.offerPdf = [this](QWidget*, const QString& message) {
            pdfOffers.push_back(message);
            return takePdf;
        };
        s.askSaveFile = [this](QFileDialog& dialog) {
            saveDialogFolder = dialog.directory().absolutePath();
            return nextPdfChoice;
        };
        s.pdfFileName = [this]() -> QString& { return lastPdf; };
        return s;
    }

    PrintContent content()
    {
        return {QStringLiteral("Ostrel Pecunor 97"), &shown, &clientArea, QFont(QStringLiteral("Liberation Mono"), 10),
                QStringLiteral("10/30/00")};
    }

    QByteArray pdf() const
    {
        QFile file(pdfPath());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(PrintDialogTest, OpensWithTheDefaultsStretchOnlyForTheScreenPictureAndChangeTakesTheChoice)
{
    PrintServices s = services();
    TfrmPrint dialog(nullptr, content(), s);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Print"));
    EXPECT_EQ(dialog.size(), QSize(413, 198));
    EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());
    EXPECT_EQ(dialog.grpPrinter->title(), QStringLiteral("  Printer  "));
    EXPECT_EQ(dialog.grpOptions->title(), QStringLiteral("  Options  "));
    EXPECT_EQ(dialog.lblPrinter->text(), QStringLiteral("out.pdf"));
    EXPECT_EQ(dialog.btnChangePrinter->text(), QStringLiteral("&Change"));
    EXPECT_EQ(dialog.radText->text(), QStringLiteral("Print Text Only"));
    EXPECT_EQ(dialog.radPrintForm->text(), QStringLiteral("Print As Shown On Screen"));
    EXPECT_EQ(dialog.chkStretch->text(), QStringLiteral("Stretch To Fit Printer Page"));
    EXPECT_TRUE(dialog.btnOK->isDefault());
    EXPECT_EQ(dialog.btnCancel->text(), QStringLiteral("Cancel"));
    EXPECT_TRUE(dialog.radText->isChecked());
    EXPECT_FALSE(dialog.chkStretch->isChecked());
    EXPECT_EQ(dialog.printRange(), PrintRange::AllRows);

    const std::vector<std::pair<QRadioButton*, bool>> steps = {
        {nullptr, false}, {dialog.radPrintForm, true}, {dialog.radText, false}, {dialog.radPrintForm, true}};
    for (const auto& [button, stretchEnabled] : steps) {
        if (button != nullptr)
            button->click();
        EXPECT_EQ(dialog.chkStretch->isEnabled(), stretchEnabled);
    }

    // Cancel in the printer dialog changes nothing; a confirmed choice shows.
    dialog.btnChangePrinter->click();
    EXPECT_EQ(dialog.lblPrinter->text(), QStringLiteral("out.pdf"));
    EXPECT_EQ(dialog.printRange(), PrintRange::AllRows);
    nextPrinterAnswer = PrintRange::SelectedRows;
    dialog.btnChangePrinter->click();
    EXPECT_EQ(dialog.lblPrinter->text(), QStringLiteral("chosen.pdf"));
    EXPECT_EQ(dialog.printRange(), PrintRange::SelectedRows);
    // Readers hear the printer with the button that changes it.
    EXPECT_EQ(dialog.btnChangePrinter->accessibleDescription(), QStringLiteral("chosen.pdf"));
}

TEST_F(PrintDialogTest, OkPrintsTheChosenKindOnThePrinterAndCloses)
{
    struct Case {
        bool picture;
        bool stretch;
        int tableRows;
        int pages;
    };
    for (const Case& c :
         {Case{false, false, 40, 1}, Case{false, false, 400, 6}, Case{true, false, 40, 1}, Case{true, true, 40, 1}}) {
        QFile::remove(pdfPath());
        table = namedCellsSheet(5, c.tableRows);
        PrintServices s = services();
        TfrmPrint dialog(nullptr, content(), s);
        if (c.picture)
            dialog.radPrintForm->click();
        dialog.chkStretch->setChecked(c.stretch);
        dialog.btnOK->click();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_TRUE(errors.empty());
        const QByteArray written = pdf();
        ASSERT_TRUE(written.startsWith("%PDF")) << c.tableRows;
        EXPECT_EQ(written.count("/Type /Page\n"), c.pages) << c.tableRows << " rows, picture " << c.picture;
        EXPECT_EQ(written.contains("/Subtype /Image"), c.picture);
    }
}

TEST_F(PrintDialogTest, FailingPrinterEndsTheJobRestoresTheCursorAndShowsTheError)
{
    printer.setOutputFileName(folder.filePath(QStringLiteral("missing/folder/out.pdf")));
    for (const bool picture : {false, true}) {
        errors.clear();
        PrintServices s = services();
        TfrmPrint dialog(nullptr, content(), s);
        if (picture)
            dialog.radPrintForm->click();
        dialog.btnOK->click();
        EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
        ASSERT_EQ(errors.size(), 1U);
        EXPECT_TRUE(errors[0].startsWith(QStringLiteral("Printing on \""))) << errors[0].toStdString();
        EXPECT_TRUE(errors[0].contains(QStringLiteral("failed"))) << errors[0].toStdString();
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
    }
}

TEST_F(PrintDialogTest, WithoutAPrinterSaysSoAndOffersOnlySaveAsPdf)
{
    installed.clear();
    ASSERT_TRUE(QDir().mkpath(folder.filePath(QStringLiteral("last"))));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Ostrel Pecunor 97"));
    for (const bool taken : {false, true}) {
        takePdf = taken;
        nextPdfChoice = SaveChoice{folder.filePath(QStringLiteral("saved")), 1};
        pdfOffers.clear();
        dialogsShown = 0;
        whenShown = [](TfrmPrint& dialog) {
            EXPECT_EQ(dialog.lblPrinter->text(), QStringLiteral("No printer is installed."));
            EXPECT_FALSE(dialog.btnOK->isEnabled());
            EXPECT_FALSE(dialog.btnChangePrinter->isEnabled());
            EXPECT_TRUE(dialog.btnSavePdf->isDefault());
            dialog.btnSavePdf->click();
        };
        PrintServices s = services();
        runPrintCommand(&window, shown, &clientArea, QFont(), QStringLiteral("10/30/00"), s);
        ASSERT_EQ(pdfOffers.size(), 1U);
        EXPECT_TRUE(pdfOffers[0].startsWith(QStringLiteral("No printer is installed.\n")));
        EXPECT_TRUE(pdfOffers[0].contains(QStringLiteral("printer settings")));
        EXPECT_EQ(dialogsShown, taken ? 1 : 0);
        // The save dialog starts in the last PDF's folder.
        EXPECT_EQ(saveDialogFolder, taken ? folder.filePath(QStringLiteral("last")) : QString());
        EXPECT_TRUE(errors.empty());
        EXPECT_FALSE(QFile::exists(pdfPath()));
        // The name typed without its extension gets it, and is where the next save starts.
        QFile saved(folder.filePath(QStringLiteral("saved.pdf")));
        EXPECT_EQ(saved.open(QIODevice::ReadOnly) && saved.readAll().count("/Type /Page\n") == 1, taken);
        EXPECT_EQ(lastPdf, taken ? saved.fileName() : folder.filePath(QStringLiteral("last/Pecunor.pdf")));
    }
}

// A save that cannot be written (a read-only folder) says why with the
// file's name and leaves the old file as it was, and nothing beside it.
TEST_F(PrintDialogTest, FailedPdfSaveKeepsTheOldFile)
{
    const QString readOnly = folder.filePath(QStringLiteral("read-only"));
    const QString path = readOnly + QStringLiteral("/printout.pdf");
    ASSERT_TRUE(QDir().mkpath(readOnly));
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old") == 3);
    }
    nextPdfChoice = SaveChoice{path, 1};
    PrintServices s = services();
    TfrmPrint dialog(nullptr, content(), s);
    {
        const FileModesObeyed asAnyUser;
        ::chmod(QFile::encodeName(readOnly).constData(), 0555);
        dialog.btnSavePdf->click();
        ::chmod(QFile::encodeName(readOnly).constData(), 0755);
    }
    ASSERT_EQ(errors.size(), 1U);
    EXPECT_TRUE(errors[0].startsWith(QStringLiteral("An error occurred writing to file\n") + path))
        << errors[0].toStdString();
    EXPECT_TRUE(errors[0].endsWith(QStringLiteral("Permission denied"))) << errors[0].toStdString();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    QFile kept(path);
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), "old");
    EXPECT_EQ(QDir(readOnly).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("printout.pdf")});
}

// While the error line is shown the window's hidden table and summary still
// hold an earlier result; the printout carries the inputs alone.
TEST(TextPrintoutOfTheWindow, ErrorLineShownPrintsTheInputsOnly)
{
    const DayNumber today = date(2026, 12, 7);
    AppSettings settings{today, QStringLiteral("/opt/pecunor/")};
    WindowServices services;
    services.today = [today] { return today; };
    services.showError = [](QWidget*, const QString&) {};
    services.saveSettings = [](const AppSettings&) { return SaveResult{}; };
    services.explanation = [](CalcMethod) { return QString(); };
    TfrmCalc window(settings, usRegional(), services);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto type = [](QLineEdit* edit, const QString& text) {
        edit->setFocus();
        edit->selectAll();
        QTest::keyClicks(edit, text);
    };
    type(window.txtValue[0], QStringLiteral("1000"));
    type(window.txtValue[1], QStringLiteral("10"));
    type(window.txtValue[2], QStringLiteral("3"));
    const TextWidth width = [](std::string_view text) { return static_cast<int>(text.size()) * 10; };
    const PageMetrics page{4000, 6000, 50};
    for (const bool errorLine : {false, true}) {
        if (errorLine) {
            window.txtValue[2]->setFocus();
            window.txtValue[2]->selectAll();
            QTest::keyClick(window.txtValue[2], Qt::Key_Backspace);
        }
        ASSERT_EQ(window.lblError->isVisibleTo(window.tabCalc), errorLine);
        const auto texts = layoutTextPrintout(window.shownResult(), PrintRange::AllRows, page, width, "10/30/00");
        const bool hasTable =
            std::any_of(texts.begin(), texts.end(), [](const PlacedText& t) { return t.text == "Accumulated Total"; });
        const bool hasSummary =
            std::any_of(texts.begin(), texts.end(), [](const PlacedText& t) { return t.text == "Future Value :"; });
        EXPECT_EQ(hasTable, !errorLine);
        EXPECT_EQ(hasSummary, !errorLine);
        EXPECT_TRUE(std::any_of(texts.begin(), texts.end(), [](const PlacedText& t) { return t.text == "Method :"; }));
        EXPECT_EQ(
            std::all_of(texts.begin(), texts.end(), [&](const PlacedText& t) { return t.y < 9 * page.lineHeight; }),
            errorLine);
    }
    window.close();
}

}  // namespace
}  // namespace pecunor::test
