#pragma once

#include <QCheckBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include "print_command.h"

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
    QPushButton* btnOK;
    QPushButton* btnCancel;

    PrintRange printRange() const { return printRange_; }

    void btnChangePrinterClick();
    void radTextClick();
    void btnOKClick();

private:
    void FormCreate();
    void createControls();
    void showPrinter(const QString& entry);
    // As large as the texts need at the desktop's font, never smaller than designed.
    void fitTexts();

    PrintContent content_;
    PrintServices& services_;
    PrintRange printRange_ = PrintRange::AllRows;
};

}  // namespace pecunor
