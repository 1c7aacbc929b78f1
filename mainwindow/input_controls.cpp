#include "input_controls.h"

namespace pecunor {

StartDateBox::StartDateBox(QWidget* parent) : QComboBox(parent)
{
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void StartDateBox::showPopup()
{
    if (onDropDown)
        onDropDown();
}

QValidator::State NoBarValidator::validate(QString& input, int& position) const
{
    const auto barsBeforeCursor = input.left(position).count(QLatin1Char('|'));
    input.remove(QLatin1Char('|'));
    position -= int(barsBeforeCursor);
    return Acceptable;
}

}  // namespace pecunor
