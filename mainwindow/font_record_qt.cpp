#include "font_record_qt.h"

#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace pecunor {

QFont fontFromRecord(const FontRecord& record)
{
    QFont font(QString::fromStdString(record.faceName));
    // A stored size of 0 or less would make Qt warn and keep its default anyway.
    if (record.sizePoints > 0)
        font.setPointSize(record.sizePoints);
    font.setBold(record.bold);
    font.setItalic(record.italic);
    font.setUnderline(false);
    font.setStrikeOut(false);
    return font;
}

FontRecord recordFromFont(const QFont& font)
{
    FontRecord record;
    record.faceName = font.family().toStdString();
    // A font given in pixels has no point size of its own; ask what it resolved to.
    record.sizePoints = font.pointSize() > 0 ? font.pointSize() : QFontInfo(font).pointSize();
    record.bold = font.bold();
    record.italic = font.italic();
    return record;
}

FontRecord recordFromChoice(const FontRecord& stored, const QFont& chosen)
{
    FontRecord record = recordFromFont(chosen);
    if (chosen.family() == QFontInfo(fontFromRecord(stored)).family())
        record.faceName = stored.faceName;
    return record;
}

TableFontDialog::TableFontDialog(const QFont& stored, QWidget* parent) : QDialog(parent)
{
    createControls();
    showFont(stored);
}

void TableFontDialog::createControls()
{
    setObjectName(QStringLiteral("dlgFont"));
    setWindowTitle(tr("Font"));
    lstFace = new QListWidget(this);
    for (const QString& family : QFontDatabase::families())
        if (!QFontDatabase::isPrivateFamily(family))
            lstFace->addItem(family);
    lstStyle = new QListWidget(this);
    // In the order of the two style bits: italic 1, bold 2.
    lstStyle->addItems({tr("Regular"), tr("Italic"), tr("Bold"), tr("Bold Italic")});
    txtSize = new QLineEdit(this);
    txtSize->setValidator(new QIntValidator(1, 9999, txtSize));
    lstSize = new QListWidget(this);
    for (const int size : QFontDatabase::standardSizes())
        lstSize->addItem(QString::number(size));

    const QFontMetrics metrics = fontMetrics();
    // Room for the longest entry beside the list's frame and scroll bar.
    const auto fitWidth = [&metrics, this](const QListWidget* list) {
        int widest = 0;
        for (int row = 0; row < list->count(); ++row)
            widest = std::max(widest, metrics.horizontalAdvance(list->item(row)->text()));
        return widest + 2 * list->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
               metrics.averageCharWidth() * 2;
    };
    lstFace->setMinimumWidth(metrics.averageCharWidth() * 24);
    lstStyle->setFixedWidth(fitWidth(lstStyle));
    lstSize->setFixedWidth(std::max(fitWidth(lstSize), metrics.horizontalAdvance(QStringLiteral("0000")) * 2));
    txtSize->setFixedWidth(lstSize->width());

    grpSample = new QGroupBox(tr("Sample"), this);
    // A specimen of the letters, the same in every language.
    lblSample = new QLabel(QStringLiteral("AaBbYyZz"), grpSample);
    lblSample->setAlignment(Qt::AlignCenter);
    // A large size is cut by the box, as a sample is, instead of growing the dialog.
    lblSample->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
    lblSample->setMinimumHeight(metrics.height() * 3);
    auto* sampleLayout = new QVBoxLayout(grpSample);
    sampleLayout->addWidget(lblSample);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    okButton_ = buttons->button(QDialogButtonBox::Ok);

    auto* grid = new QGridLayout(this);
    const std::pair<QString, QWidget*> columns[] = {
        {tr("&Font:"), lstFace}, {tr("Font st&yle:"), lstStyle}, {tr("&Size:"), txtSize}};
    for (int column = 0; column < 3; ++column) {
        auto* caption = new QLabel(columns[column].first, this);
        caption->setBuddy(columns[column].second);
        grid->addWidget(caption, 0, column);
    }
    grid->addWidget(lstFace, 1, 0, 2, 1);
    grid->addWidget(lstStyle, 1, 1, 2, 1);
    grid->addWidget(txtSize, 1, 2);
    grid->addWidget(lstSize, 2, 2);
    grid->addWidget(grpSample, 3, 0, 1, 3);
    grid->addWidget(buttons, 4, 0, 1, 3);
    grid->setRowStretch(2, 1);
    grid->setColumnStretch(0, 1);

    connect(lstFace, &QListWidget::currentRowChanged, this, &TableFontDialog::updateSample);
    connect(lstStyle, &QListWidget::currentRowChanged, this, &TableFontDialog::updateSample);
    connect(lstSize, &QListWidget::currentTextChanged, this, [this](const QString& size) {
        if (!size.isEmpty() && size != txtSize->text())
            txtSize->setText(size);
        updateSample();
    });
    connect(txtSize, &QLineEdit::textEdited, this, &TableFontDialog::sizeEdited);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TableFontDialog::showFont(const QFont& font)
{
    const QFontInfo resolved(font);
    shownFamily_ = resolved.family();
    const QList<QListWidgetItem*> faces = lstFace->findItems(shownFamily_, Qt::MatchFixedString);
    if (!faces.isEmpty())
        lstFace->setCurrentItem(faces.first());
    lstStyle->setCurrentRow((font.italic() ? 1 : 0) + (font.bold() ? 2 : 0));
    txtSize->setText(QString::number(font.pointSize() > 0 ? font.pointSize() : resolved.pointSize()));
    sizeEdited();
}

void TableFontDialog::sizeEdited()
{
    const QList<QListWidgetItem*> sizes = lstSize->findItems(txtSize->text(), Qt::MatchExactly);
    {
        const QSignalBlocker quiet(lstSize);
        lstSize->setCurrentItem(sizes.isEmpty() ? nullptr : sizes.first());
        if (!sizes.isEmpty())
            lstSize->scrollToItem(sizes.first());
    }
    updateSample();
}

QFont TableFontDialog::selectedFont() const
{
    const QListWidgetItem* face = lstFace->currentItem();
    QFont font(face != nullptr ? face->text() : shownFamily_);
    font.setPointSize(std::max(1, txtSize->text().toInt()));
    font.setItalic((lstStyle->currentRow() & 1) != 0);
    font.setBold((lstStyle->currentRow() & 2) != 0);
    return font;
}

void TableFontDialog::updateSample()
{
    okButton_->setEnabled(txtSize->hasAcceptableInput());
    lblSample->setFont(selectedFont());
}

}  // namespace pecunor
