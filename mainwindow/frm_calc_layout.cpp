#include "frm_calc.h"

#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolTip>

#include <cmath>

#include "platform/reader_events.h"
#include "platform/window_system.h"
#include "summary_fit.h"
#include "window_layout.h"

// The window's layout on resizes and splitter drags, and its keyboard.
namespace pecunor {

namespace {

// A blank that ends a line vanishes in a label; a fixed blank keeps the gap
// between each summary label and its value.
QStringList summaryCaptionLines(const std::string& labels)
{
    QStringList lines = QString::fromStdString(labels).split(QLatin1Char('\n'));
    for (QString& line : lines)
        if (line.endsWith(QLatin1Char(' ')))
            line.back() = QChar(0x00a0);
    return lines;
}

// Each summary line as a reader hears it: "Future Value: 1,331.00".
QStringList readerLines(const QStringList& captions, const QStringList& values)
{
    QStringList lines;
    for (qsizetype i = 0; i < captions.size() && i < values.size(); ++i) {
        QString caption = captions[i].trimmed();
        if (caption.endsWith(QStringLiteral(" :")))
            caption.remove(caption.size() - 2, 1);
        if (!caption.isEmpty() || !values[i].isEmpty())
            lines.append((caption + QLatin1Char(' ') + values[i]).trimmed());
    }
    return lines;
}

// A quotient has no summary: its result is the table's last row.
QString ratioResultLine(const ResultGrid& grid)
{
    const int last = grid.sheet().rowCount() - 1;
    if (last < 0 || grid.sheet().columnCount() < 2)
        return {};
    return grid.cellText(0, last) + QStringLiteral(": ") + grid.cellText(1, last);
}

// The letter a caption underlines, as a key; 0 when it underlines none.
int mnemonicKey(const QString& caption)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(caption);
    return mnemonic.isEmpty() ? 0 : mnemonic[0].key();
}

// The margin the table keeps on either side of the Calculator page.
constexpr int summaryMargin = 9;

}  // namespace

void TfrmCalc::fitSummaryLabels()
{
    const ResultSheet& sheet = sgrFin->sheet();
    const QStringList captions = summaryCaptionLines(sheet.summaryLabels());
    const QStringList values = QString::fromStdString(sheet.summaryValues()).split(QLatin1Char('\n'));
    const FittedSummary fitted =
        fitSummary(captions, values, QFontMetricsF(lblLeft->font()), tabCalc->width() - 2 * summaryMargin);
    lblLeft->setText(fitted.captions.join(QLatin1Char('\n')));
    lblRight->setText(fitted.values.join(QLatin1Char('\n')));
    lblLeft->adjustSize();
    lblRight->adjustSize();
    summaryTips_ = fitted.tips;
    const QStringList lines = readerLines(captions, values);
    lblLeft->setReaderLines(lines);
    describeInputsBy(lines.isEmpty() ? ratioResultLine(*sgrFin) : lines.join(QLatin1Char('\n')));
}

void TfrmCalc::fitFirstSheet()
{
    if (settings_.sizeStored || !resultSucceeded_.value_or(false))
        return;
    const ResultSheet& sheet = sgrFin->sheet();
    const QStringList values = QString::fromStdString(sheet.summaryValues()).split(QLatin1Char('\n'));
    const qreal summary =
        summaryWidth(summaryCaptionLines(sheet.summaryLabels()), values, QFontMetricsF(lblLeft->font()));
    const int needed = std::max(sgrFin->widthForAllColumns(), static_cast<int>(std::ceil(summary))) + 2 * summaryMargin;
    const int missing = needed - pagRight->currentWidget()->width();
    if (missing <= 0)
        return;
    placeWindow(QSize(widthGivingPages(width(), missing, settings_.DivLeft), height()));
    FormResize();
}

void TfrmCalc::placeWindow(QSize size)
{
    // Shown, the window knows its frame, which must fit the screen too.
    const QSize decorations = frameGeometry().size() - this->size();
    const QRect placed = placeOnScreens(QRect(pos(), size), platform::screenAreas(), decorations);
    move(placed.topLeft());
    resize(placed.size());
    splitterLeft_ = splitterLeftFromPercent(frameGeometry().width(), settings_.DivLeft);
}

// Readers announce a changed description of the focused control, and only
// of that one: so the focused input is described by the result it leads to,
// which a reader then speaks after every keystroke that changes it. The
// other inputs catch up as they get the focus: a keystroke changes one
// description, not one per input.
void TfrmCalc::describeInputsBy(const QString& result)
{
    inputsDescription_ = result;
    QWidget* focused = QApplication::focusWidget();
    if (describeInput(focused))
        platform::sendDescriptionChange(focused, result);
}

bool TfrmCalc::describeInput(QWidget* input)
{
    if (!input || !tabLeft->isAncestorOf(input) || input->accessibleDescription() == inputsDescription_)
        return false;
    input->setAccessibleDescription(inputsDescription_);
    return true;
}

// The summary line under the pointer, as one of the two labels shows it.
bool TfrmCalc::summaryToolTip(QLabel* label, QHelpEvent* event)
{
    const qsizetype lines = summaryTips_.size();
    if (lines == 0 || label->height() <= 0)
        return false;
    const qsizetype line = std::clamp<qsizetype>(event->pos().y() * lines / label->height(), 0, lines - 1);
    const QString& tip = summaryTips_.at(line);
    if (tip.isEmpty()) {
        QToolTip::hideText();
        event->ignore();
    } else {
        QToolTip::showText(event->globalPos(), tip, label);
    }
    return true;
}

void TfrmCalc::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    FormResize();
}

void TfrmCalc::FormResize()
{
    if (formStarting_ || !inputsReady_)
        return;
    recordNormalRectangle();
    const RegionPlacement regions = placeRegions(clientSize(), splitterLeft_);
    scrLeft->setGeometry(regions.inputPanel);
    panDiv->setGeometry(regions.splitter);
    pagRight->setGeometry(regions.pages);
    if (resultSucceeded_.value_or(false))
        fitSummaryLabels();
    const ResultPlacement place =
        placeResultAfterResize(tabCalc->size(), pagRight->width(), lblLeft->size(), lblRight->size());
    lblLeft->move(place.summaryLabels);
    lblRight->move(place.summaryValues);
    sgrFin->setGeometry(place.table);
    prepEdits(this);
    if (sgrFin->sheet().columnCount() > 1)
        sgrFin->remeasure();
}

void TfrmCalc::panDivMouseDown()
{
    panDiv->setHeld(true);
    panDiv->setGeometry(panDiv->x(), panDiv->y() + 2, panDiv->width(), panDiv->height() - 4);
}

void TfrmCalc::panDivMouseMove(int dx)
{
    panDiv->move(dragSplitter(panDiv->x(), dx, scrLeft->width(), pagRight->width()), panDiv->y());
    panDiv->raise();
}

void TfrmCalc::panDivMouseUp()
{
    panDiv->setHeld(false);
    splitterLeft_ = panDiv->x();
    FormResize();
}

bool TfrmCalc::isInputControl(QObject* object) const
{
    for (int row = 0; row < inputRowCount; ++row)
        if (object == rowControl(row) || object->parent() == rowControl(row))
            return true;
    return object == cboInterestPer || object->parent() == cboInterestPer;
}

bool TfrmCalc::eventFilter(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return QMainWindow::eventFilter(watched, event);
    // A hidden page keeps its old size until it comes to the front: what was
    // placed for it then goes again for the size it has now.
    if (watched == tabCalc &&
        (event->type() == QEvent::Show || (event->type() == QEvent::Resize && tabCalc->isVisible())))
        placeResultArea();
    if (event->type() == QEvent::FocusOut || event->type() == QEvent::FocusIn)
        holdFieldSelection(watched, event);
    if (event->type() == QEvent::ToolTip && (watched == lblLeft || watched == lblRight))
        return summaryToolTip(static_cast<QLabel*>(watched), static_cast<QHelpEvent*>(event));
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // The pages' Alt keys belong to the window, not to the page tabs' mnemonics.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier && pageOfKey(key->key())) {
            event->accept();
            return true;
        }
        // The Edit keys go through the Edit menu's handler, not the fields' own.
        if (key->modifiers() == Qt::ControlModifier && (key->key() == Qt::Key_X || key->key() == Qt::Key_C ||
                                                        key->key() == Qt::Key_V || key->key() == Qt::Key_Insert)) {
            event->accept();
            return true;
        }
        break;
    }
    case QEvent::KeyPress: {
        auto* key = static_cast<QKeyEvent*>(event);
        if (isInputControl(watched) && (!inputsReady_ || formStarting_))
            return true;
        if (FormKeyDown(key) || FormKeyPress(key))
            return true;
        break;
    }
    case QEvent::MouseButtonRelease:
        if (auto* label = qobject_cast<QLabel*>(watched); label && label->parent() == tabLeft) {
            labelClick(label);
            return true;
        }
        break;
    default: break;
    }
    return QMainWindow::eventFilter(watched, event);
}

bool TfrmCalc::FormKeyDown(QKeyEvent* event)
{
    if (editShortcut(event))
        return true;
    if (event->modifiers() != Qt::AltModifier)
        return false;
    const int key = event->key();
    if (key == Qt::Key_Alt || key == Qt::Key_Meta || key == Qt::Key_Shift || key == Qt::Key_Control)
        return false;
    QWidget* page = pageOfKey(key);
    if (page == tabCalc) {
        const QSignalBlocker quiet(pagRight);
        pagRight->setCurrentWidget(tabCalc);
    } else if (page == tabExplain) {
        {
            const QSignalBlocker quiet(pagRight);
            pagRight->setCurrentWidget(tabExplain);
        }
        loadExplanation();
    }
    return true;  // no Alt+letter reaches a control
}

// Alt+C and Alt+X in English: the letters the page captions underline.
QWidget* TfrmCalc::pageOfKey(int key) const
{
    for (QWidget* page : {tabCalc, tabExplain})
        if (key == mnemonicKey(pagRight->tabText(pagRight->indexOf(page))))
            return page;
    return nullptr;
}

bool TfrmCalc::FormKeyPress(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return false;
    QWidget* owner = qobject_cast<QComboBox*>(focused->parentWidget()) ? focused->parentWidget() : focused;
    const bool walks = qobject_cast<QLineEdit*>(owner) || qobject_cast<QComboBox*>(owner) ||
                       qobject_cast<QCheckBox*>(owner) || qobject_cast<QRadioButton*>(owner);
    if (!walks)
        return false;
    focusNextChild();
    return true;
}

void TfrmCalc::labelClick(QLabel* label)
{
    QWidget* target = label->buddy();
    if (target && target->isVisible() && target->isEnabled())
        target->setFocus(Qt::MouseFocusReason);
}

}  // namespace pecunor
