"""What one keystroke in a value field costs with Orca listening and a table
of 9,999 rows on the screen: the AT-SPI signals the program sends, the calls
it answers, how long it stays busy and the CPU time it takes; and, to tell
the program's share of the busy time from Orca's, how long the calls wait on
the program's answers and how long Orca takes over the events (its log).

Run by run_orca_test.sh (APP_PID is the program):
    run_orca_test.sh OPecu97 -- keystroke_cost.py [--max-signals N] [KEYSTROKES]
With --max-signals it fails when a keystroke sends more signals than that.
"""
import argparse
import collections
import datetime
import os
import re
import statistics
import subprocess
import sys
import tempfile
import time

from orca_speech import now, send, spoken_since, wait_for

# Future value of 1000 at 1 % a month over 9,999 months, then into the table
# (Orca names its size) and back to the present value, at its end.
SETUP = [
    ("Tab Tab Down Down Down Tab", "1000", None),
    ("Tab", "1", None),
    ("Tab Tab", "9999", None),
    # Tab from the last field reaches the page tabs, Left the Calculator page,
    # Tab its table: no Alt chord, which Orca's key grab can split in two.
    ("Tab Left Tab", "", "table with 9999 rows"),
    ("shift+Tab shift+Tab shift+Tab shift+Tab shift+Tab End", "", "Present Value"),
]


def a11y_bus_address():
    reply = subprocess.run(["dbus-send", "--session", "--dest=org.a11y.Bus", "--print-reply", "/org/a11y/bus",
                            "org.a11y.Bus.GetAddress"], check=True, capture_output=True, text=True).stdout
    return re.search(r'string "(.*)"', reply).group(1)


def bus_name_of(address, pid):
    """The program's unique name on the bus, from the names the bus lists."""
    names = subprocess.run(["dbus-send", f"--bus={address}", "--dest=org.freedesktop.DBus", "--print-reply",
                            "/org/freedesktop/DBus", "org.freedesktop.DBus.ListNames"],
                           check=True, capture_output=True, text=True).stdout
    for name in re.findall(r'string "(:[\d.]+)"', names):
        reply = subprocess.run(["dbus-send", f"--bus={address}", "--dest=org.freedesktop.DBus", "--print-reply",
                                "/org/freedesktop/DBus", "org.freedesktop.DBus.GetConnectionUnixProcessID",
                                f"string:{name}"], capture_output=True, text=True).stdout
        if re.search(rf"uint32 {pid}\b", reply):
            return name
    return None


def cpu_seconds(pid):
    """On the CPU so far, all threads, as the scheduler counts it (in ns)."""
    total = 0
    for task in os.listdir(f"/proc/{pid}/task"):
        with open(f"/proc/{pid}/task/{task}/schedstat") as stat:
            total += int(stat.read().split()[0])
    return total / 1e9


def messages(path):
    """dbus-monitor --profile lines: type, time, serial, sender, destination, ..."""
    with open(path) as log:
        return [line.rstrip("\n").split("\t") for line in log if line[:2] in ("si", "mc", "mr", "er")]


def wait_until_still(path, quiet=1.0, seconds=15):
    end, size, changed = time.time() + seconds, -1, time.time()
    while time.time() < end and time.time() - changed < quiet:
        if os.path.getsize(path) != size:
            size, changed = os.path.getsize(path), time.time()
        time.sleep(0.05)


def answering_seconds(new, program):
    """From each call to the program to its reply, summed: the time the calls
    wait on the program. The rest of its busy time it waits on the caller."""
    asked = {m[2]: float(m[1]) for m in new if m[0] == "mc" and m[4] == program}
    return sum(float(m[1]) - asked[m[5]] for m in new if m[0] in ("mr", "err") and m[3] == program and m[5] in asked)


# An event as Orca's debug log tells its handling: the time it began, its
# type and, at its end, the seconds it took (the calls it made included).
HANDLED = re.compile(r"^(\d\d:\d\d:\d\d\.\d{6}) - OBJECT EVENT: (\S+).*?^TOTAL PROCESSING TIME: ([\d.]+)", re.M | re.S)


def orca_handling(begin, end):
    """Orca's events begun between the two times (seconds since the epoch):
    their types and the seconds Orca spent on them."""
    with open(os.environ["ORCA_LOG"], encoding="utf-8", errors="replace") as log:
        text = log.read().replace("\r\n", "\n")
    first, last = (datetime.datetime.fromtimestamp(t).strftime("%H:%M:%S.%f") for t in (begin, end))
    return [(kind, float(seconds)) for when, kind, seconds in HANDLED.findall(text) if first <= when <= last]


Keystroke = collections.namedtuple("Keystroke", "key signals calls busy cpu answering orca kinds handled")


def measure(keystrokes, program, log):
    """Per keystroke: signals from the program, calls to it, seconds from the
    key to the program's last message, its CPU seconds, the seconds the calls
    waited on its answers and the seconds Orca spent on the events."""
    figures = []
    for key in keystrokes:
        wait_until_still(log)
        seen, cpu, start = len(messages(log)), cpu_seconds(os.environ["APP_PID"]), time.time()
        send(key, "")
        wait_until_still(log)
        new = messages(log)[seen:]
        signals = [m[6].rsplit(".", 1)[-1] + "." + m[7] for m in new if m[0] == "sig" and m[3] == program]
        calls = [m for m in new if m[0] == "mc" and m[4] == program]
        last = max((float(m[1]) for m in new if m[3] == program), default=start)
        handled = orca_handling(start, last)
        figures.append(Keystroke(key, len(signals), len(calls), last - start, cpu_seconds(os.environ["APP_PID"]) - cpu,
                                 answering_seconds(new, program), sum(seconds for _, seconds in handled),
                                 collections.Counter(signals), handled))
    return figures


def report(figures):
    print("key        signals  calls  busy ms  CPU ms  answering ms  Orca ms  signals sent; Orca's handling ms")
    for f in figures:
        sent = " ".join(f"{n} {kind}" for kind, n in sorted(f.kinds.items()))
        handled = " ".join(f"{kind.split(':', 1)[1]} {seconds * 1000:.0f}" for kind, seconds in f.handled)
        print(f"{f.key:<10} {f.signals:>7} {f.calls:>6} {f.busy * 1000:>8.0f} {f.cpu * 1000:>7.0f} "
              f"{f.answering * 1000:>13.0f} {f.orca * 1000:>8.0f}  {sent}; {handled}")
    median = {field: statistics.median_low(getattr(f, field) for f in figures)
              for field in ("signals", "calls", "busy", "cpu", "answering", "orca")}
    print(f"median per keystroke: {median['signals']} signals, {median['calls']} calls, {median['busy'] * 1000:.0f} ms "
          f"busy, {median['cpu'] * 1000:.0f} ms CPU, {median['answering'] * 1000:.0f} ms answering calls, "
          f"{median['orca'] * 1000:.0f} ms of Orca handling the events (its calls included)")


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--max-signals", type=int)
    parser.add_argument("keystrokes", nargs="*", default=["5", "BackSpace"] * 5)
    args = parser.parse_args()
    for keys, text, phrase in SETUP:
        mark = now()
        send(keys, text)
        if phrase and not wait_for(mark, phrase, seconds=30):
            sys.exit(f"no 9,999-row table: Orca said {spoken_since(mark)}, not {phrase!r}")
    address = a11y_bus_address()
    program = bus_name_of(address, os.environ["APP_PID"])
    if program is None:
        sys.exit("the program is not on the AT-SPI bus")
    with tempfile.NamedTemporaryFile(suffix=".monitor") as log:
        monitor = subprocess.Popen(["dbus-monitor", "--address", address, "--profile"], stdout=log)
        try:
            while os.path.getsize(log.name) == 0 and monitor.poll() is None:
                time.sleep(0.05)  # until it writes its column heads
            figures = measure(args.keystrokes, program, log.name)
        finally:
            monitor.terminate()
    report(figures)
    # Every keystroke changes the field's text, which readers must be told.
    if min(f.signals for f in figures) == 0:
        sys.exit("a keystroke sent no signal: the program's messages were not seen")
    most = max(f.signals for f in figures)
    if args.max_signals is not None and most > args.max_signals:
        sys.exit(f"a keystroke sent {most} signals, more than {args.max_signals}")


if __name__ == "__main__":
    main()
