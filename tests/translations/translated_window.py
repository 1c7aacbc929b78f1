"""The real window in a translated desktop: its menus and labels as the
language's translation files have them, and a text file saved from it equal,
byte for byte, to pecunor-calc's output in that language for the same inputs.

Run by run_atspi_test.sh in the language's locale with LANGUAGE set to the
language; PECUNOR_CALC names the command-line calculator, PECUNOR_TRANSLATIONS
the folder of the .ts files the expected texts are read from.
"""
import os
import pathlib
import subprocess
import sys
import tempfile
import time
import xml.etree.ElementTree as ElementTree

from atspi_support import (Atspi, check, click, failures, find, find_app, keys, type_future_value_of_1000,
                           type_text, walk)

LANGUAGE = os.environ["LANGUAGE"]
FOLDER = pathlib.Path(os.environ["PECUNOR_TRANSLATIONS"])


def translations(area):
    """(context, English text) -> translated text of one .ts file; entries
    told apart by a disambiguation are left out, their plain twin stays."""
    table = {}
    root = ElementTree.parse(FOLDER / f"pecunor_{area}_{LANGUAGE}.ts").getroot()
    for context in root.iter("context"):
        for message in context.iter("message"):
            if message.find("comment") is None:
                table[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation")
    return table


def shown(text):
    """A caption as readers get it: the mnemonic's "&" gone."""
    return text.replace("&&", "\0").replace("&", "").replace("\0", "&")


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
    window = translations("window")
    engine = translations("engine")
    menu = lambda english: shown(window[("pecunor::TfrmCalc", english)])  # noqa: E731
    text = lambda english: shown(engine[("Engine", english)])  # noqa: E731

    app = find_app()
    check(app is not None, "the program is on the bus")
    if app is None:
        return
    menu_bar = find(app, "menu bar")
    titles = names_of(children(menu_bar)) if menu_bar else []
    wanted_titles = [menu(english) for english in ("&File", "&Edit", "&Setup", "&Help")]
    check(wanted_titles != ["File", "Edit", "Setup", "Help"], f"the {LANGUAGE} menu titles are not the English ones")
    check(titles == wanted_titles, f"menu titles {titles} are {wanted_titles}")
    labels = {node.get_name() for node in walk(app) if node.get_role_name() == "label"}
    wanted = {text("&Method"), text("Start &Date"), text("&Periods are"), text("Present Value"), text("% Interest"),
              text("Number of {P}").replace("{P}", text("Years"))}
    check(wanted <= labels, f"input labels ({sorted(wanted - labels)} missing)")

    type_future_value_of_1000()
    start_field = find(app, "text", text("Start &Date"))
    start = Atspi.Text.get_text(start_field, 0, -1) if start_field else ""
    check(bool(start), f"the start date field reads {start!r}")

    target = pathlib.Path(tempfile.mkdtemp()) / "sheet.txt"
    click(find(menu_bar, "menu item", menu("&File")))
    click(find(menu_bar, "menu item", menu("Save As &Text")))
    type_text(str(target))
    keys("Return")
    check(wait_for(target), "Save As Text wrote the file")
    if not target.exists():
        return
    written = target.read_bytes()
    expected = subprocess.run([os.environ["PECUNOR_CALC"], "--language", LANGUAGE, "--method", "0", "--start", start,
                               "--v1", "1000", "--v2", "10", "--v3", "3"], capture_output=True, check=True).stdout
    captions = [text("Future Value"), text("Interest/{U}").replace("{U}", text("Year"))]
    check(all(caption.encode() in written for caption in captions), f"the file has the captions {captions}")
    check(written == expected, f"the window's file equals pecunor-calc --language {LANGUAGE}"
          + ("" if written == expected else f"\n{written!r}\n{expected!r}"))


if __name__ == "__main__":
    main()
    print(f"{len(failures)} failed")
    sys.exit(1 if failures else 0)
