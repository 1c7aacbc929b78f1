#pragma once

#include <QAccessibleWidget>
#include <QHash>

#include <functional>

namespace pecunor {

class ResultGrid;

// The interfaces a widget's interface hands out for parts of it that are no
// widgets of their own (cells, lines, days), by index: each made when first
// asked for, all dropped together.
class AccessibleParts {
public:
    AccessibleParts() = default;
    AccessibleParts(const AccessibleParts&) = delete;
    AccessibleParts& operator=(const AccessibleParts&) = delete;
    ~AccessibleParts() { clear(); }

    QAccessibleInterface* at(int index, const std::function<QAccessibleInterface*()>& make);
    void clear();

private:
    QHash<int, QAccessible::Id> ids_;
};

// The result table as screen readers see it: a table of its cells, laid out
// as the sheet is (child index = row × columns + column). The header row
// gives the column headers; in a schedule the "#" column is the first column,
// read with each row, and heads the rows. A quotient sheet is plain label and
// value rows. Every cell reads its whole text, also where the screen shows it
// shortened.
class ResultGridAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit ResultGridAccessible(ResultGrid* grid);

    ResultGrid* grid() const;
    void* interface_cast(QAccessible::InterfaceType type) override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override;
    QList<QAccessibleInterface*> selectedCells() const override;
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override;
    int columnCount() const override;
    int rowCount() const override;
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override;
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int row) const override;
    bool selectRow(int row) override;
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* event) override;

    // In sheet coordinates, headers included; nullptr outside the sheet.
    QAccessibleInterface* sheetCell(int column, int row) const;
    // The sheet row of the first data row.
    int firstDataRow() const;

private:
    // Selected whole data rows, first to last; none when last < first.
    struct DataRows {
        int first;
        int last;
    };
    DataRows selectedDataRows() const;

    // The cells handed out so far, by child index.
    mutable AccessibleParts cells_;
};

// The accessibility of the program's own widgets (result table, summary,
// date picker), installed once for the whole run.
void installAccessibility();

}  // namespace pecunor
