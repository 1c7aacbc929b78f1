#include "print_command.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>

#include "frm_print.h"

namespace pecunor {

namespace {

QString noPrinterMessage()
{
    return TfrmPrint::tr("No printer is installed.\nAdd a printer in the system's printer settings, then print again.");
}

// Lives until the application ends, so a printer chosen once stays chosen.
QPrinter& processPrinter()
{
    static QPrinter* printer = nullptr;
    if (printer == nullptr) {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine([] {
            delete printer;
            printer = nullptr;
        });
    }
    return *printer;
}

// Qt's CUPS printer dialog offers "Pages from" and "Pages" (as the server's
// page selection) also with page ranges switched off, and enables them anew
// whenever it is shown. A printout is all rows or the selection.
class AllOrSelectionDialog : public QPrintDialog {
public:
    using QPrintDialog::QPrintDialog;

    void setVisible(bool visible) override
    {
        QPrintDialog::setVisible(visible);
        const QWidget* range = findChild<QWidget*>(QStringLiteral("gbPrintRange"));
        if (!visible || range == nullptr)
            return;
        for (QWidget* choice : range->findChildren<QWidget*>())
            if (choice->objectName() != u"printAll" && choice->objectName() != u"printSelection")
                choice->hide();
    }
};

std::optional<PrintRange> choosePrinterInDialog(QWidget* parent, QPrinter& printer)
{
    AllOrSelectionDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, true);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setPrintRange(QAbstractPrintDialog::AllPages);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.printRange() == QAbstractPrintDialog::Selection ? PrintRange::SelectedRows : PrintRange::AllRows;
}

}  // namespace

PrintServices PrintServices::desktop()
{
    PrintServices services;
    services.printer = processPrinter;
    services.installedPrinters = [] { return QPrinterInfo::availablePrinterNames(); };
    services.choosePrinter = choosePrinterInDialog;
    services.showOptions = [](TfrmPrint& dialog) { dialog.exec(); };
    services.showError = [](QWidget* parent, const QString& message) {
        QMessageBox::critical(parent, parent != nullptr ? parent->window()->windowTitle() : QString(), message,
                              QMessageBox::Ok);
    };
    return services;
}

void runPrintCommand(QWidget* window, const ShownResult& shown, QWidget* clientArea, const QFont& tableFont,
                     const QString& dateSample, PrintServices& services)
{
    if (services.installedPrinters().isEmpty()) {
        services.showError(window, noPrinterMessage());
        return;
    }
    TfrmPrint dialog(window, PrintContent{window->windowTitle(), &shown, clientArea, tableFont, dateSample},
                     services);
    services.showOptions(dialog);
}

}  // namespace pecunor
