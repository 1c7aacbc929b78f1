#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QStackedWidget>
#include <QStyle>
#include <QTranslator>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "install_test_support.h"
#include "mainwindow/about_window.h"
#include "mainwindow/font_record_qt.h"
#include "output/frm_print.h"
#include "platform/ui_language.h"
#include "product/copy_program.h"
#include "setup/frm_install.h"

// Every dialog of the program at a 12-point desktop font, in English and in
// each language it is translated into: each text whole and inside the
// window, the window at least as large as designed. A program of its own,
// since the font is the whole application's.
namespace pecunor {
namespace {

// The program's and Qt's translations into one language while it lives.
class LanguageTexts {
public:
    explicit LanguageTexts(const QString& language)
    {
        const QStringList files = QDir(QStringLiteral(":/i18n")).entryList({QStringLiteral("*_%1.qm").arg(language)});
        for (const QString& file : files)
            load(QStringLiteral(":/i18n/") + file);
        load(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_%1.qm").arg(language));
    }
    ~LanguageTexts()
    {
        for (const auto& translator : translators_)
            QCoreApplication::removeTranslator(translator.get());
    }
    LanguageTexts(const LanguageTexts&) = delete;
    LanguageTexts& operator=(const LanguageTexts&) = delete;
    int count() const { return int(translators_.size()); }

private:
    void load(const QString& file)
    {
        auto translator = std::make_unique<QTranslator>();
        if (translator->load(file) && QCoreApplication::installTranslator(translator.get()))
            translators_.push_back(std::move(translator));
    }
    std::vector<std::unique_ptr<QTranslator>> translators_;
};

struct Dialogs {
    testing::TemporaryHome home;
    testing::ScriptedMessages messages;
    QPrinter printer;
    PrintServices print;
    ShownResult shown;
    QLabel clientArea;

    Dialogs()
    {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(home.path(QStringLiteral("out.pdf")));
        print.printer = [this]() -> QPrinter& { return printer; };
    }

    std::unique_ptr<QWidget> printOptions()
    {
        return std::make_unique<TfrmPrint>(
            nullptr,
            PrintContent{QStringLiteral("Ostrel Pecunor 97"), &shown, &clientArea, QFont(), QStringLiteral("10/30/00")},
            print);
    }

    static std::unique_ptr<QWidget> copyProgram()
    {
        CopyProgramServices copy;
        copy.volumes = [] {
            return QList<CopyVolume>{{QStringLiteral("/media/stick"), QStringLiteral("STICK"), true, false},
                                     {QStringLiteral("/"), QString(), false, false}};
        };
        return std::make_unique<TfrmCopyProgram>(copy);
    }

    // The wizard on one of its pages, reached as the user reaches it.
    std::unique_ptr<QWidget> wizardOn(InstallPage page)
    {
        const QStringList missing =
            page == InstallPage::NegResult ? QStringList{QStringLiteral("Readme.txt")} : QStringList{};
        SetupServices services =
            testing::testServices(messages, testing::makeDistFolder(home.path(QStringLiteral("dist")), missing));
        services.wait = [](double) {};
        services.shellFolders = [] { return platform::ShellFolders{}; };
        auto wizard = std::make_unique<TfrmInstall>(services);
        wizard->show();
        if (page == InstallPage::OldVersion) {
            wizard->pagMain->setCurrentWidget(wizard->tabOldVersion);
            return wizard;
        }
        wizard->pagMain->setCurrentWidget(wizard->tabIntro);
        while (wizard->currentPage() < std::min(page, InstallPage::Finish))
            wizard->btnControls(wizard->btnNext);
        if (page == InstallPage::PosResult)
            wizard->btnControls(wizard->tabPosResult);
        if (page == InstallPage::NegResult)
            wizard->finishInstall();
        EXPECT_EQ(wizard->currentPage(), page);
        return wizard;
    }

    static std::unique_ptr<QWidget> tableFont()
    {
        return std::make_unique<TableFontDialog>(fontFromRecord(FontRecord{}));
    }
};

struct DialogCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>(Dialogs&)> open;
    QSize leastSize;  // as designed; empty where the design gives none
};

void PrintTo(const DialogCase& c, std::ostream* out) { *out << c.name; }

QString shownText(const QWidget& widget)
{
    if (const auto* label = qobject_cast<const QLabel*>(&widget))
        return label->text();
    if (const auto* button = qobject_cast<const QAbstractButton*>(&widget))
        return button->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(&widget))
        return group->title();
    return QString();
}

// Where the text stands in the widget: a label's text by its alignment,
// any other control's anywhere on it.
QRect textArea(const QWidget& widget)
{
    const auto* label = qobject_cast<const QLabel*>(&widget);
    if (label == nullptr || label->wordWrap())
        return widget.rect();
    return QStyle::alignedRect(label->layoutDirection(), label->alignment(),
                               label->sizeHint().boundedTo(label->contentsRect().size()), label->contentsRect());
}

// Each visible text is given the room it asks for, and none of it lies
// outside the window or is clipped by the frame around it.
void expectTextsWholeAndInside(const QWidget& dialog)
{
    for (const QWidget* widget : dialog.findChildren<QWidget*>()) {
        const QString text = shownText(*widget);
        if (!widget->isVisibleTo(&dialog) || text.trimmed().isEmpty())
            continue;
        SCOPED_TRACE(text.toStdString());
        const auto* label = qobject_cast<const QLabel*>(widget);
        // A path shortened to its place is shown whole in its tip.
        if (label != nullptr && label->wordWrap()) {
            EXPECT_GE(label->height(), label->heightForWidth(label->width()));
        } else if (widget->toolTip() != text) {
            EXPECT_GE(widget->width(), widget->sizeHint().expandedTo(widget->minimumSizeHint()).width());
        }
        EXPECT_TRUE(QRegion(textArea(*widget)).subtracted(widget->visibleRegion()).isEmpty())
            << "at " << widget->mapTo(&dialog, QPoint()).x() << "," << widget->mapTo(&dialog, QPoint()).y()
            << " in a window of " << dialog.width() << " x " << dialog.height();
    }
}

class DialogFit : public ::testing::TestWithParam<std::tuple<DialogCase, std::string>> {
protected:
    static void SetUpTestSuite()
    {
        QFont desktop = QApplication::font();
        desktop.setPointSize(12);
        QApplication::setFont(desktop);
    }
};

TEST_P(DialogFit, EveryTextIsWholeAndInsideAtTwelvePoints)
{
    const auto& [dialogCase, language] = GetParam();
    std::unique_ptr<LanguageTexts> texts;
    if (language != "en") {
        texts = std::make_unique<LanguageTexts>(QString::fromStdString(language));
        ASSERT_GE(texts->count(), 3);
    }
    Dialogs dialogs;
    const std::unique_ptr<QWidget> dialog = dialogCase.open(dialogs);
    dialog->show();
    QCoreApplication::processEvents();
    EXPECT_GE(dialog->width(), dialogCase.leastSize.width());
    EXPECT_GE(dialog->height(), dialogCase.leastSize.height());
    expectTextsWholeAndInside(*dialog);
}

const DialogCase dialogCases[] = {
    {"PrintOptions", &Dialogs::printOptions, {413, 198}},
    {"CopyProgram", [](Dialogs&) { return Dialogs::copyProgram(); }, {324, 192}},
    {"WizardIntro", [](Dialogs& d) { return d.wizardOn(InstallPage::Intro); }, {489, 311}},
    {"WizardInstallTo", [](Dialogs& d) { return d.wizardOn(InstallPage::InstallTo); }, {489, 311}},
    {"WizardStartMenu", [](Dialogs& d) { return d.wizardOn(InstallPage::StartMenu); }, {489, 311}},
    {"WizardFinish", [](Dialogs& d) { return d.wizardOn(InstallPage::Finish); }, {489, 311}},
    {"WizardPosResult", [](Dialogs& d) { return d.wizardOn(InstallPage::PosResult); }, {489, 311}},
    {"WizardNegResult", [](Dialogs& d) { return d.wizardOn(InstallPage::NegResult); }, {489, 311}},
    {"WizardOldVersion", [](Dialogs& d) { return d.wizardOn(InstallPage::OldVersion); }, {489, 311}},
    {"About", [](Dialogs&) { return std::unique_ptr<QWidget>(new TfrmAbout); }, {380, 247}},
    {"TableFont", [](Dialogs&) { return Dialogs::tableFont(); }, {}},
};

// English and every language the program has translation files for.
std::vector<std::string> languages()
{
    std::vector<std::string> codes{"en"};
    for (const QString& language : platform::translatedLanguages())
        codes.push_back(language.toStdString());
    return codes;
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DialogFit,
                         ::testing::Combine(::testing::ValuesIn(dialogCases), ::testing::ValuesIn(languages())),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param);
                         });

}  // namespace
}  // namespace pecunor
