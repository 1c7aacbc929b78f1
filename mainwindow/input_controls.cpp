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

QValidator::State NoBarValidator::validate(QString& input, int& /*position*/) const
{
    return input.contains(QLatin1Char('|')) ? Invalid : Acceptable;
}

}  // namespace pecunor
