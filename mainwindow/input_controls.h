#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QValidator>

#include <functional>

namespace pecunor {

// The start-date box: editable, without items; its drop-down button asks
// for the date picker instead of a list.
class StartDateBox : public QComboBox {
    Q_OBJECT

public:
    explicit StartDateBox(QWidget* parent = nullptr);
    std::function<void()> onDropDown;

    void showPopup() override;
};

// Drops "|", which separates the items of the stored input lists, from what
// is typed or pasted and keeps the rest, the cursor after the kept text.
class NoBarValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& position) const override;
};

}  // namespace pecunor
