#include "print_command.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QPushButton>

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

QString windowTitleOf(QWidget* parent) { return parent != nullptr ? parent->window()->windowTitle() : QString(); }

bool offerPdfInMessage(QWidget* parent, const QString& message)
{
    QMessageBox box(QMessageBox::Warning, windowTitleOf(parent), message, QMessageBox::Ok, parent);
    const QPushButton* savePdf = box.addButton(TfrmPrint::tr("Save as &PDF…"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    return box.clickedButton() == savePdf;
}

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
        QMessageBox::critical(parent, windowTitleOf(parent), message, QMessageBox::Ok);
    };
    services.offerPdf = offerPdfInMessage;
    services.askSaveFile = execSaveDialog;
    return services;
}

void runPrintCommand(QWidget* window, const ShownResult& shown, QWidget* clientArea, const QFont& tableFont,
                     const QString& dateSample, PrintServices& services)
{
    const bool noPrinter = services.installedPrinters().isEmpty();
    if (noPrinter && !services.offerPdf(window, noPrinterMessage()))
        return;
    TfrmPrint dialog(window, PrintContent{window->windowTitle(), &shown, clientArea, tableFont, dateSample}, services);
    if (noPrinter)
        dialog.showNoPrinter();
    services.showOptions(dialog);
}

}  // namespace pecunor
