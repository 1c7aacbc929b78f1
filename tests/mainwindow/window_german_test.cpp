#include <QKeySequence>
#include <QMenuBar>
#include <QScreen>

#include "../file_commands/file_command_window.h"
#include "engine/text_catalog.h"
#include "platform/ui_language.h"
#include "whole_result.h"

// The window in German, as a German desktop starts it: the program's and
// Qt's translations installed, the engine's German texts. A program of its
// own, since an installed language stays for the rest of the process.
namespace pecunor::test {
namespace {

class GermanWindow : public FileCommandWindow {
protected:
    static void SetUpTestSuite() { platform::useInterfaceLanguage(QStringLiteral("de")); }

    QStringList menuItems(const char* menuName) const
    {
        QStringList captions;
        for (const QAction* item : window->menuBar()->findChild<QMenu*>(QLatin1String(menuName))->actions())
            if (!item->isSeparator())
                captions << item->text();
        return captions;
    }

    // What Alt reaches while no menu is open: the menu bar, the pages and the input labels.
    QStringList windowCaptions() const
    {
        QStringList captions;
        for (const QAction* title : window->menuBar()->actions())
            captions << title->text();
        for (int page = 0; page < window->pagRight->count(); ++page)
            captions << window->pagRight->tabText(page);
        for (int row = 0; row < 4; ++row)
            captions << window->rowLabel(row)->text();
        return captions;
    }
};

TEST_F(GermanWindow, MenusAreGermanAndTheirUnderlinedLettersUnique)
{
    open();
    struct Case {
        const char* name;
        QStringList captions;
        QString first;
    };
    const Case cases[] = {
        {"menu bar, pages and labels", windowCaptions(), QStringLiteral("&Datei")},
        {"File", menuItems("mnuFile"), QStringLiteral("Als &Text speichern …")},
        {"Edit", menuItems("mnuEdit"), QStringLiteral("&Ausschneiden")},
        {"Setup", menuItems("mnuSetup"), QStringLiteral("&Waagerechte Gitterlinien")},
        {"Help", menuItems("mnuHelp"), QStringLiteral("&Hilfe")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.captions.value(0), c.first);
        QList<QKeySequence> keys;
        for (const QString& caption : c.captions) {
            const QKeySequence key = QKeySequence::mnemonic(caption);
            EXPECT_FALSE(key.isEmpty()) << caption.toStdString();
            EXPECT_FALSE(keys.contains(key)) << caption.toStdString();
            keys << key;
        }
    }
}

TEST_F(GermanWindow, InputsShowTheCatalogsGermanTexts)
{
    TfrmCalc& w = open();
    enter(CalcMethod::PresentLoanPayment, QStringLiteral("1/15/24"), {});
    w.cboPeriodsAre->setCurrentIndex(indexOf(PeriodUnit::Months));
    const TextCatalog& german = platform::interfaceCatalog();
    const std::size_t loan = static_cast<std::size_t>(indexOf(CalcMethod::PresentLoanPayment));
    struct Case {
        const char* name;
        QString shown;
        std::string expected;
    };
    const Case cases[] = {
        {"method label", w.lblMethod->text(), std::string(german.inputCaptions.method)},
        {"method list", w.cboMethod->itemText(indexOf(CalcMethod::SumOfYearsDepreciation)),
         std::string(german.methodNames[static_cast<std::size_t>(indexOf(CalcMethod::SumOfYearsDepreciation))])},
        {"unit list", w.cboPeriodsAre->currentText(), std::string(german.units[3].listText)},
        {"interest unit list", w.cboInterestPer->itemText(0), std::string(german.units[0].interestPer)},
        {"count row follows the unit", w.lblValue[3]->text(),
         fillUnitTemplate(german.valueLabels[loan][3], german, PeriodUnit::Months)},
        {"error line", w.lblError->text(), std::string(german.invalidInput)},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.shown, QString::fromStdString(c.expected)) << c.name;
    EXPECT_TRUE(w.lblError->isVisibleTo(w.tabCalc));
}

// Alt and the letter each page caption underlines, not the English C and X.
TEST_F(GermanWindow, PageKeysAreTheLettersTheTabsUnderline)
{
    TfrmCalc& w = open();
    struct Case {
        const char* name;
        Qt::Key key;
        QWidget* page;
    };
    const Case cases[] = {
        {"Alt+R: calculator", Qt::Key_R, w.tabCalc},
        {"Alt+X: nothing", Qt::Key_X, w.tabCalc},
        {"Alt+L: explanation", Qt::Key_L, w.tabExplain},
        {"Alt+C: nothing", Qt::Key_C, w.tabExplain},
    };
    for (const Case& c : cases) {
        QTest::keyClick(w.cboMethod, c.key, Qt::AltModifier);
        EXPECT_EQ(w.pagRight->currentWidget(), c.page) << c.name;
    }
}

TEST_F(GermanWindow, SavedTextCarriesTheWindowsGermanCaptions)
{
    TfrmCalc& w = open();
    enter(CalcMethod::FutureValue, QStringLiteral("1/15/24"),
          {QStringLiteral("1000"), QStringLiteral("10"), QStringLiteral("3")});
    const QString path = scratch.filePath(QStringLiteral("endwert.txt"));
    run(w.mnuSaveAsText, SaveChoice{path, 1});
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, QStringLiteral("Ostrel Pecunor 97 – Tabelle speichern"));
    EXPECT_EQ(dialogs[0].selectedFilter, QStringLiteral("Spaltenbündig (*.TXT *.txt)"));
    const QString written = QString::fromUtf8(fileBytes(path));
    for (const char* line :
         {"                  Methode : Endwert\r\n", "             Anzahl Jahre :               3\r\n",
          "                  Endwert :       $1,331.00\r\n", "  #      Datum  Zinsen/Jahr  Kontostand\r\n"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(line))) << line << "\nin\n" << written.toStdString();
    EXPECT_TRUE(errors.empty());
}

// A German desktop's mortgage at the window's first size: every figure of
// the table and the summary whole, every header with all its words.
TEST_F(GermanWindow, MortgageReadsWholeAtTheFirstSize)
{
    settings.sizeStored = true;
    window = std::make_unique<TfrmCalc>(settings, germanRegional(), services());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    TfrmCalc& w = *window;
    ASSERT_EQ(w.size(), QSize(640, 480));
    enter(CalcMethod::PresentLoanPayment, QStringLiteral("15.01.2024"),
          {QStringLiteral("250000"), QStringLiteral("6,5"), QStringLiteral("50000"), QStringLiteral("360")});
    w.cboPeriodsAre->setCurrentIndex(indexOf(PeriodUnit::Months));
    QTest::keyClick(w.cboMethod, Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(w.sgrFin->isVisible());
    ASSERT_TRUE(w.sgrFin->cellText(4, 1).startsWith(QStringLiteral("199.816,05")))
        << w.sgrFin->cellText(4, 1).toStdString();
    EXPECT_FALSE(expectResultShownWhole(w)) << "fits without scrolling";
}

// Swiss forms: "1’234.56 CHF".
RegionalSettings swissRegional()
{
    RegionalSettings regional = germanRegional();
    regional.decimalSeparator = ".";
    regional.thousandsSeparator = "\u2019";
    regional.currencySymbol = "CHF";
    return regional;
}

struct FirstWindowCase {
    const char* name;
    bool sizeStored;
    bool widened;
};

void PrintTo(const FirstWindowCase& c, std::ostream* out) { *out << c.name; }

class SwissFirstWindow : public GermanWindow, public ::testing::WithParamInterface<FirstWindowCase> { };

// Without a stored size the first window widens just enough for the restored
// mortgage's Swiss figures; a stored 640 x 480 stays and the table scrolls.
TEST_P(SwissFirstWindow, WidensOnlyWithoutAStoredSize)
{
    settings.sizeStored = GetParam().sizeStored;
    settings.Page = static_cast<std::uint8_t>(indexOf(CalcMethod::PresentLoanPayment));
    MethodInput& loan = settings.MethodInputs.slot(CalcMethod::PresentLoanPayment);
    loan.startDate = date(2024, 1, 15);
    loan.periodUnit = indexOf(PeriodUnit::Months);
    loan.valueTexts = {"250000", "6.5", "50000", "360"};
    window = std::make_unique<TfrmCalc>(settings, swissRegional(), services());
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
    TfrmCalc& w = *window;
    QTest::keyClick(w.cboMethod, Qt::Key_R, Qt::AltModifier);
    ASSERT_TRUE(w.sgrFin->cellText(4, 1).startsWith(QString::fromUtf8("199\u2019816.05")));
    EXPECT_EQ(w.width() > 640, GetParam().widened) << w.width();
    EXPECT_EQ(w.height(), 480);
    EXPECT_LE(w.frameGeometry().right(), w.screen()->availableGeometry().right());
    EXPECT_EQ(expectResultShownWhole(w), !GetParam().widened) << "scrolls only at the stored size";
}

INSTANTIATE_TEST_SUITE_P(Sizes, SwissFirstWindow,
                         ::testing::Values(FirstWindowCase{"NoSizeStored", false, true},
                                           FirstWindowCase{"SizeStored", true, false}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace pecunor::test
