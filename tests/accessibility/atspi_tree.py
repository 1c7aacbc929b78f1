"""What a screen reader reaches of the calculator through the real AT-SPI bus.

Run by run_atspi_test.sh inside its own X server and D-Bus session while the
program runs; keys go in through xdotool, as a user's would.
"""
import sys

from atspi_support import (Atspi, check, click, failures, find, find_app, keys, labelled, showing,
                           type_future_value_of_1000, type_text, walk)


focus_events = []


def on_focus(event):
    if event.detail1 == 1:
        focus_events.append(event.source)


# What readers are told of the focused field: (its name, the text the event
# carries, which is what a reader speaks).
descriptions = []


def on_description(event):
    descriptions.append((event.source.get_name(), event.any_data))


def main():
    listener = Atspi.EventListener.new(on_focus)
    listener.register("object:state-changed:focused")
    described = Atspi.EventListener.new(on_description)
    described.register("object:property-change:accessible-description")
    app = find_app()
    check(app is not None, "the program is on the bus")
    if app is None:
        return
    type_future_value_of_1000()
    # The field just typed into is described by the result it leads to.
    summary_text = ("Future Value: $1,331.00\nTotal Interest: $331.00\nAverage Interest / Year: $110.33\n"
                    "% Interest / Year: 10.00%")
    check(("Number of Years", summary_text) in descriptions,
          f"the typed field is described by the result ({descriptions[-1:]})")
    keys("alt+c")

    table = find(app, "table", "Result Table")
    check(table is not None, "the result table is a table named 'Result Table'")
    if table is None:
        return
    rows, columns = Atspi.Table.get_n_rows(table), Atspi.Table.get_n_columns(table)
    # The row number is a column of its own for readers, besides heading its row.
    check((rows, columns) == (3, 4), f"three rows of four columns (got {rows} x {columns})")
    headers = [Atspi.Table.get_column_header(table, c).get_name() for c in range(columns)]
    check(headers == ["#", "Date", "Interest/Year", "Accumulated Total"], f"column headers {headers}")
    row_header = Atspi.Table.get_row_header(table, 1)
    check(row_header is not None and row_header.get_name() == "2", "the '#' column heads the rows")
    cell = Atspi.Table.get_accessible_at(table, 2, 3).get_name()
    check(cell == "$1,331.00", f"a cell reads its text ({cell!r})")

    summary = find(app, "list", "Summary")
    lines = [summary.get_child_at_index(i).get_name() for i in range(summary.get_child_count())] if summary else []
    check(lines == ["Future Value: $1,331.00", "Total Interest: $331.00", "Average Interest / Year: $110.33",
                    "% Interest / Year: 10.00%"], f"summary pairs {lines}")

    # Into the table, then one row down: the reader is told which cell.
    click(Atspi.Table.get_accessible_at(table, 0, 1))
    focus_events.clear()
    keys("Down")
    names = [source.get_name() for source in focus_events if source.get_role_name() == "table cell"]
    check(names[-1:] == ["12/8/2028"], f"Down focuses the next row's cell ({names})")

    # The unit box beside the rate is named after its row.
    unit = find(app, "combo box", "/ Year")
    check(unit is not None and labelled(unit) == "% Interest per", "the interest unit box is '% Interest per'")

    unnamed = [f"{node.get_role_name()}" for node in walk(app)
               if showing(node) and node.get_state_set().contains(Atspi.StateType.FOCUSABLE)
               and node.get_role_name() not in ("table cell", "list item", "page tab")
               and not node.get_name() and not labelled(node)]
    check(not unnamed, f"nothing focusable is unnamed ({unnamed})")

    # Clearing the number of years brings the error line.
    click(find(app, "text", "Number of Years"))
    descriptions.clear()
    keys("ctrl+a", "BackSpace")
    message = "Insufficient or incorrect input values! Check fields on left side."
    check(("Number of Years", message) in descriptions, f"the cleared field is described by the error ({descriptions[-1:]})")
    error = find(app, "label", "Insufficient or incorrect input values! Check fields on left side.")
    check(error is not None and showing(error), "the error line shows after a field is cleared")
    check(summary is None or not showing(summary), "the summary is gone with the table")

    # The date picker: F4 opens it from the start date box; Right moves a day.
    keys("alt+d")
    keys("ctrl+a")
    type_text("1/8/2027")
    focus_events.clear()
    keys("F4")
    picker = find(app, "dialog", "Date Picker")
    check(picker is not None, "the open picker is in the window's tree")
    focus_events.clear()
    keys("Right")
    days = [source.get_name() for source in focus_events if source.get_role_name() == "list item"]
    check(days[-1:] == ["Saturday, January 9, 2027"], f"Right focuses the next day by its date ({days})")
    if picker is not None:
        buttons = [node.get_name() for node in walk(picker) if node.get_role_name() == "push button"]
        check(buttons[:2] == ["Year back", "Month back"], f"picker buttons named by their tips ({buttons})")
    keys("Escape")


if __name__ == "__main__":
    main()
    print(f"{len(failures)} failed")
    sys.exit(1 if failures else 0)
