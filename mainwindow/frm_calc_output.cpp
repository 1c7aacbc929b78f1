#include "frm_calc.h"

#include "engine/method_input_table.h"

// What the output commands read from the window.
namespace pecunor {

ShownResult TfrmCalc::shownResult() const
{
    ShownResult shown;
    for (int row = 0; row < inputRowCount; ++row) {
        QWidget* control = rowControl(row);
        ShownInputRow& out = shown.inputRows.at(static_cast<std::size_t>(row));
        out.caption = rowLabel(row)->text().toStdString();
        if (auto* edit = qobject_cast<QLineEdit*>(control)) {
            out.value = edit->text().toStdString();
            out.isEditField = true;
        } else if (auto* box = qobject_cast<QComboBox*>(control)) {
            out.value = box->currentText().toStdString();
        }
        out.labelVisible = rowLabel(row)->isVisibleTo(this);
        out.valueVisible = control->isVisibleTo(this);
    }
    if (resultSucceeded_.value_or(false)) {
        const ResultSheet& sheet = sgrFin->sheet();
        shown.table = &sheet;
        shown.summaryLabels = sheet.summaryLabels();
        shown.summaryValues = sheet.summaryValues();
        shown.selection = sgrFin->selection();
    }
    return shown;
}

QWidget* TfrmCalc::clientArea() const { return centralWidget(); }

}  // namespace pecunor
