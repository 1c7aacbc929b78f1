"""Every orderly end of a calculator run keeps what was typed in it.

Runs the real program under its own Xvfb, types a number into the input
panel, then ends the run in one of the ways a desktop ends programs: SIGTERM,
SIGHUP, the X server going away, Alt+F4 after the program's folder was
renamed, and Alt+F4 with a settings file that is a named pipe or far too
large, or after Save As Text was pointed at a named pipe (with and without a
reader). The run must end within seconds and the settings file must hold the
number; a pipe stays a pipe and nothing is written into it.
  orderly_end_test.py PROGRAM
"""
import os
import pathlib
import shutil
import signal
import stat
import subprocess
import sys
import tempfile
import time

TYPED = "4321"
failures = []


def xdotool(display, *arguments):
    return subprocess.run(["xdotool", *arguments], env={**os.environ, "DISPLAY": display},
                          capture_output=True, text=True, timeout=20).stdout.split()


def wait_for_window(display, large):
    """The visible window named after the product: the message box, or the main window."""
    deadline = time.monotonic() + 20
    while time.monotonic() < deadline:
        for window in xdotool(display, "search", "--onlyvisible", "--name", "^Ostrel Pecunor 97$"):
            geometry = dict(line.split("=") for line in
                            xdotool(display, "getwindowgeometry", "--shell", window) if "=" in line)
            if (int(geometry.get("WIDTH", 0)) >= 500) == large:
                return window
        time.sleep(0.2)
    return None


def start_xvfb():
    read_end, write_end = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                              pass_fds=[write_end], stderr=subprocess.DEVNULL)
    os.close(write_end)
    with os.fdopen(read_end) as numbers:
        return server, ":" + numbers.readline().strip()


def save_dialog_shown(display):
    return bool(xdotool(display, "search", "--onlyvisible", "--name", "^Save .* Chart$"))


def save_as_text_onto_pipe(display, window, pipe):
    """File > Save As Text, the pipe's name, Enter; the refusal and the dialog closed again.
    False when the dialog did not open or took the pipe."""
    xdotool(display, "key", "alt+f", "t")
    time.sleep(1.5)
    opened = save_dialog_shown(display)
    xdotool(display, "key", "ctrl+a")
    xdotool(display, "type", str(pipe))
    xdotool(display, "key", "Return")
    time.sleep(1.5)
    refused = save_dialog_shown(display)
    xdotool(display, "key", "Return")
    time.sleep(0.5)
    xdotool(display, "key", "Escape")
    time.sleep(0.5)
    xdotool(display, "windowfocus", "--sync", window)
    return opened and refused


def run_case(name, program, end, settings_kind=None, move_folder=False, save_to_pipe=None):
    work = pathlib.Path(tempfile.mkdtemp())
    server, display = start_xvfb()
    process = None
    try:
        home = work / "home"
        settings = home / ".config" / "Brackwell" / "Pecunor 97.conf"
        settings.parent.mkdir(parents=True)
        if settings_kind == "pipe":
            os.mkfifo(settings)
        elif settings_kind == "large":
            settings.write_bytes(b"[General]\n" + b"x" * (2 * 1024 * 1024))
        folder = work / "stick"
        folder.mkdir()
        shutil.copy(program, folder / "OPecu97.exe")
        env = {**os.environ, "DISPLAY": display, "HOME": str(home), "XDG_CONFIG_HOME": str(home / ".config"),
               "XDG_DATA_HOME": str(home / ".local/share"), "LANG": "C.UTF-8", "LC_ALL": "C.UTF-8"}
        env.pop("QT_QPA_PLATFORM", None)
        process = subprocess.Popen([str(folder / "OPecu97.exe")], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.PIPE, text=True)
        if settings_kind is not None:
            # The start says what is wrong with the file before the window opens.
            if wait_for_window(display, large=False) is None:
                return failures.append(f"{name}: no message about the settings file at start")
            xdotool(display, "key", "Return")
        window = wait_for_window(display, large=True)
        if window is None:
            return failures.append(f"{name}: the window did not open")
        xdotool(display, "windowfocus", "--sync", window)
        # Into the first value field of the input panel.
        xdotool(display, "key", "Tab", "Tab", "Tab", "Tab")
        xdotool(display, "type", TYPED)
        time.sleep(0.5)
        if save_to_pipe is not None:
            pipe = work / "pipe.txt"
            os.mkfifo(pipe)
            reader = os.open(pipe, os.O_RDONLY | os.O_NONBLOCK) if save_to_pipe == "reader" else None
            if not save_as_text_onto_pipe(display, window, pipe):
                failures.append(f"{name}: the save dialog did not open, or closed on the pipe's name")
            if reader is not None:
                try:
                    received = os.read(reader, 100)
                except BlockingIOError:
                    received = b""
                os.close(reader)
                if received:
                    failures.append(f"{name}: {len(received)} bytes were written into the pipe")
        if move_folder:
            folder.rename(work / "renamed")
        if end == "x server gone":
            server.terminate()
        elif end == "alt+F4":
            xdotool(display, "key", "alt+F4")
            if settings_kind == "pipe":
                # A pipe cannot hold the settings: the window asks whether to close anyway.
                time.sleep(1)
                xdotool(display, "key", "y")
        else:
            process.send_signal(end)
        try:
            code = process.wait(timeout=15)
        except subprocess.TimeoutExpired:
            return failures.append(f"{name}: the program did not end")
        expected_code = 1 if end == "x server gone" else 0
        if code != expected_code:
            failures.append(f"{name}: exit code {code}, expected {expected_code}: {process.stderr.read()}")
        if settings_kind == "pipe":
            if not stat.S_ISFIFO(os.lstat(settings).st_mode):
                failures.append(f"{name}: the pipe was replaced")
        elif TYPED not in settings.read_text(errors="replace"):
            failures.append(f"{name}: the typed value was not saved")
    finally:
        if process is not None and process.poll() is None:
            process.kill()
        server.kill()
        server.wait()
        shutil.rmtree(work, ignore_errors=True)


def main(program):
    cases = [
        ("SIGTERM", dict(end=signal.SIGTERM)),
        ("SIGHUP", dict(end=signal.SIGHUP)),
        ("X server gone", dict(end="x server gone")),
        ("folder renamed, Alt+F4", dict(end="alt+F4", move_folder=True)),
        ("settings file a pipe, Alt+F4", dict(end="alt+F4", settings_kind="pipe")),
        ("settings file of 2 MB, SIGTERM", dict(end=signal.SIGTERM, settings_kind="large")),
        ("Save As Text onto a pipe without a reader, Alt+F4", dict(end="alt+F4", save_to_pipe="none")),
        ("Save As Text onto a pipe with a reader, Alt+F4", dict(end="alt+F4", save_to_pipe="reader")),
    ]
    for name, case in cases:
        run_case(name, program, **case)
    for failure in failures:
        print("FAIL " + failure)
    print(f"{len(cases) - len(failures)} of {len(cases)} ends kept the settings" if not failures else "")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
