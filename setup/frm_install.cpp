#include "frm_install.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QTextBrowser>

#include <algorithm>

#include "about_window.h"
#include "desktop_entries.h"
#include "folder_tree.h"
#include "product_constants.h"
#include "rcdata.h"
#include "setup_utilities.h"
#include "shell_folders.h"
#include "ui_language.h"
#include "url_opener.h"
#include "wait_cursor.h"

namespace pecunor {

namespace {

constexpr int introductionDocument = 3;
constexpr int oldestSupportedVersion = 390;

QString productText(std::string_view value) { return QString::fromUtf8(value.data(), qsizetype(value.size())); }

template <typename Widget>
Widget* named(QWidget* parent, const char* name, QRect geometry)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(geometry);
    return widget;
}

QLabel* wrappedLabel(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* label = named<QLabel>(parent, name, geometry);
    label->setText(caption);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

ClickLabel* linkLabel(QWidget* parent, const char* name, QRect geometry)
{
    auto* label = named<ClickLabel>(parent, name, geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setStyleSheet(QStringLiteral("color: blue; text-decoration: underline;"));
    QFont font = label->font();
    font.setPixelSize(13);
    label->setFont(font);
    label->setCursor(Qt::UpArrowCursor);
    return label;
}

QCheckBox* checkBox(QWidget* parent, const char* name, const QString& caption, QRect geometry)
{
    auto* box = named<QCheckBox>(parent, name, geometry);
    box->setText(caption);
    box->setChecked(true);
    return box;
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
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), services_(std::move(services))
{
    setObjectName(QStringLiteral("frmInstall"));
    createControls();
    FormCreate();
}

void TfrmInstall::createControls()
{
    const QString product = productNameText();
    setFixedSize(clientWidth, clientHeight);
    panGraphic = named<QFrame>(this, "panGraphic", {8, 8, 103, 262});
    panGraphic->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panGraphic->setAutoFillBackground(true);
    QPalette teal = panGraphic->palette();
    teal.setColor(QPalette::Window, QColor(0, 128, 128));
    panGraphic->setPalette(teal);
    imgOstrel = named<QLabel>(panGraphic, "imgOstrel", {2, 2, 99, 258});
    imgOstrel->setAlignment(Qt::AlignCenter);
    imgOstrel->setPixmap(QPixmap(QStringLiteral(":/images/ostrel_logo.png"))
                             .scaled(95, 254, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    pagMain = named<QStackedWidget>(this, "pagMain", {132, 8, 349, 262});
    const QRect full(0, 0, 349, 262);
    tabIntro = named<QWidget>(pagMain, "tabIntro", full);
    rtfIntro = named<QTextBrowser>(tabIntro, "rtfIntro", full);
    rtfIntro->setOpenLinks(false);
    rtfIntro->setStyleSheet(QStringLiteral("QTextBrowser { background: white; }"));

    tabInstallTo = named<QWidget>(pagMain, "tabInstallTo", full);
    lblDestination = wrappedLabel(tabInstallTo, "lblDestination",
                                  tr("Please select a parent folder for %1. Click on Next to proceed.").arg(product),
                                  {8, 8, 333, 34});
    drvInstallTo = named<QComboBox>(tabInstallTo, "drvInstallTo", {8, 48, 333, 24});
    lblInstallTo = named<QLabel>(tabInstallTo, "lblInstallTo", {8, 78, 333, 18});
    flbInstallTo = named<FolderTree>(tabInstallTo, "flbInstallTo", {8, 100, 333, 154});

    tabStartMenu = named<QWidget>(pagMain, "tabStartMenu", full);
    lblStartMenu =
        wrappedLabel(tabStartMenu, "lblStartMenu",
                     tr("Please select from where you would like to be able to run %1.").arg(product), {8, 8, 333, 40});
    chkStartMenu =
        checkBox(tabStartMenu, "chkStartMenu", tr("Add %1 to the Start Menu").arg(product), {24, 64, 317, 24});
    chkDesktop = checkBox(tabStartMenu, "chkDesktop", tr("Add %1 icon to the Desktop").arg(product), {24, 96, 317, 24});
    chkOnWinStartup =
        checkBox(tabStartMenu, "chkOnWinStartup", tr("Run %1 on startup").arg(product), {24, 128, 317, 24});

    tabFinish = named<QWidget>(pagMain, "tabFinish", full);
    lblFinish1 = wrappedLabel(tabFinish, "lblFinish1", tr("The following files will be installed on your system"),
                              {8, 8, 333, 18});
    lstFinish = named<QListWidget>(tabFinish, "lstFinish", {8, 30, 333, 196});
    lblFinish2 =
        wrappedLabel(tabFinish, "lblFinish2", tr("Click on Finish to install %1.").arg(product), {8, 234, 333, 18});

    tabPosResult = named<QWidget>(pagMain, "tabPosResult", full);
    lblPosResult = wrappedLabel(tabPosResult, "lblPosResult", tr("Installation has been completed successfully!"),
                                {8, 100, 333, 40});
    lblPosResult->setAlignment(Qt::AlignCenter);

    tabNegResult = named<QWidget>(pagMain, "tabNegResult", full);
    lblNegResult = wrappedLabel(tabNegResult, "lblNegResult", QString(), {8, 40, 333, 120});
    lblWWW1 = linkLabel(tabNegResult, "lblWWW1", {8, 170, 333, 20});

    tabOldVersion = named<QWidget>(pagMain, "tabOldVersion", full);
    lblOldVersion1 = named<QLabel>(tabOldVersion, "lblOldVersion1", {8, 16, 333, 28});
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
           "the following WWW address to verify:"),
        {8, 56, 333, 106});
    lblWWW2 = linkLabel(tabOldVersion, "lblWWW2", {8, 168, 333, 20});
    lblOldVersion3 = wrappedLabel(tabOldVersion, "lblOldVersion3",
                                  tr("However, you can continue to install this version by clicking on Next."),
                                  {8, 200, 333, 40});

    for (QWidget* page : {tabIntro, tabInstallTo, tabStartMenu, tabFinish, tabPosResult, tabNegResult, tabOldVersion})
        pagMain->addWidget(page);

    btnBack = named<QPushButton>(this, "btnBack", {});
    btnBack->setText(tr("< &Back"));
    btnBack->setEnabled(false);
    btnNext = named<QPushButton>(this, "btnNext", {});
    btnNext->setText(tr("Next >"));
    btnNext->setDefault(true);
    btnCancel = named<QPushButton>(this, "btnCancel", {});
    btnCancel->setText(tr("Cancel"));
    placeButtons();
    for (QPushButton* button : {btnBack, btnNext, btnCancel})
        connect(button, &QPushButton::clicked, this, [this, button] { btnControls(button); });
    connect(drvInstallTo, &QComboBox::currentIndexChanged, this, &TfrmInstall::drvInstallToSelect);
    connect(flbInstallTo, &FolderTree::currentFolderChanged, this, &TfrmInstall::drvInstallToChange);
    connect(lblWWW1, &ClickLabel::clicked, this, [this] { lblWWW1Click(lblWWW1); });
    connect(lblWWW2, &ClickLabel::clicked, this, [this] { lblWWW1Click(lblWWW2); });
}

void TfrmInstall::placeButtons()
{
    QStringList captions{btnBack->text()};
    for (int page = 0; page < installPageCount; ++page) {
        const PageButtons buttons = pageButtons(InstallPage(page));
        captions << buttons.nextCaption << buttons.cancelCaption;
    }
    const QStyle* style = btnNext->style();
    const int padding =
        style->pixelMetric(QStyle::PM_ButtonMargin) + 2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth);
    int width = 75;
    for (const QString& caption : captions)
        width = std::max(width, btnNext->fontMetrics().horizontalAdvance(QString(caption).remove(u'&')) + padding);
    constexpr int right = 481;
    constexpr int top = 278;
    constexpr int height = 25;
    constexpr int gapBeforeCancel = 18;
    btnCancel->setGeometry(right - width, top, width, height);
    btnNext->setGeometry(right - 2 * width - gapBeforeCancel, top, width, height);
    btnBack->setGeometry(right - 3 * width - gapBeforeCancel, top, width, height);
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
            drvInstallTo->addItem(each.label.isEmpty() ? each.root : QStringLiteral("%1  [%2]").arg(each.root, each.label),
                                  each.root);
        drvInstallTo->setCurrentIndex(int(volume));
    }
    drvInstallToSelect();

    lblWWW2->setText(productText(Product.MakerWebAddress));

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

void TfrmInstall::writeUninstallEntry(const QString& installFolder, const QString& programName)
{
    // The entry names the program's icon, which goes into the icon theme first.
    installProgramIcons(platform::iconThemeFolder());
    const QString entries = platform::uninstallEntriesFolder();
    if (!QDir().mkpath(entries))
        return;
    writeDesktopEntry(uninstallEntryPath(entries), {.name = QStringLiteral("Uninstall ") + productNameText(),
                                                    .command = uninstallCommand(installFolder, programName),
                                                    .workingFolder = QString(),
                                                    .icon = QLatin1String(programIconName),
                                                    .describesCalculator = false});
}

bool TfrmInstall::createShortcuts(const QString& installFolder, const QString& programName)
{
    const platform::ShellFolders folders = services_.shellFolders();
    const ShortcutChoice choice{.startMenu = chkStartMenu->isChecked(),
                                .desktop = chkDesktop->isChecked(),
                                .onStartup = chkOnWinStartup->isChecked()};
    bool complete = true;
    for (const Shortcut& shortcut : shortcutList(choice, folders, installFolder, programName)) {
        const bool made = createShortcutFile(QString(), shortcut.command.first(), installFolder,
                                             shortcut.command.mid(1), QString(), shortcut.file, 0, 0);
        // Without the desktop's metadata store the launcher is still made;
        // the desktop then asks before its first start.
        if (made && shortcut.onDesktop)
            services_.markTrusted(shortcut.file);
        complete = complete && made;
    }
    if (choice.startMenu && !folders.programs.isEmpty())
        urlOpener()(QUrl::fromLocalFile(programGroupFolder(folders.programs)));
    return complete;
}

void TfrmInstall::finishInstall()
{
    const QScopedValueRollback busy(installing_, true);
    const QString installFolder = QDir::fromNativeSeparators(lblInstallTo->text());
    if (!QDir().mkdir(installFolder)) {
        QApplication::beep();
        if (ask(QMessageBox::Warning,
                tr("The folder\n\n%1\n\napparently already exists. Do you want to overwrite existing files?")
                    .arg(QDir::toNativeSeparators(installFolder)),
                QMessageBox::Yes | QMessageBox::Cancel) != QMessageBox::Yes) {
            ask(QMessageBox::Information,
                tr("No changes have been made. Please select a different folder to install to."), QMessageBox::Ok);
            showPage(InstallPage::InstallTo);
            updateButtons();
            return;
        }
    }
    bool copyComplete = true;
    bool shortcutComplete = true;
    {
        const platform::WaitCursor hourglass;
        copyComplete = installShippedFiles(
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
        if (copyComplete) {
            writeUninstallEntry(installFolder, programName);
            if (chkStartMenu->isChecked() || chkDesktop->isChecked() || chkOnWinStartup->isChecked())
                shortcutComplete = createShortcuts(installFolder, programName);
        }
        services_.wait(3);
        raise();
        activateWindow();
        QApplication::beep();
    }
    if (!copyComplete) {
        lblNegResult->setText(
            tr("Could not find or copy one or more files to the target folder. This installation is incomplete.\n\n"
               "Please download another complete copy from the following web site:"));
        lblWWW1->setText(productText(Product.MakerWebAddress));
    } else if (!shortcutComplete) {
        lblNegResult->setText(tr("Could not create one or more of the shortcuts you specified. Please do so manually "
                                 "or run Setup again."));
        lblWWW1->setText(QString());
    }
    installing_ = false;
    btnControls(copyComplete && shortcutComplete ? tabPosResult : tabNegResult);
}

bool TfrmInstall::createShortcutFile(const QString& description, const QString& target, const QString& workingFolder,
                                     const QStringList& arguments, const QString& iconFile,
                                     const QString& shortcutFile, int showCommand, int hotKey)
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
    return writeDesktopEntry(shortcutFile, entry);
}

void TfrmInstall::lblWWW1Click(QObject* sender)
{
    if (const auto* label = qobject_cast<QLabel*>(sender))
        openExternalUrl(QUrl(label->text()));
}

}  // namespace pecunor
