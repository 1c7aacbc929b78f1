"""Every translatable text of the program has a finished German translation.

Runs lupdate over the sources into a copy of each .ts file, so that a text
added to the code without a translation shows up as unfinished, then checks
each translation: not empty, the same placeholders as its source, a mnemonic
where the source has one. lrelease must compile every file without a warning.
"""
import pathlib
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

# Which sources each translation file covers; together, every Qt folder.
SOURCES = {
    "pecunor_window_de.ts": ["mainwindow", "output"],
    "pecunor_setup_de.ts": ["setup", "settings", "platform", "launcher", "cleanup"],
    "pecunor_cli_de.ts": ["cli"],
}
PLACEHOLDER = re.compile(r"%L?\d+")
failures = []


def fail(what):
    print("FAIL " + what)
    failures.append(what)


def mnemonic(text):
    # "&&" is a literal ampersand, "&x" underlines x.
    return re.search(r"(?<!&)&(?!&)\S", text.replace("&&", "")) is not None


def check_messages(ts_file, name):
    for context in ElementTree.parse(ts_file).getroot().iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{name} [{context_name}] {source!r}"
            translation = message.find("translation")
            kind = translation.get("type") if translation is not None else "missing"
            forms = [form.text or "" for form in translation.iter("numerusform")] if translation is not None else []
            texts = forms or [translation.text or "" if translation is not None else ""]
            if kind in ("unfinished", "vanished", "obsolete", "missing"):
                fail(f"{where}: {kind}")
                continue
            for text in texts:
                if not text.strip():
                    fail(f"{where}: empty translation")
                elif sorted(set(PLACEHOLDER.findall(text))) != sorted(set(PLACEHOLDER.findall(source))):
                    fail(f"{where}: placeholders differ in {text!r}")
                elif mnemonic(source) and not mnemonic(text):
                    fail(f"{where}: the mnemonic is lost in {text!r}")


def main(lupdate, lrelease, root):
    root = pathlib.Path(root)
    folder = root / "resources" / "translations"
    present = sorted(path.name for path in folder.glob("*.ts"))
    if present != sorted(SOURCES):
        fail(f"translation files {present} are not the expected {sorted(SOURCES)}")
    with tempfile.TemporaryDirectory() as scratch:
        for name, dirs in SOURCES.items():
            original = folder / name
            if not original.exists():
                continue
            copy = pathlib.Path(scratch) / name
            shutil.copy(original, copy)
            subprocess.run([lupdate, *[str(root / d) for d in dirs], "-no-obsolete", "-locations", "none",
                            "-silent", "-ts", str(copy)], check=True)
            check_messages(copy, name)
            compiled = subprocess.run([lrelease, str(original), "-qm", str(pathlib.Path(scratch) / "out.qm")],
                                      capture_output=True, text=True, check=True)
            report = compiled.stdout + compiled.stderr
            if "warning" in report.lower() or " 0 unfinished" not in report:
                fail(f"{name}: lrelease reports {report.strip()!r}")
    print(f"{len(failures)} failed")
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(*sys.argv[1:4]))
