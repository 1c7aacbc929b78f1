#include "frm_print.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "pdf_save.h"
#include "platform/wait_cursor.h"

namespace pecunor {

namespace {

QString printerEntry(const QPrinter& printer)
{
    if (!printer.printerName().isEmpty())
        return printer.printerName();
    return QFileInfo(printer.outputFileName()).fileName();
}

}  // namespace

TfrmPrint::TfrmPrint(QWidget* parent, PrintContent content, PrintServices& services)
    : QDialog(parent),
      content_(std::move(content)),
      services_(services)
{
    createControls();
    FormCreate();
}

void TfrmPrint::createControls()
{
    setWindowTitle(tr("Print"));
    grpPrinter = new QGroupBox(tr("  Printer  "), this);
    lblPrinter = new QLabel(grpPrinter);
    btnChangePrinter = new QPushButton(tr("&Change"), grpPrinter);
    auto* printerRow = new QHBoxLayout(grpPrinter);
    printerRow->addWidget(lblPrinter, 1);
    printerRow->addWidget(btnChangePrinter);

    grpOptions = new QGroupBox(tr("  Options  "), this);
    radText = new QRadioButton(tr("Print Text Only"), grpOptions);
    radText->setChecked(true);
    radPrintForm = new QRadioButton(tr("Print As Shown On Screen"), grpOptions);
    chkStretch = new QCheckBox(tr("Stretch To Fit Printer Page"), grpOptions);
    chkStretch->setEnabled(false);
    auto* options = new QGridLayout(grpOptions);
    options->addWidget(radText, 0, 0);
    options->addWidget(radPrintForm, 1, 0);
    options->addWidget(chkStretch, 1, 1);
    options->setColumnStretch(1, 1);
    // The two choices stand as close as designed, one line apart.
    options->setVerticalSpacing(2);

    btnSavePdf = new QPushButton(tr("Save as &PDF…"), this);
    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(btnSavePdf);
    buttonRow->addStretch();
    buttonRow->addWidget(btnOK);
    buttonRow->addWidget(btnCancel);

    auto* dialogColumn = new QVBoxLayout(this);
    dialogColumn->setContentsMargins(8, 8, 8, 8);
    dialogColumn->addWidget(grpPrinter);
    dialogColumn->addWidget(grpOptions);
    dialogColumn->addStretch();
    dialogColumn->addLayout(buttonRow);

    connect(btnChangePrinter, &QPushButton::clicked, this, &TfrmPrint::btnChangePrinterClick);
    connect(radText, &QRadioButton::toggled, this, &TfrmPrint::radTextClick);
    connect(radPrintForm, &QRadioButton::toggled, this, &TfrmPrint::radTextClick);
    connect(btnSavePdf, &QPushButton::clicked, this, &TfrmPrint::btnSavePdfClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmPrint::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPrint::showPrinter(const QString& entry)
{
    lblPrinter->setText(entry);
    // Readers hear the printer with the dialog as it opens, the focus being
    // on OK, and again with the button that changes it.
    setAccessibleDescription(QStringLiteral("%1: %2").arg(grpPrinter->title().trimmed(), entry));
    btnChangePrinter->setAccessibleDescription(entry);
}

void TfrmPrint::FormCreate()
{
    showPrinter(printerEntry(services_.printer()));
    fitTexts();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TfrmPrint::btnChangePrinterClick()
{
    QPrinter& printer = services_.printer();
    const std::optional<PrintRange> range = services_.choosePrinter(this, printer);
    if (!range)
        return;
    printRange_ = *range;
    showPrinter(printerEntry(printer));
    fitTexts();
}

void TfrmPrint::fitTexts() { setFixedSize(sizeHint().expandedTo(designedSize)); }

void TfrmPrint::radTextClick() { chkStretch->setEnabled(radPrintForm->isChecked()); }

void TfrmPrint::showNoPrinter()
{
    showPrinter(tr("No printer is installed."));
    btnChangePrinter->setEnabled(false);
    btnOK->setEnabled(false);
    btnSavePdf->setDefault(true);
    btnSavePdf->setFocus();
    fitTexts();
}

Printout TfrmPrint::chosenPrintout() const
{
    if (!radPrintForm->isChecked())
        return textPrintout(*content_.shown, printRange_, content_.tableFont, content_.dateSample);
    // Pending layout and paint events first, so that the picture is the window as shown.
    QCoreApplication::processEvents();
    return picturePrintout(clientAreaPicture(content_.clientArea), content_.clientArea->logicalDpiX(),
                           chkStretch->isChecked());
}

void TfrmPrint::btnSavePdfClick()
{
    if (savePrintoutPdf(this, services_.printer(), content_.title, chosenPrintout(), services_))
        accept();
}

void TfrmPrint::btnOKClick()
{
    QString failure;
    {
        const platform::WaitCursor busy;
        failure = print(services_.printer(), content_.title, chosenPrintout());
    }
    if (!failure.isEmpty())
        services_.showError(this, failure);
    accept();
}

}  // namespace pecunor
