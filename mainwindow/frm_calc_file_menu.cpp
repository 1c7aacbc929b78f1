#include <QFileDialog>

#include "font_record_qt.h"
#include "frm_calc.h"
#include "output/bitmap_export.h"
#include "output/spreadsheet_save.h"
#include "output/text_export.h"

// The File menu: one handler for the menu and its items.
namespace pecunor {

void TfrmCalc::mnuFileClick(QAction* item)
{
    const QString name = item->objectName();
    if (name == QLatin1String("mnuPrint")) {
        // Save as PDF starts where the last one went, also in a later run.
        if (!services_.print.pdfFileName)
            services_.print.pdfFileName = [this]() -> QString& { return settings_.PDFFileName; };
        runPrintCommand(this, shownResult(), clientArea(), fontFromRecord(settings_.TableFont),
                        sgrFin->options().dateSample, services_.print);
        return;
    }
    if (name == QLatin1String("mnuExit")) {
        close();
        return;
    }
    const bool saveAsText = name == QLatin1String("mnuSaveAsText");
    const bool saveAsSpreadsheet = name == QLatin1String("mnuSaveAsSpreadsheet");
    const bool saveAsBitmap = name == QLatin1String("mnuSaveAsBitmap");
    const bool tiled = name == QLatin1String("mnuSetAsWallpaperTiled");
    const bool centered = name == QLatin1String("mnuSetAsWallpaperCentered");
    if (!saveAsText && !saveAsSpreadsheet && !saveAsBitmap && !tiled && !centered)
        return;
    if (!dlgSave)
        dlgSave = new SaveFileDialog(this);
    const FileCommandTarget target{*dlgSave, *clientArea(), windowTitle(), settings_};
    if (saveAsText) {
        pecunor::saveAsText(target, shownResult(), services_.files);
    } else if (saveAsSpreadsheet) {
        pecunor::saveAsSpreadsheet(target, {requestFromControls(), services_.today(), visibleInputRows(shownResult())},
                                   regional_, texts_, services_.files);
    } else if (saveAsBitmap) {
        pecunor::saveAsBitmap(target, services_.files);
    } else {
        setAsWallpaper(target, services_.files,
                       tiled ? platform::WallpaperStyle::Tiled : platform::WallpaperStyle::Centered);
    }
}

}  // namespace pecunor
