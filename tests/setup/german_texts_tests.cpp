#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStackedWidget>
#include <QStyleOptionButton>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "install_test_support.h"
#include "platform/window_system.h"
#include "product/copy_program.h"
#include "settings/app_settings.h"
#include "setup/frm_install.h"
#include "setup/uninstall.h"

namespace pecunor {
namespace {

// The installer, the uninstaller, the copy dialog and the settings store
// with the program's German translation installed, as a German desktop has it.
class German : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        translator = new QTranslator(qApp);
        ASSERT_TRUE(translator->load(QStringLiteral(":/i18n/pecunor_setup_de.qm")));
        QCoreApplication::installTranslator(translator);
        platform::installFontSubstitutes();
    }

    std::unique_ptr<TfrmInstall> wizard()
    {
        services = testing::testServices(messages, testing::makeDistFolder(home.path(QStringLiteral("dist"))));
        return std::make_unique<TfrmInstall>(services);
    }
    std::unique_ptr<TfrmCopyProgram> copyDialog()
    {
        CopyProgramServices copy;
        copy.volumes = [] { return QList<CopyVolume>{{QStringLiteral("/media/stick"), QStringLiteral("STICK")}}; };
        return std::make_unique<TfrmCopyProgram>(copy);
    }

    static inline QTranslator* translator = nullptr;
    testing::TemporaryHome home;
    testing::ScriptedMessages messages;
    SetupServices services;
};

// What a window shows: its caption, then its labels' and buttons' texts.
QStringList shownTexts(const QWidget& window)
{
    QStringList texts{window.windowTitle()};
    for (const QLabel* label : window.findChildren<QLabel*>())
        texts << label->text();
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        texts << button->text();
    return texts;
}

TEST_F(German, EveryWizardAndCopyDialogTextIsTranslated)
{
    QCoreApplication::removeTranslator(translator);
    const QStringList englishWizard = shownTexts(*wizard());
    const QStringList englishCopy = shownTexts(*copyDialog());
    QCoreApplication::installTranslator(translator);
    const QStringList germanWizard = shownTexts(*wizard());
    const QStringList germanCopy = shownTexts(*copyDialog());

    // Addresses and folders are the same in every language.
    const QRegularExpression data(QStringLiteral("^(|/.*|https?:.*)$"));
    for (const auto& [english, german] : {std::pair{englishWizard, germanWizard}, {englishCopy, germanCopy}}) {
        ASSERT_EQ(english.size(), german.size());
        for (qsizetype i = 0; i < english.size(); ++i)
            if (!data.match(english[i]).hasMatch()) {
                EXPECT_NE(english[i], german[i]) << "left in English: " << english[i].toStdString();
            }
    }
}

// How many letters after "&" in the texts are taken already, in any case.
qsizetype sharedMnemonics(const QStringList& texts)
{
    static const QRegularExpression mnemonic(QStringLiteral("&([^&])"));
    QStringList letters;
    for (const QString& text : texts)
        for (const auto& match : mnemonic.globalMatch(QString(text).remove(QStringLiteral("&&"))))
            letters << match.captured(1).toLower();
    return letters.removeDuplicates();
}

TEST_F(German, MnemonicsAreUniqueOnEachWizardPageAndInTheCopyDialog)
{
    const std::unique_ptr<TfrmInstall> w = wizard();
    for (int page = 0; page < installPageCount; ++page) {
        const PageButtons buttons = pageButtons(InstallPage(page));
        const QStringList texts = shownTexts(*w->pagMain->widget(page))
                                  << w->btnBack->text() << buttons.nextCaption << buttons.cancelCaption;
        EXPECT_EQ(sharedMnemonics(texts), 0) << "page " << page;
    }
    EXPECT_EQ(sharedMnemonics(shownTexts(*copyDialog())), 0) << "copy dialog";
}

// A text fits when a wrapped label is tall enough for its lines, an unwrapped
// label or a check box wide enough, and a button's text fits inside its frame.
// A text too long for its place is shown whole as a tooltip. The layouts
// place the controls when the window is shown, those of a page when it is.
void expectTextsFit(QWidget& window)
{
    window.show();
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (!label->isVisibleTo(&window) || label->text().isEmpty() || !label->toolTip().isEmpty())
            continue;
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : label->sizeHint().width() <= label->width();
        EXPECT_TRUE(fits) << label->text().toStdString();
    }
    for (const QCheckBox* box : window.findChildren<QCheckBox*>()) {
        if (!box->isVisibleTo(&window))
            continue;
        EXPECT_LE(box->sizeHint().width(), box->width()) << box->text().toStdString();
    }
    for (const QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window))
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect inside = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const QString text = QString(button->text()).remove(u'&');
        EXPECT_LE(button->fontMetrics().horizontalAdvance(text), inside.width()) << text.toStdString();
    }
}

TEST_F(German, TextsFitTheirPlaces)
{
    const std::unique_ptr<TfrmInstall> w = wizard();
    for (int page = 0; page < installPageCount; ++page) {
        w->pagMain->setCurrentIndex(page);
        expectTextsFit(*w);
    }
    // The Next and Cancel buttons change their captions on the later pages.
    w->btnNext->setText(pageButtons(InstallPage::Finish).nextCaption);
    w->btnCancel->setText(pageButtons(InstallPage::PosResult).cancelCaption);
    expectTextsFit(*w);
    expectTextsFit(*copyDialog());
}

TEST_F(German, WindowsAndMessagesShowGermanTextsWithTheSettingsValueNameKept)
{
    struct Row {
        const char* name;
        std::function<QString()> shown;
        QString german;
    };
    const std::unique_ptr<TfrmInstall> w = wizard();
    const QString settingsFile = QStringLiteral("/proc/pecunor/Pecunor 97.conf");
    for (const Row& row : std::initializer_list<Row>{
             {"wizard caption", [&] { return w->windowTitle(); }, "Installation von Ostrel Pecunor 97"},
             {"folder page", [&] { return w->lblDestination->text(); },
              "Bitte wählen Sie einen übergeordneten Ordner für Ostrel Pecunor 97 und klicken Sie auf „Weiter“."},
             {"desktop box", [&] { return w->chkDesktop->text(); }, "Desktopsymbol für Ostrel Pecunor 97 anlegen"},
             {"back", [&] { return w->btnBack->text(); }, "< &Zurück"},
             {"next", [&] { return w->btnNext->text(); }, "Weiter >"},
             {"finish", [] { return pageButtons(InstallPage::Finish).nextCaption; }, "Fertigstellen"},
             {"close", [] { return pageButtons(InstallPage::PosResult).cancelCaption; }, "Schließen"},
             {"copy dialog caption", [&] { return copyDialog()->windowTitle(); },
              "Ostrel Pecunor 97 für einen Freund kopieren"},
             {"drive error",
              [] { return copyOutcomeMessage(CopyOutcome::DriveError, QStringLiteral("/media/stick")).text; },
              "Fehler beim Schreiben auf Laufwerk /media/stick. Wenn es ein Wechseldatenträger ist, vergewissern Sie "
              "sich, dass ein Datenträger eingelegt ist, und versuchen Sie es erneut."},
             {"uninstall question",
              [&] {
                  messages.answers = {QMessageBox::Cancel};
                  uninstall(services);
                  return messages.texts.takeFirst().section('\n', 0, 0);
              },
              "Möchten Sie Ostrel Pecunor 97 wirklich deinstallieren?"},
             {"settings not saved",
              [&] { return saveSettings(AppSettings(0, "/opt/"), "/opt/", settingsFile).message(); },
              "Fehler beim Speichern des Werts „AppPath“\n" + settingsFile +
                  ": der Ordner konnte nicht angelegt werden"},
         })
        EXPECT_EQ(row.shown(), row.german) << row.name;
}

}  // namespace
}  // namespace pecunor
