#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "print_command.h"
#include "print_job.h"

namespace pecunor {

// The print options: the current printer, text or the window's picture,
// stretched or not. Every opening starts from the defaults.
class TfrmPrint : public QDialog {
    Q_OBJECT

public:
    static constexpr QSize designedSize{413, 198};

    TfrmPrint(QWidget* parent, PrintContent content, PrintServices& services);

    QGroupBox* grpPrinter;
    QLabel* lblPrinter;
    QPushButton* btnChangePrinter;
    QGroupBox* grpOptions;
    QRadioButton* radText;
    QRadioButton* radPrintForm;
    QCheckBox* chkStretch;
    QPushButton* btnSavePdf;
    QPushButton* btnOK;
    QPushButton* btnCancel;

    PrintRange printRange() const { return printRange_; }

    // With no printer installed only Save as PDF is left: the printer line
    // says so and Save as PDF is the default button.
    void showNoPrinter();

    void btnChangePrinterClick();
    void radTextClick();
    void btnSavePdfClick();
    void btnOKClick();

private:
    void FormCreate();
    void createControls();
    void showPrinter(const QString& entry);
    // As large as the texts need at the desktop's font, never smaller than designed.
    void fitTexts();
    // The text or the window's picture, as the options say.
    Printout chosenPrintout() const;

    PrintContent content_;
    PrintServices& services_;
    PrintRange printRange_ = PrintRange::AllRows;
};

}  // namespace pecunor
