"""What one keystroke in a value field costs with Orca listening and a table
of 9,999 rows on the screen: the AT-SPI signals the program sends, the calls
it answers, how long it stays busy and the CPU time it takes.

Run by run_orca_test.sh (APP_PID is the program):
    run_orca_test.sh OPecu97 -- keystroke_cost.py [--max-signals N] [KEYSTROKES]
With --max-signals it fails when a keystroke sends more signals than that.
"""
import argparse
import collections
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
    ("alt+c Tab Tab", "", "table with 9999 rows"),
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


def measure(keystrokes, program, log):
    """Per keystroke: signals from the program, calls to it, seconds from the
    key to the program's last message, and its CPU seconds."""
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
        figures.append((key, len(signals), len(calls), last - start, cpu_seconds(os.environ["APP_PID"]) - cpu,
                        collections.Counter(signals)))
    return figures


def report(figures):
    print("key        signals  calls  busy ms  CPU ms  signals sent")
    for key, signals, calls, busy, cpu, kinds in figures:
        sent = " ".join(f"{n} {kind}" for kind, n in sorted(kinds.items()))
        print(f"{key:<10} {signals:>7} {calls:>6} {busy * 1000:>8.0f} {cpu * 1000:>7.0f}  {sent}")
    median = [statistics.median_low(f[column] for f in figures) for column in range(1, 5)]
    print(f"median per keystroke: {median[0]} signals, {median[1]} calls, {median[2] * 1000:.0f} ms busy, "
          f"{median[3] * 1000:.0f} ms CPU")


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
    if min(f[1] for f in figures) == 0:
        sys.exit("a keystroke sent no signal: the program's messages were not seen")
    most = max(f[1] for f in figures)
    if args.max_signals is not None and most > args.max_signals:
        sys.exit(f"a keystroke sent {most} signals, more than {args.max_signals}")


if __name__ == "__main__":
    main()
