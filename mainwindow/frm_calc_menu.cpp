#include <QMenuBar>

#include "frm_calc.h"

// The window's main menu: its items, captions and shortcuts.
namespace pecunor {

void TfrmCalc::createMenu()
{
    auto item = [this](QMenu* menu, const char* name, const QString& caption) {
        QAction* action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        return action;
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuSaveAsText = item(file, "mnuSaveAsText", tr("Save As &Text"));
    item(file, "mnuSaveAsSpreadsheet", tr("Save As &Spreadsheet…"));
    mnuSaveAsBitmap = item(file, "mnuSaveAsBitmap", tr("Save As &Bitmap"));
    file->addSeparator();
    mnuPrint = item(file, "mnuPrint", tr("P&rint"));
    file->addSeparator();
    mnuSetAsWallpaperTiled = item(file, "mnuSetAsWallpaperTiled", tr("Set As &Wallpaper (Tiled)"));
    mnuSetAsWallpaperCentered = item(file, "mnuSetAsWallpaperCentered", tr("Set As Wa&llpaper (Centered)"));
    file->addSeparator();
    mnuExit = item(file, "mnuExit", tr("E&xit"));
    // The desktop's keys for save, print and quit, shown beside the items;
    // Alt+F4 still ends the run from the menu as it always did.
    mnuSaveAsText->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    mnuExit->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Q), QKeySequence(Qt::ALT | Qt::Key_F4)});

    QMenu* edit = menuBar()->addMenu(tr("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCut = item(edit, "mnuCut", tr("Cu&t"));
    mnuCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(edit, "mnuCopy", tr("&Copy"));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste = item(edit, "mnuPaste", tr("&Paste"));
    mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    mnuSelectAll = item(edit, "mnuSelectAll", tr("Select &All"));

    QMenu* setup = menuBar()->addMenu(tr("&Setup"));
    setup->setObjectName(QStringLiteral("mnuSetup"));
    mnuHorGridlines = item(setup, "mnuHorGridlines", tr("&Horizontal Gridlines"));
    mnuVerGridlines = item(setup, "mnuVerGridlines", tr("&Vertical Gridlines"));
    mnuStretched = item(setup, "mnuStretched", tr("&Stretch Cells Vertically"));
    mnuHideAbout = item(setup, "mnuHideAbout", tr("Hide &About Window on Startup"));
    setup->addSeparator();
    mnuChartFont = item(setup, "mnuChartFont", tr("Table &Font ..."));
    for (QAction* check : {mnuHorGridlines, mnuVerGridlines, mnuStretched, mnuHideAbout})
        check->setCheckable(true);

    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = item(help, "mnuHelpContents", tr("&Help"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuProducts = item(help, "mnuProducts", tr("&Latest Brackwell Products"));
    mnuCopyProgram = item(help, "mnuCopyProgram", tr("&Copy Program for a Friend"));
    help->addSeparator();
    mnuAbout = item(help, "mnuAbout", tr("&About"));
}

}  // namespace pecunor
