#include "frm_install.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

#include <algorithm>

#include "desktop_entries.h"
#include "folder_tree.h"
#include "install_reading.h"
#include "install_result.h"
#include "mainwindow/about_window.h"
#include "mainwindow/url_opener.h"
#include "platform/shell_folders.h"
#include "platform/ui_language.h"
#include "platform/wait_cursor.h"
#include "product/product_constants.h"
#include "product/setup_utilities.h"
#include "resources/rcdata.h"

namespace pecunor {

namespace {

constexpr int introductionDocument = 3;
constexpr int oldestSupportedVersion = 390;

QString productText(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

template <typename Widget>
Widget* named(QWidget* parent, const char* name)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& caption)
{
    auto* label = named<QLabel>(parent, name);
    label->setText(caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Wraps to the page's width instead of widening the page.
    QSizePolicy policy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    label->setSizePolicy(policy);
    return label;
}

ClickLabel* linkLabel(QWidget* parent, const char* name)
{
    auto* label = named<ClickLabel>(parent, name);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    QFont font = label->font();
    font.setPixelSize(13);
    label->setFont(font);
    label->setCursor(Qt::UpArrowCursor);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption)
{
    auto* box = named<QCheckBox>(parent, name);
    box->setText(caption);
    box->setChecked(true);
    return box;
}

// A page of the wizard: its controls one below the other.
QVBoxLayout* pageColumn(QWidget* page)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(8, 8, 8, 8);
    return column;
}

// A list takes the room the texts leave on its page, but never less than a
// few lines.
void fillRemainingHeight(QVBoxLayout* column, QAbstractScrollArea* list)
{
    list->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    list->setMinimumHeight(list->fontMetrics().height() * 5);
    column->addWidget(list, 1);
}

// The volume holding folder: the one with the longest mount point above it.
qsizetype volumeOf(const std::vector<Volume>& volumes, const QString& folder)
{
    qsizetype best = -1;
    for (qsizetype i = 0; i < qsizetype(volumes.size()); ++i) {
        const QString root = withTrailingSeparator(volumes[i].root);
        if ((folder == volumes[i].root || folder.startsWith(root)) &&
            (best < 0 || volumes[i].root.size() > volumes[best].root.size()))
            best = i;
    }
    return best;
}

}  // namespace

TfrmInstall::TfrmInstall(SetupServices services, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      services_(std::move(services))
{
    setObjectName(QStringLiteral("frmInstall"));
    createControls();
    FormCreate();
    tellInstallWizardToReaders(*this);
}

void TfrmInstall::createControls()
{
    const QString product = productNameText();
    panGraphic = named<QFrame>(this, "panGraphic");
    panGraphic->setFixedWidth(103);
    panGraphic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panGraphic->setAutoFillBackground(true);
    QPalette teal = panGraphic->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    panGraphic->setPalette(teal);
    imgOstrel = named<QLabel>(panGraphic, "imgOstrel");
    imgOstrel->setAlignment(Qt::AlignCenter);
    imgOstrel->setPixmap(QPixmap(QStringLiteral(":/images/ostrel_logo.png"))
                             .scaled(95, 254, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto* graphic = new QVBoxLayout(panGraphic);
    graphic->setContentsMargins(2, 2, 2, 2);
    graphic->addWidget(imgOstrel);

    pagMain = named<QStackedWidget>(this, "pagMain");
    tabIntro = named<QWidget>(pagMain, "tabIntro");
    rtfIntro = named<QTextBrowser>(tabIntro, "rtfIntro");
    rtfIntro->setOpenLinks(false);
    rtfIntro->setStyleSheet(QStringLiteral("QTextBrowser { background: white; }"));
    auto* intro = pageColumn(tabIntro);
    intro->setContentsMargins(0, 0, 0, 0);
    fillRemainingHeight(intro, rtfIntro);

    tabInstallTo = named<QWidget>(pagMain, "tabInstallTo");
    lblDestination = wrappedLabel(tabInstallTo, "lblDestination",
                                  tr("Please select a parent folder for %1. Click on Next to proceed.").arg(product));
    drvInstallTo = named<QComboBox>(tabInstallTo, "drvInstallTo");
    drvInstallTo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    lblInstallTo = named<ElidedLabel>(tabInstallTo, "lblInstallTo");
    // The folder tree below shows a deep folder whole.
    lblInstallTo->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    flbInstallTo = named<FolderTree>(tabInstallTo, "flbInstallTo");
    auto* installTo = pageColumn(tabInstallTo);
    for (QWidget* control : std::initializer_list<QWidget*>{lblDestination, drvInstallTo, lblInstallTo})
        installTo->addWidget(control);
    fillRemainingHeight(installTo, flbInstallTo);

    tabStartMenu = named<QWidget>(pagMain, "tabStartMenu");
    lblStartMenu = wrappedLabel(tabStartMenu, "lblStartMenu",
                                tr("Please select from where you would like to be able to run %1.").arg(product));
    chkStartMenu = checkBox(tabStartMenu, "chkStartMenu", tr("Add %1 to the Start Menu").arg(product));
    chkDesktop = checkBox(tabStartMenu, "chkDesktop", tr("Add %1 icon to the Desktop").arg(product));
    chkOnWinStartup = checkBox(tabStartMenu, "chkOnWinStartup", tr("Run %1 on startup").arg(product));
    auto* startMenu = pageColumn(tabStartMenu);
    startMenu->addWidget(lblStartMenu);
    startMenu->addSpacing(8);
    // The choices indented below the question.
    auto* choices = new QVBoxLayout;
    choices->setContentsMargins(16, 0, 0, 0);
    choices->setSpacing(8);
    for (QCheckBox* box : {chkStartMenu, chkDesktop, chkOnWinStartup})
        choices->addWidget(box);
    startMenu->addLayout(choices);
    startMenu->addStretch();

    tabFinish = named<QWidget>(pagMain, "tabFinish");
    lblFinish1 = wrappedLabel(tabFinish, "lblFinish1", tr("The following files will be installed on your system"));
    lstFinish = named<QListWidget>(tabFinish, "lstFinish");
    lblFinish2 = wrappedLabel(tabFinish, "lblFinish2", tr("Click on Finish to install %1.").arg(product));
    auto* finish = pageColumn(tabFinish);
    finish->addWidget(lblFinish1);
    fillRemainingHeight(finish, lstFinish);
    finish->addWidget(lblFinish2);

    tabPosResult = named<QWidget>(pagMain, "tabPosResult");
    lblPosResult = wrappedLabel(tabPosResult, "lblPosResult", tr("Installation has been completed successfully!"));
    lblPosResult->setAlignment(Qt::AlignCenter);
    auto* posResult = pageColumn(tabPosResult);
    posResult->addStretch();
    posResult->addWidget(lblPosResult);
    posResult->addStretch();

    tabNegResult = named<QWidget>(pagMain, "tabNegResult");
    lblNegResult = wrappedLabel(tabNegResult, "lblNegResult", QString());
    lblWWW1 = linkLabel(tabNegResult, "lblWWW1");
    // A long list of files that could not be written scrolls instead of
    // running off the page, the link below it.
    auto* negContent = new QWidget(tabNegResult);
    auto* negColumn = new QVBoxLayout(negContent);
    negColumn->setContentsMargins(0, 0, 0, 0);
    negColumn->addWidget(lblNegResult);
    negColumn->addSpacing(4);
    negColumn->addWidget(lblWWW1);
    negColumn->addStretch();
    auto* negScroll = new QScrollArea(tabNegResult);
    negScroll->setFrameShape(QFrame::NoFrame);
    negScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    negScroll->setWidgetResizable(true);
    negScroll->setWidget(negContent);
    auto* negResult = pageColumn(tabNegResult);
    negResult->addSpacing(32);
    negResult->addWidget(negScroll, 1);

    tabOldVersion = named<QWidget>(pagMain, "tabOldVersion");
    lblOldVersion1 = named<QLabel>(tabOldVersion, "lblOldVersion1");
    lblOldVersion1->setText(tr("Attention"));
    lblOldVersion1->setAlignment(Qt::AlignCenter);
    QFont heading = lblOldVersion1->font();
    heading.setBold(true);
    heading.setPointSizeF(heading.pointSizeF() * 1.5);
    lblOldVersion1->setFont(heading);
    lblOldVersion2 = wrappedLabel(
        tabOldVersion, "lblOldVersion2",
        tr("According to your system clock you have downloaded a version of this program which is older than 6 "
           "months! There is a very good chance that this program has been replaced by a newer version. Please go to "
           "the following WWW address to verify:"));
    lblWWW2 = linkLabel(tabOldVersion, "lblWWW2");
    lblOldVersion3 = wrappedLabel(tabOldVersion, "lblOldVersion3",
                                  tr("However, you can continue to install this version by clicking on Next."));
    auto* oldVersion = pageColumn(tabOldVersion);
    for (QWidget* control : std::initializer_list<QWidget*>{lblOldVersion1, lblOldVersion2, lblWWW2, lblOldVersion3})
        oldVersion->addWidget(control);
    oldVersion->addStretch();

    for (QWidget* page : {tabIntro, tabInstallTo, tabStartMenu, tabFinish, tabPosResult, tabNegResult, tabOldVersion})
        pagMain->addWidget(page);

    btnBack = named<QPushButton>(this, "btnBack");
    btnBack->setText(tr("< &Back"));
    btnBack->setEnabled(false);
    btnNext = named<QPushButton>(this, "btnNext");
    btnNext->setText(tr("Next >"));
    btnNext->setDefault(true);
    btnCancel = named<QPushButton>(this, "btnCancel");
    btnCancel->setText(tr("Cancel"));
    sizeButtons();
    // Back and Next side by side and Cancel apart, at the right below the pages.
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    buttonRow->addWidget(btnBack);
    buttonRow->addWidget(btnNext);
    buttonRow->addSpacing(18);
    buttonRow->addWidget(btnCancel);
    buttonRow->setSpacing(0);

    auto* window = new QGridLayout(this);
    window->setContentsMargins(8, 8, 8, 8);
    window->setHorizontalSpacing(21);
    window->setVerticalSpacing(8);
    window->addWidget(panGraphic, 0, 0);
    window->addWidget(pagMain, 0, 1);
    window->addLayout(buttonRow, 1, 0, 1, 2);
    window->setColumnStretch(1, 1);

    for (QPushButton* button : {btnBack, btnNext, btnCancel})
        connect(button, &QPushButton::clicked, this, [this, button] { btnControls(button); });
    connect(drvInstallTo, &QComboBox::currentIndexChanged, this, &TfrmInstall::drvInstallToSelect);
    connect(flbInstallTo, &FolderTree::currentFolderChanged, this, &TfrmInstall::drvInstallToChange);
    connect(lblWWW1, &ClickLabel::clicked, this, [this] { lblWWW1Click(lblWWW1); });
    connect(lblWWW2, &ClickLabel::clicked, this, [this] { lblWWW1Click(lblWWW2); });
}

void TfrmInstall::sizeButtons()
{
    QStringList captions{btnBack->text()};
    for (int page = 0; page < installPageCount; ++page) {
        const PageButtons buttons = pageButtons(InstallPage(page));
        captions << buttons.nextCaption << buttons.cancelCaption;
    }
    const QString shown = btnNext->text();
    int width = 75;
    for (const QString& caption : captions) {
        btnNext->setText(caption);
        width = std::max(width, btnNext->sizeHint().width());
    }
    btnNext->setText(shown);
    for (QPushButton* button : {btnBack, btnNext, btnCancel})
        button->setFixedWidth(width);
}

void TfrmInstall::fitTexts()
{
    const int width = std::max(sizeHint().width(), clientWidth);
    setFixedSize(width, std::max({heightForWidth(width), minimumSizeHint().height(), clientHeight}));
}

void TfrmInstall::FormCreate()
{
    const QString product = productNameText();
    setWindowTitle(tr("%1 Setup").arg(product));

    const QByteArray introduction = readRcdata(introductionDocument, platform::interfaceLanguage());
    QStringList intro = QString::fromUtf8(introduction).split(u'\n');
    for (QString& line : intro)
        line.replace(QLatin1String("%s"), product);
    rtfIntro->setHtml(intro.join(u'\n'));

    const QString programFiles = platform::programFilesFolder();
    const std::vector<Volume> volumes = services_.volumes();
    const qsizetype volume = volumeOf(volumes, programFiles);
    if (volume >= 0)
        volumeFolders_.insert(volumes[volume].root, programFiles);
    {
        const QSignalBlocker quiet(drvInstallTo);
        for (const Volume& each : volumes)
            drvInstallTo->addItem(
                each.label.isEmpty() ? each.root : QStringLiteral("%1  [%2]").arg(each.root, each.label), each.root);
        drvInstallTo->setCurrentIndex(int(volume));
    }
    drvInstallToSelect();

    lblWWW2->setText(productText(Product.MakerWebAddress));
    fitTexts();

    const QDateTime programDate = QFileInfo(services_.programFile).lastModified();
    if (isOldVersion(programDate, services_.today())) {
        QApplication::beep();
        pagMain->setCurrentWidget(tabOldVersion);
    } else {
        pagMain->setCurrentWidget(tabIntro);
    }

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

int TfrmInstall::execute(SetupServices services)
{
    if (windowsVersionNumber() < oldestSupportedVersion) {
        QApplication::beep();
        services.message(nullptr, QMessageBox::Information,
                         tr("Sorry, this program is specifically designed to run under Windows 95 or WindowsNT 4.0."),
                         QMessageBox::Ok);
        return 0;
    }
    TfrmInstall wizard(std::move(services));
    wizard.exec();
    return 0;
}

InstallPage TfrmInstall::currentPage() const { return InstallPage(pagMain->currentIndex()); }

void TfrmInstall::showPage(InstallPage page) { pagMain->setCurrentIndex(int(page)); }

QMessageBox::StandardButton TfrmInstall::ask(QMessageBox::Icon icon, const QString& text,
                                             QMessageBox::StandardButtons buttons)
{
    return services_.message(this, icon, text, buttons);
}

void TfrmInstall::btnControls(QObject* sender)
{
    if (installing_)
        return;
    const InstallPage page = currentPage();
    if (sender == btnBack) {
        if (page > InstallPage::Intro)
            showPage(InstallPage(int(page) - 1));
    } else if (sender == btnNext) {
        if (page == InstallPage::Finish)
            finishInstall();
        else
            showPage(pageAfterNext(page));
    } else if (sender == btnCancel) {
        if (page > InstallPage::Finish) {
            done(QDialog::Rejected);
            return;
        }
        QApplication::beep();
        if (ask(QMessageBox::Question,
                tr("Are you sure you want to cancel the installation of %1?").arg(productNameText()),
                QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes) {
            done(QDialog::Rejected);
            return;
        }
    }
    if (currentPage() == InstallPage::Finish && sender == btnNext) {
        lstFinish->clear();
        lstFinish->addItems(destinationPaths(lblInstallTo->text(), programFolders()));
    }
    if (sender == tabPosResult || sender == tabNegResult)
        pagMain->setCurrentWidget(static_cast<QWidget*>(sender));
    updateButtons();
}

void TfrmInstall::updateButtons()
{
    const PageButtons buttons = pageButtons(currentPage());
    btnBack->setEnabled(buttons.backEnabled);
    btnBack->setVisible(buttons.backAndNextVisible);
    btnNext->setVisible(buttons.backAndNextVisible);
    btnNext->setText(buttons.nextCaption);
    btnCancel->setText(buttons.cancelCaption);
}

void TfrmInstall::reject() { btnControls(btnCancel); }

void TfrmInstall::closeEvent(QCloseEvent* event)
{
    if (installing_)
        event->ignore();
    else
        QDialog::closeEvent(event);
}

void TfrmInstall::drvInstallToSelect()
{
    const QString root = drvInstallTo->currentData().toString();
    if (root.isEmpty())
        return;
    QSignalBlocker quiet(flbInstallTo);
    flbInstallTo->setRoot(root);
    flbInstallTo->setCurrentFolder(volumeFolders_.value(root, root));
    quiet.unblock();
    drvInstallToChange();
}

void TfrmInstall::drvInstallToChange()
{
    const QString folder = flbInstallTo->currentFolder();
    volumeFolders_.insert(drvInstallTo->currentData().toString(), folder);
    lblInstallTo->setText(QDir::toNativeSeparators(installFolderFor(folder)));
    // A deep folder is wider than the label.
    lblInstallTo->setToolTip(lblInstallTo->text());
}

std::vector<FileFailure> TfrmInstall::createShortcuts(const QString& installFolder, const QString& programName)
{
    const platform::ShellFolders folders = services_.shellFolders();
    const ShortcutChoice choice{.startMenu = chkStartMenu->isChecked(),
                                .desktop = chkDesktop->isChecked(),
                                .onStartup = chkOnWinStartup->isChecked()};
    std::vector<FileFailure> failures;
    for (const Shortcut& shortcut : shortcutList(choice, folders, installFolder, programName)) {
        QString reason;
        const bool made = createShortcutFile(QString(), shortcut.command.first(), installFolder,
                                             shortcut.command.mid(1), QString(), shortcut.file, 0, 0, &reason);
        // Without the desktop's metadata store the launcher is still made;
        // the desktop then asks before its first start.
        if (made && shortcut.onDesktop)
            services_.markTrusted(shortcut.file);
        if (!made)
            failures.push_back({shortcut.file, reason});
    }
    if (choice.startMenu && !folders.programs.isEmpty())
        urlOpener()(QUrl::fromLocalFile(programGroupFolder(folders.programs)));
    return failures;
}

bool TfrmInstall::prepareInstallFolder(const QString& installFolder)
{
    QString reason;
    const FolderCreation creation = createInstallFolder(installFolder, &reason);
    if (creation == FolderCreation::Created)
        return true;
    QApplication::beep();
    const QString folder = QDir::toNativeSeparators(installFolder);
    const QString noChanges = tr("No changes have been made. Please select a different folder to install to.");
    // A folder that cannot be made is no question of overwriting: the user
    // learns why and picks another.
    if (creation == FolderCreation::Failed) {
        ask(QMessageBox::Warning,
            tr("The folder\n\n%1\n\ncannot be created:\n%2").arg(folder, reason) + QStringLiteral("\n\n") + noChanges,
            QMessageBox::Ok);
    } else if (ask(QMessageBox::Warning,
                   tr("The folder\n\n%1\n\napparently already exists. Do you want to overwrite existing files?")
                       .arg(folder),
                   QMessageBox::Yes | QMessageBox::Cancel) == QMessageBox::Yes) {
        return true;
    } else {
        ask(QMessageBox::Information, noChanges, QMessageBox::Ok);
    }
    showPage(InstallPage::InstallTo);
    updateButtons();
    return false;
}

void TfrmInstall::finishInstall()
{
    const QScopedValueRollback busy(installing_, true);
    const QString installFolder = QDir::fromNativeSeparators(lblInstallTo->text());
    if (!prepareInstallFolder(installFolder))
        return;
    CopyFailures copy;
    std::vector<FileFailure> entries;
    std::vector<FileFailure> shortcuts;
    {
        const platform::WaitCursor hourglass;
        copy = installShippedFiles(
            QFileInfo(services_.programFile).absolutePath(), destinationPaths(installFolder, programFolders()),
            installFolder, [this](const QString& destination) {
                return ask(QMessageBox::Question,
                           tr("The file \"%1\" already exists, but %2 has a newer version of this file.\n\n"
                              "Would you like to install this file?")
                               .arg(destination, productNameText()),
                           QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
            });
        const QString programName = installedProgramName(QFileInfo(services_.programFile).fileName());
        // Entries would start a program that is not all there, and would
        // replace those of an earlier installation that works.
        if (copy.none()) {
            entries = writeUninstallEntry(installFolder, programName);
            if (chkStartMenu->isChecked() || chkDesktop->isChecked() || chkOnWinStartup->isChecked())
                shortcuts = createShortcuts(installFolder, programName);
        }
        services_.wait(3);
        raise();
        activateWindow();
        QApplication::beep();
    }
    const InstallResult result = installResult(copy, entries, shortcuts);
    lblNegResult->setText(result.text);
    lblWWW1->setText(result.link);
    fitTexts();
    installing_ = false;
    btnControls(result.complete ? tabPosResult : tabNegResult);
}

bool TfrmInstall::createShortcutFile(const QString& description, const QString& target, const QString& workingFolder,
                                     const QStringList& arguments, const QString& iconFile, const QString& shortcutFile,
                                     int showCommand, int hotKey, QString* reason)
{
    // A desktop entry has no show command or hot key of its own.
    Q_UNUSED(showCommand);
    Q_UNUSED(hotKey);
    const DesktopEntry entry{
        .name = description.isEmpty() ? QFileInfo(shortcutFile).completeBaseName() : description,
        .command = QStringList{target} + arguments,
        .workingFolder = workingFolder,
        .icon = iconFile.isEmpty() ? QString::fromLatin1(programIconName) : iconFile,
    };
    return writeDesktopEntry(shortcutFile, entry, reason);
}

void TfrmInstall::lblWWW1Click(QObject* sender)
{
    if (const auto* label = qobject_cast<QLabel*>(sender))
        openExternalUrl(QUrl(label->text()));
}

}  // namespace pecunor
