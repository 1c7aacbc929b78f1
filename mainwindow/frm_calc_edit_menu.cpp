#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>

#include "edit_commands.h"
#include "frm_calc.h"

// The Edit menu: cut, copy and paste in the text fields, copy and select all
// in the result table.
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

bool tableFocused(const TfrmCalc& window)
{
    QWidget* focused = QApplication::focusWidget();
    return focused && (focused == window.sgrFin || focused == window.sgrFin->viewport());
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

void TfrmCalc::refreshEditItems()
{
    QLineEdit* field = focusedTextField(*this);
    const EditFocus focus = field ? EditFocus::TextField : tableFocused(*this) ? EditFocus::Table : EditFocus::Other;
    const EditItemStates states = editItemStates(focus, field && field->hasSelectedText(), clipboardHasText());
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
    QLineEdit* field = focusedTextField(*this);
    // The table is only reached while it is shown: hidden, it holds the
    // result of earlier inputs.
    const bool tableShown = resultSucceeded_.value_or(false);
    if (sender == mnuCut) {
        if (field)
            field->cut();
    } else if (sender == mnuCopy) {
        if (field)
            field->copy();
        else if (tableShown && tableFocused(*this))
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
