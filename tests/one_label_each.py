"""Every registered test has exactly one of the labels unit, service and system, so
that `ctest -L unit` is the whole quick loop and nothing else.
    one_label_each.py CTEST BUILD_DIR"""

import json
import subprocess
import sys

LABELS = {"unit", "service", "system"}

listing = subprocess.run([sys.argv[1], "--test-dir", sys.argv[2], "--show-only=json-v1"],
                         capture_output=True, text=True, check=True).stdout
faults = []
for test in json.loads(listing)["tests"]:
    labels = [label for prop in test.get("properties", []) if prop["name"] == "LABELS" for label in prop["value"]]
    if len(labels) != 1 or labels[0] not in LABELS:
        faults.append(f"{test['name']}: {labels or 'no label'}")
print("\n".join(faults) or "every test has one label")
sys.exit(1 if faults else 0)
