#pragma once

#include <QDialog>
#include <QHash>
#include <QStringList>

#include "install_steps.h"
#include "product/copy_program.h"
#include "setup_services.h"

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTextBrowser;

namespace pecunor {

class ClickLabel;
class FolderTree;

// The setup wizard: a parent folder, the shortcuts wanted, then the copy of
// the shipped files with the uninstall entry and the shortcuts.
class TfrmInstall : public QDialog {
    Q_OBJECT

public:
    static constexpr int clientWidth = 489;
    static constexpr int clientHeight = 311;

    explicit TfrmInstall(SetupServices services, QWidget* parent = nullptr);

    // Checks the system, runs the wizard to its end and gives the program's
    // exit code: the program ends when the wizard closes.
    static int execute(SetupServices services);

    // The click of Back, Next or Cancel; a result page shows that page.
    void btnControls(QObject* sender);
    void drvInstallToChange();
    void finishInstall();
    // Writes one desktop entry; the description names it (its file name
    // when empty) and an empty icon file stands for the program's icon. On
    // failure reason (when given) receives the system's words for it.
    static bool createShortcutFile(const QString& description, const QString& target, const QString& workingFolder,
                                   const QStringList& arguments, const QString& iconFile, const QString& shortcutFile,
                                   int showCommand, int hotKey, QString* reason = nullptr);
    void lblWWW1Click(QObject* sender);

    InstallPage currentPage() const;

    QFrame* panGraphic;
    QLabel* imgOstrel;
    QStackedWidget* pagMain;
    QWidget* tabIntro;
    QTextBrowser* rtfIntro;
    QWidget* tabInstallTo;
    QLabel* lblDestination;
    QComboBox* drvInstallTo;
    ElidedLabel* lblInstallTo;
    FolderTree* flbInstallTo;
    QWidget* tabStartMenu;
    QLabel* lblStartMenu;
    QCheckBox* chkStartMenu;
    QCheckBox* chkDesktop;
    QCheckBox* chkOnWinStartup;
    QWidget* tabFinish;
    QLabel* lblFinish1;
    QListWidget* lstFinish;
    QLabel* lblFinish2;
    QWidget* tabPosResult;
    QLabel* lblPosResult;
    QWidget* tabNegResult;
    QLabel* lblNegResult;
    ClickLabel* lblWWW1;
    QWidget* tabOldVersion;
    QLabel* lblOldVersion1;
    QLabel* lblOldVersion2;
    ClickLabel* lblWWW2;
    QLabel* lblOldVersion3;
    QPushButton* btnBack;
    QPushButton* btnNext;
    QPushButton* btnCancel;

public slots:
    // Escape answers Cancel.
    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void FormCreate();
    void drvInstallToSelect();
    void showPage(InstallPage page);
    void updateButtons();
    // Back, Next and Cancel 75 pixels wide each, wider alike when a caption
    // (a translated one, or that of a later page) needs more.
    void sizeButtons();
    // As large as the texts need at the desktop's font, never smaller than designed.
    void fitTexts();
    QMessageBox::StandardButton ask(QMessageBox::Icon icon, const QString& text, QMessageBox::StandardButtons buttons);
    // False when the user chose not to install into the folder.
    bool prepareInstallFolder(const QString& installFolder);
    // The shortcuts that could not be made.
    std::vector<FileFailure> createShortcuts(const QString& installFolder, const QString& programName);

    SetupServices services_;
    // Set while an installation runs, so that its wait cannot start another.
    bool installing_ = false;
    // Each volume's folder last chosen in the folder list.
    QHash<QString, QString> volumeFolders_;
};

}  // namespace pecunor
