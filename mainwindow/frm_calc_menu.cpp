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
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    mnuSaveAsText = item(file, "mnuSaveAsText", QStringLiteral("Save As &Text"));
    mnuSaveAsBitmap = item(file, "mnuSaveAsBitmap", QStringLiteral("Save As &Bitmap"));
    file->addSeparator();
    mnuPrint = item(file, "mnuPrint", QStringLiteral("P&rint"));
    file->addSeparator();
    mnuSetAsWallpaperTiled = item(file, "mnuSetAsWallpaperTiled", QStringLiteral("Set As &Wallpaper (Tiled)"));
    mnuSetAsWallpaperCentered =
        item(file, "mnuSetAsWallpaperCentered", QStringLiteral("Set As Wa&llpaper (Centered)"));
    file->addSeparator();
    mnuExit = item(file, "mnuExit", QStringLiteral("E&xit"));

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("mnuEdit"));
    mnuCut = item(edit, "mnuCut", QStringLiteral("Cu&t"));
    mnuCut->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));
    mnuCopy = item(edit, "mnuCopy", QStringLiteral("&Copy"));
    mnuCopy->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_C));
    mnuPaste = item(edit, "mnuPaste", QStringLiteral("&Paste"));
    mnuPaste->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    edit->addSeparator();
    mnuSelectAll = item(edit, "mnuSelectAll", QStringLiteral("Select &All"));

    QMenu* setup = menuBar()->addMenu(QStringLiteral("&Setup"));
    setup->setObjectName(QStringLiteral("mnuSetup"));
    mnuHorGridlines = item(setup, "mnuHorGridlines", QStringLiteral("&Horizontal Gridlines"));
    mnuVerGridlines = item(setup, "mnuVerGridlines", QStringLiteral("&Vertical Gridlines"));
    mnuStretched = item(setup, "mnuStretched", QStringLiteral("&Stretch Cells Vertically"));
    mnuHideAbout = item(setup, "mnuHideAbout", QStringLiteral("Hide &About Window on Startup"));
    setup->addSeparator();
    mnuChartFont = item(setup, "mnuChartFont", QStringLiteral("Table &Font ..."));
    for (QAction* check : {mnuHorGridlines, mnuVerGridlines, mnuStretched, mnuHideAbout})
        check->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpContents = item(help, "mnuHelpContents", QStringLiteral("&Help"));
    mnuHelpContents->setShortcut(QKeySequence(Qt::Key_F1));
    help->addSeparator();
    mnuProducts = item(help, "mnuProducts", QStringLiteral("&Latest Brackwell Products"));
    mnuCopyProgram = item(help, "mnuCopyProgram", QStringLiteral("&Copy Program for a Friend"));
    help->addSeparator();
    mnuAbout = item(help, "mnuAbout", QStringLiteral("&About"));
}

}  // namespace pecunor
