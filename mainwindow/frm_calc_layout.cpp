#include "frm_calc.h"

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>

#include "window_layout.h"

// The window's layout on resizes and splitter drags, and its keyboard.
namespace pecunor {

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
    const RegionPlacement regions = placeRegions(clientSize(), panDiv->x());
    tabLeft->setGeometry(regions.inputPanel);
    panDiv->setGeometry(regions.splitter);
    pagRight->setGeometry(regions.pages);
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
    panDiv->move(dragSplitter(panDiv->x(), dx, tabLeft->width(), pagRight->width()), panDiv->y());
    panDiv->raise();
}

void TfrmCalc::panDivMouseUp()
{
    panDiv->setHeld(false);
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
    switch (event->type()) {
    case QEvent::ShortcutOverride: {
        // Alt+C and Alt+X belong to the window, not to the page tabs' mnemonics.
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::AltModifier && (key->key() == Qt::Key_C || key->key() == Qt::Key_X)) {
            event->accept();
            return true;
        }
        // The Edit keys go through the Edit menu's handler, not the fields' own.
        if (key->modifiers() == Qt::ControlModifier &&
            (key->key() == Qt::Key_X || key->key() == Qt::Key_C || key->key() == Qt::Key_V ||
             key->key() == Qt::Key_Insert)) {
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
    if (key == Qt::Key_C) {
        const QSignalBlocker quiet(pagRight);
        pagRight->setCurrentWidget(tabCalc);
    } else if (key == Qt::Key_X) {
        {
            const QSignalBlocker quiet(pagRight);
            pagRight->setCurrentWidget(tabExplain);
        }
        loadExplanation();
    }
    return true;  // no Alt+letter reaches a control
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
