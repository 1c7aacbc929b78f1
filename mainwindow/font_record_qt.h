#pragma once

#include <QDialog>
#include <QFont>

#include "engine/font_record.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace pecunor {

// The table font between its stored form and Qt. Only face, size in points,
// bold and italic travel; underline and strike-out never do.
QFont fontFromRecord(const FontRecord& record);
FontRecord recordFromFont(const QFont& font);

// What a font dialog's choice stores. A face the dialog showed as the stored
// one resolves to (an alias such as "Courier New" shows as the installed face
// standing in for it) keeps its stored name, so that confirming the dialog
// unchanged changes nothing.
FontRecord recordFromChoice(const FontRecord& stored, const QFont& chosen);

// Setup > Table Font: face, size and the four styles the table stores, with
// a sample; it opens on the stored font as the system resolves it.
class TableFontDialog : public QDialog {
    Q_OBJECT

public:
    explicit TableFontDialog(const QFont& stored, QWidget* parent = nullptr);

    QFont selectedFont() const;

    QListWidget* lstFace;
    QListWidget* lstStyle;
    QLineEdit* txtSize;
    QListWidget* lstSize;
    QGroupBox* grpSample;
    QLabel* lblSample;

private:
    void createControls();
    void showFont(const QFont& font);
    void sizeEdited();
    void updateSample();

    QPushButton* okButton_ = nullptr;
    // The face the stored font resolves to, kept when the list lacks it.
    QString shownFamily_;
};

}  // namespace pecunor
