#include "frm_print.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "wait_cursor.h"
#include "print_job.h"

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
  : QDialog(parent), content_(std::move(content)), services_(services)
{
    createControls();
    FormCreate();
}

void TfrmPrint::createControls()
{
    setWindowTitle(tr("Print"));
    setFixedSize(413, 198);
    grpPrinter = new QGroupBox(tr("  Printer  "), this);
    grpPrinter->setGeometry(8, 8, 397, 64);
    lblPrinter = new QLabel(grpPrinter);
    lblPrinter->setGeometry(16, 28, 280, 20);
    btnChangePrinter = new QPushButton(tr("&Change"), grpPrinter);
    btnChangePrinter->setGeometry(306, 24, 75, 27);

    grpOptions = new QGroupBox(tr("  Options  "), this);
    grpOptions->setGeometry(8, 80, 397, 72);
    radText = new QRadioButton(tr("Print Text Only"), grpOptions);
    radText->setGeometry(16, 22, 180, 20);
    radText->setChecked(true);
    radPrintForm = new QRadioButton(tr("Print As Shown On Screen"), grpOptions);
    radPrintForm->setGeometry(16, 44, 190, 20);
    chkStretch = new QCheckBox(tr("Stretch To Fit Printer Page"), grpOptions);
    chkStretch->setGeometry(210, 44, 180, 20);
    chkStretch->setEnabled(false);

    btnOK = new QPushButton(tr("OK"), this);
    btnOK->setGeometry(244, 162, 75, 27);
    btnOK->setDefault(true);
    btnCancel = new QPushButton(tr("Cancel"), this);
    btnCancel->setGeometry(330, 162, 75, 27);

    connect(btnChangePrinter, &QPushButton::clicked, this, &TfrmPrint::btnChangePrinterClick);
    connect(radText, &QRadioButton::toggled, this, &TfrmPrint::radTextClick);
    connect(radPrintForm, &QRadioButton::toggled, this, &TfrmPrint::radTextClick);
    connect(btnOK, &QPushButton::clicked, this, &TfrmPrint::btnOKClick);
    connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfrmPrint::FormCreate()
{
    lblPrinter->setText(printerEntry(services_.printer()));
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
    lblPrinter->setText(printerEntry(printer));
}

void TfrmPrint::radTextClick() { chkStretch->setEnabled(radPrintForm->isChecked()); }

void TfrmPrint::btnOKClick()
{
    QPrinter& printer = services_.printer();
    QString failure;
    {
        const platform::WaitCursor busy;
        if (radPrintForm->isChecked()) {
            QCoreApplication::processEvents();
            const QImage picture = clientAreaPicture(content_.clientArea);
            failure = printPicture(printer, content_.title, picture, content_.clientArea->logicalDpiX(),
                                   chkStretch->isChecked());
        } else {
            failure = printText(printer, content_.title, *content_.shown, printRange_, content_.tableFont,
                                content_.dateSample);
        }
    }
    if (!failure.isEmpty())
        services_.showError(this, failure);
    accept();
}

}  // namespace pecunor
