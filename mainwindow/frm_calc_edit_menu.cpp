#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include <algorithm>

#include "frm_calc.h"
#include "output/edit_commands.h"

// The Edit menu: cut, copy and paste in the text fields, copy and select all
// in the result table, copy on the explanation page.
namespace pecunor {

namespace {

// The editable text of the focused control, if it has one.
QLineEdit* focusedTextField(const TfrmCalc& window)
{
    QWidget* focused = QApplication::focusWidget();
    if (!focused)
        return nullptr;
    if (focused == window.cboStartDate || focused == window.cboStartDate->lineEdit())
        return window.cboStartDate->lineEdit();
    for (QLineEdit* field : window.txtValue)
        if (focused == field)
            return field;
    return nullptr;
}

// The keyboard is on a scroll area: on the area itself or on its viewport.
bool focusedOn(const QAbstractScrollArea& area)
{
    QWidget* focused = QApplication::focusWidget();
    return focused && (focused == &area || focused == area.viewport());
}

// While the keyboard is in the menu bar (Alt+E, F10), the focus has left the
// field for the bar or its menu.
bool keyboardInMenus(const TfrmCalc& window)
{
    QWidget* focused = QApplication::focusWidget();
    return !focused || focused == window.menuBar() || qobject_cast<QMenu*>(focused);
}

bool clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText() && !data->text().isEmpty();
}

}  // namespace

void TfrmCalc::connectEditMenu()
{
    auto* edit = menuBar()->findChild<QMenu*>(QStringLiteral("mnuEdit"));
    connect(edit, &QMenu::aboutToShow, this, [this, edit] { mnuEditClick(edit); });
    for (QAction* item : {mnuCut, mnuCopy, mnuPaste, mnuSelectAll})
        connect(item, &QAction::triggered, this, [this, item] { mnuEditClick(item); });
}

void TfrmCalc::holdFieldSelection(QObject* watched, QEvent* event)
{
    auto* field = qobject_cast<QLineEdit*>(watched);
    const bool valueField = std::find(txtValue.begin(), txtValue.end(), field) != txtValue.end();
    if (!field || (field != cboStartDate->lineEdit() && !valueField))
        return;
    const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
    if (event->type() == QEvent::FocusOut && reason == Qt::MenuBarFocusReason) {
        // The field drops its selection as the menu bar takes the keyboard;
        // the Edit commands, and the field once the menu closes, still need it.
        heldSelection_ = HeldSelection{field, field->selectionStart(), static_cast<int>(field->selectedText().size())};
    } else if (event->type() == QEvent::FocusIn) {
        if (heldSelection_ && heldSelection_->field == field && heldSelection_->length > 0)
            field->setSelection(heldSelection_->start, heldSelection_->length);
        heldSelection_.reset();
    }
}

QLineEdit* TfrmCalc::editTarget(bool restoreSelection)
{
    if (QLineEdit* field = focusedTextField(*this))
        return field;
    if (!heldSelection_ || !heldSelection_->field || !keyboardInMenus(*this))
        return nullptr;
    QLineEdit* field = heldSelection_->field;
    if (restoreSelection) {
        if (heldSelection_->length > 0)
            field->setSelection(heldSelection_->start, heldSelection_->length);
        // The command changes the text: the selection it acted on is gone.
        heldSelection_.reset();
    }
    return field;
}

void TfrmCalc::refreshEditItems()
{
    QLineEdit* field = editTarget(false);
    const bool heldText = field && !focusedTextField(*this) && heldSelection_ && heldSelection_->length > 0;
    EditFocus focus = EditFocus::Other;
    bool hasSelectedText = false;
    if (field) {
        focus = EditFocus::TextField;
        hasSelectedText = field->hasSelectedText() || heldText;
    } else if (focusedOn(*rtfExplain)) {
        focus = EditFocus::ReadOnlyText;
        hasSelectedText = rtfExplain->textCursor().hasSelection();
    } else if (focusedOn(*sgrFin)) {
        focus = EditFocus::Table;
    }
    const EditItemStates states = editItemStates(focus, hasSelectedText, clipboardHasText());
    mnuCut->setEnabled(states.cut);
    mnuCopy->setEnabled(states.copy);
    mnuPaste->setEnabled(states.paste);
}

void TfrmCalc::mnuEditClick(QObject* sender)
{
    refreshEditItems();
    runEditCommand(sender);
}

void TfrmCalc::runEditCommand(QObject* sender)
{
    QLineEdit* field = sender == mnuSelectAll ? nullptr : editTarget(true);
    // The table is only reached while it is shown: hidden, it holds the
    // result of earlier inputs.
    const bool tableShown = resultSucceeded_.value_or(false);
    if (sender == mnuCut) {
        if (field)
            field->cut();
    } else if (sender == mnuCopy) {
        if (field)
            field->copy();
        else if (focusedOn(*rtfExplain))
            rtfExplain->copy();
        else if (tableShown && focusedOn(*sgrFin))
            QGuiApplication::clipboard()->setText(
                QString::fromStdString(selectionText(sgrFin->sheet(), sgrFin->selection())));
    } else if (sender == mnuPaste) {
        if (field)
            field->paste();
    } else if (sender == mnuSelectAll && tableShown) {
        const ResultSheet& sheet = sgrFin->sheet();
        sgrFin->setSelection(gridRect(0, 0, sheet.columnCount() - 1, sheet.rowCount() - 1));
        sgrFin->setFocus(Qt::OtherFocusReason);
    }
}

bool TfrmCalc::editShortcut(QKeyEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier)
        return false;
    QAction* item = nullptr;
    switch (event->key()) {
    case Qt::Key_Insert: mnuEditClick(mnuCopy); return true;
    case Qt::Key_X: item = mnuCut; break;
    case Qt::Key_C: item = mnuCopy; break;
    case Qt::Key_V: item = mnuPaste; break;
    default: return false;
    }
    // A greyed item swallows its key.
    refreshEditItems();
    if (item->isEnabled())
        runEditCommand(item);
    return true;
}

}  // namespace pecunor
