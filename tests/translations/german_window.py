"""The real window in a German desktop: German menus and labels, and a text
file saved from it equal, byte for byte, to pecunor-calc's German output for
the same inputs.

Run by run_atspi_test.sh in de_DE.UTF-8 with LANGUAGE=de; PECUNOR_CALC names
the command-line calculator.
"""
import os
import pathlib
import subprocess
import sys
import tempfile
import time

from atspi_support import (Atspi, check, click, failures, find, find_app, keys, type_future_value_of_1000,
                           type_text, walk)


def names_of(nodes):
    return [node.get_name() for node in nodes if node is not None]


def children(node):
    return [node.get_child_at_index(i) for i in range(node.get_child_count())]


def wait_for(path, seconds=10):
    end = time.time() + seconds
    while time.time() < end and not path.exists():
        time.sleep(0.1)
    return path.exists()


def main():
    app = find_app()
    check(app is not None, "the program is on the bus")
    if app is None:
        return
    menu_bar = find(app, "menu bar")
    titles = names_of(children(menu_bar)) if menu_bar else []
    check(titles == ["Datei", "Bearbeiten", "Einstellungen", "Hilfe"], f"German menu titles ({titles})")
    labels = {node.get_name() for node in walk(app) if node.get_role_name() == "label"}
    wanted = {"Methode", "Startdatum", "Periodeneinheit", "Barwert", "Zinssatz (%)", "Anzahl Jahre"}
    check(wanted <= labels, f"German input labels ({sorted(wanted - labels)} missing)")

    type_future_value_of_1000()
    start_field = find(app, "text", "Startdatum")
    start = Atspi.Text.get_text(start_field, 0, -1) if start_field else ""
    check(bool(start), f"the start date field reads {start!r}")

    target = pathlib.Path(tempfile.mkdtemp()) / "endwert.txt"
    click(find(menu_bar, "menu item", "Datei"))
    click(find(menu_bar, "menu item", "Als Text speichern …"))
    type_text(str(target))
    keys("Return")
    check(wait_for(target), "Save As Text wrote the file")
    if not target.exists():
        return
    written = target.read_bytes()
    expected = subprocess.run([os.environ["PECUNOR_CALC"], "--method", "0", "--start", start, "--v1", "1000",
                               "--v2", "10", "--v3", "3"], capture_output=True, check=True).stdout
    check("Endwert".encode() in written and "Zinsen/Jahr".encode() in written, "the file has German captions")
    check(written == expected, "the window's file equals pecunor-calc's German output"
          + ("" if written == expected else f"\n{written!r}\n{expected!r}"))


if __name__ == "__main__":
    main()
    print(f"{len(failures)} failed")
    sys.exit(1 if failures else 0)
