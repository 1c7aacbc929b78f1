#pragma once

#include <QCoreApplication>

#include "mainwindow/frm_calc.h"

namespace pecunor::bench {

// Future value of an annuity over 9,999 periods in an 800 by 600 window: a
// header row and 9,999 rows of five columns in view.
inline void showFullTable(TfrmCalc& window)
{
    window.resize(800, 600);
    window.show();
    QCoreApplication::processEvents();
    window.cboMethod->setCurrentIndex(indexOf(CalcMethod::FutureValueAnnuity));
    window.txtValue[0]->setText(QStringLiteral("1000"));
    window.txtValue[1]->setText(QStringLiteral("10"));
    window.txtValue[2]->setText(QStringLiteral("10"));
    window.txtValue[3]->setText(QStringLiteral("9999"));
    window.pagRight->setCurrentWidget(window.tabCalc);
    QCoreApplication::processEvents();
}

}  // namespace pecunor::bench
