#include <QKeySequence>
#include <QMenuBar>

#include "../file_commands/file_command_window.h"
#include "text_catalog.h"
#include "ui_language.h"

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
    const TextCatalog& german = germanCatalog();
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
    enter(CalcMethod::FutureValue, QStringLiteral("1/15/24"), {QStringLiteral("1000"), QStringLiteral("10"),
                                                               QStringLiteral("3")});
    const QString path = scratch.filePath(QStringLiteral("endwert.txt"));
    run(w.mnuSaveAsText, SaveChoice{path, 1});
    ASSERT_EQ(dialogs.size(), 1u);
    EXPECT_EQ(dialogs[0].title, QStringLiteral("Ostrel Pecunor 97 – Tabelle speichern"));
    EXPECT_EQ(dialogs[0].selectedFilter, QStringLiteral("Spaltenbündig (*.TXT *.txt)"));
    const QString written = QString::fromUtf8(fileBytes(path));
    for (const char* line : {"                  Methode : Endwert\r\n",
                             "             Anzahl Jahre :               3\r\n",
                             "                  Endwert :       $1,331.00\r\n",
                             "  #      Datum  Zinsen/Jahr  Kontostand\r\n"})
        EXPECT_TRUE(written.contains(QString::fromUtf8(line))) << line << "\nin\n" << written.toStdString();
    EXPECT_TRUE(errors.empty());
}

}  // namespace
}  // namespace pecunor::test
