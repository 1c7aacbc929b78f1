#include "install_reading.h"

#include <QComboBox>
#include <QLabel>
#include <QStackedWidget>

#include "folder_tree.h"
#include "frm_install.h"
#include "mainwindow/about_window.h"
#include "product/reader_notice.h"

namespace pecunor {

namespace {

// What a reader hears as the page appears: its title, or on a result page
// the message, which a reader would not find on its own inside the
// scrolling area of an incomplete installation.
QString pageAnnouncement(const TfrmInstall& wizard)
{
    switch (const InstallPage page = wizard.currentPage()) {
    case InstallPage::PosResult: return wizard.lblPosResult->text();
    case InstallPage::NegResult:
        return wizard.lblWWW1->text().isEmpty() ? wizard.lblNegResult->text()
                                                : wizard.lblNegResult->text() + u'\n' + wizard.lblWWW1->text();
    default: return installPageTitle(page);
    }
}

}  // namespace

QString installPageTitle(InstallPage page)
{
    switch (page) {
    case InstallPage::Intro: return TfrmInstall::tr("Welcome");
    case InstallPage::InstallTo: return TfrmInstall::tr("Install Folder");
    case InstallPage::StartMenu: return TfrmInstall::tr("Shortcuts");
    case InstallPage::Finish: return TfrmInstall::tr("Ready to Install");
    case InstallPage::PosResult: return TfrmInstall::tr("Installation Complete");
    case InstallPage::NegResult: return TfrmInstall::tr("Installation Incomplete");
    case InstallPage::OldVersion: return TfrmInstall::tr("Attention");
    }
    return {};
}

void tellInstallWizardToReaders(TfrmInstall& wizard)
{
    wizard.drvInstallTo->setAccessibleName(TfrmInstall::tr("Drive"));
    wizard.flbInstallTo->setAccessibleName(TfrmInstall::tr("Parent folder"));
    for (int index = 0; index < wizard.pagMain->count(); ++index)
        wizard.pagMain->widget(index)->setAccessibleName(installPageTitle(InstallPage(index)));

    auto* notice = new ReaderNotice(&wizard);
    QObject::connect(wizard.pagMain, &QStackedWidget::currentChanged, notice,
                     [notice, &wizard] { notice->tell(pageAnnouncement(wizard)); });
    // After the wizard's own handling, which writes the line.
    const auto tellFolder = [notice, &wizard] { notice->tell(wizard.lblInstallTo->text()); };
    QObject::connect(wizard.flbInstallTo, &FolderTree::currentFolderChanged, notice, tellFolder);
    QObject::connect(wizard.drvInstallTo, &QComboBox::currentIndexChanged, notice, tellFolder);
}

}  // namespace pecunor
