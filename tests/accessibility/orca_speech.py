"""What Orca says as a keyboard user works the program.

Run by run_orca_test.sh with Orca writing its debug log to ORCA_LOG. Each
step sends keys (and types text) as a user would, then waits for Orca to say
a phrase. A phrase counts only when spoken after its step began, and not as
part of a longer number, date or word ("2" is not found in "1/8/2029").
"""
import datetime
import os
import re
import subprocess
import sys
import time

# (keys, text typed after them, what Orca then says: a phrase, phrases that
# must all be said, or None for a step on the way; "=" before a phrase: said
# alone, as a line is read). "@TITLE" after the keys then focuses the
# program's window of that title.
WINDOW = [
    # The window opens with the focus in the method box.
    ("Down", "", "Future Value Annuity"),
    ("Down", "", "Future Value Investment"),
    ("Up", "", "Future Value Annuity"),
    ("Up Tab ctrl+a", "1/8/2027", None),
    ("F4", "", "Friday, January 8, 2027"),
    ("Right", "", "Saturday, January 9, 2027"),
    ("Next", "", "Tuesday, February 9, 2027"),
    # The future value of 1000 at 10 % over 3 years, a table of three rows.
    ("Escape Tab Tab", "1000", None),
    ("Tab", "10", None),
    ("Tab Tab", "3", None),
    ("alt+c Tab Tab", "", "Result Table"),
    ("Down", "", "2"),
    ("Right", "", "Interest/Year"),
    # The explanation takes the focus from the table and is read line by line with the caret.
    ("alt+x", "", ("Explanation read only text", "Future Value")),
    ("Down", "", "=Description"),
    # The help text, by lines from its first topic.
    ("F1 Tab", "", "=The Calculator Window"),
    ("Down", "", "=The calculator has no Calculate button and no documents. Pick a method, type the"),
    ("Escape @Ostrel Pecunor 97", "", None),
    # The copy dialog's drives, a USB stick first, and the folder a change of drive copies to.
    ("alt+h c", "", ("Drive combo box", "/media/USB-STICK")),
    ("Down", "", ("/", "Copy to folder /Ostrel Pecunor 97")),
    ("Escape @Ostrel Pecunor 97", "", None),
    # The print options name their printer; the printer dialog's list says each printer.
    ("alt+f r", "", "Printer: Accounts"),
    ("alt+c", "", ("Name: combo box", "Accounts")),
    ("Down", "", "Office"),
]

SETUP = [
    # Next is the default button; each new page is told by its title.
    ("Return", "", "Install Folder"),
    ("Return", "", "Shortcuts"),
]

# A record of Orca's debug log: its time of day, then the line itself;
# continuation lines are indented.
RECORD = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - (.*?)(?=^\d\d:\d\d:\d\d\.\d{6} - |\Z)", re.M | re.S)
# What was spoken, without the voice settings Orca logs after it.
UTTERANCE = re.compile(r"SPEECH OUTPUT: '(.*)'\s*(?:voice=\w+)?\s*(?:\{.*\})?\s*$", re.S)


def now():
    return datetime.datetime.now().strftime("%H:%M:%S.%f")


def spoken_since(mark):
    with open(os.environ["ORCA_LOG"], encoding="utf-8", errors="replace") as log:
        text = log.read().replace("\r\n", "\n")
    said = []
    for when, record in RECORD.findall(text):
        utterance = UTTERANCE.match(record)
        if when >= mark and utterance:
            said.append(" ".join(utterance.group(1).split()))
    return said


def contains(said, phrase):
    if phrase.startswith("="):
        return any(line.rstrip(".") == phrase[1:] for line in said)
    pattern = r"(?<![\w/.,$])" + re.escape(phrase) + r"(?![\w/,$]|\.\d)"
    return any(re.search(pattern, line, re.I) for line in said)


def wait_for(mark, phrases, seconds=6):
    phrases = (phrases,) if isinstance(phrases, str) else phrases
    end = time.time() + seconds
    while time.time() < end:
        said = spoken_since(mark)
        if all(contains(said, phrase) for phrase in phrases):
            return True
        time.sleep(0.1)
    return False


def wait_until_quiet(mark, seconds=4, quiet=0.6):
    """Until Orca has said nothing new for a while, so that what the next
    step hears is its own."""
    end, count, changed = time.time() + seconds, -1, time.time()
    while time.time() < end and time.time() - changed < quiet:
        said = len(spoken_since(mark))
        if said != count:
            count, changed = said, time.time()
        time.sleep(0.1)


def send(key_names, text):
    key_names, _, window = key_names.partition("@")
    subprocess.run(["xdotool", "key", "--delay", "60", *key_names.split()], check=True)
    if text:
        subprocess.run(["xdotool", "type", "--delay", "60", text], check=True)
    if window:
        focus_window(window)


def focus_window(title):
    """The focus to the program's window of that title, as a window manager
    gives it back when a window above it closes; Xvfb has none."""
    subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", os.environ["APP_PID"], "--name", f"^{title}$",
                    "windowfocus", "--sync"], check=True)


def run(steps):
    failures = 0
    for key_names, text, phrase in steps:
        mark = now()
        send(key_names, text)
        heard = phrase is None or wait_for(mark, phrase)
        wait_until_quiet(mark)
        if phrase is not None:
            print(f"{'ok  ' if heard else 'FAIL'} {key_names} {text}-> {phrase!r}; Orca said {spoken_since(mark)}")
        failures += not heard
    return failures


if __name__ == "__main__":
    scenario = {"window": WINDOW, "setup": SETUP}[sys.argv[1]]
    # Orca first reads the new window; the steps start after that.
    wait_until_quiet(now(), seconds=10, quiet=1.5)
    failed = run(scenario)
    print(f"{failed} failed")
    sys.exit(1 if failed else 0)
