#!/usr/bin/env python3
"""Every include across folders names its folder, and no folder includes one
above it: the engine at the bottom, the start-up and the installer at the top.

    folder_layers.py SOURCE_DIR
"""
import pathlib
import re
import sys

# From the bottom up; folders on one level do not include each other.
LEVELS = [
    ["engine"],
    ["resources"],
    ["platform"],
    ["product"],
    ["settings"],
    ["output"],
    ["mainwindow"],
    ["setup", "cli", "launcher", "cleanup"],
]
LEVEL = {folder: level for level, folders in enumerate(LEVELS) for folder in folders}
INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)


def main(root):
    headers = {}
    for folder in LEVEL:
        for header in (root / folder).glob("*.h"):
            headers.setdefault(header.name, []).append(folder)
    faults = []
    for folder in LEVEL:
        for source in sorted((root / folder).glob("*.[ch]*")):
            if source.suffix not in (".h", ".cpp"):
                continue
            for name in INCLUDE.findall(source.read_text(encoding="utf-8")):
                where = f"{folder}/{source.name}: \"{name}\""
                if "/" not in name:
                    if name in headers and folder not in headers[name]:
                        faults.append(f"{where} comes from {headers[name][0]}/ but does not say so")
                    continue
                target = name.split("/")[0]
                if target not in LEVEL:
                    continue
                if target == folder:
                    faults.append(f"{where} names its own folder")
                elif LEVEL[target] >= LEVEL[folder]:
                    faults.append(f"{where}: {folder}/ may not include {target}/, which is not below it")
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in the folders' includes")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main(pathlib.Path(sys.argv[1])))
