"""Every method's JSON sheet from pecunor-calc --batch against cli/pecunor-sheet.schema.json,
and each of its amounts against the cell the window's comma-delimited file shows."""

import json
import re
import subprocess
import sys

import jsonschema

CALC, SCHEMA = sys.argv[1], sys.argv[2]
TODAY = "2024-01-15"
# One request per method that gives a full sheet, the loan with a fraction of a cent to round.
REQUESTS = [
    {"method": m, "v1": "1234.5", "v2": "7.25", "v3": "250", "v4": "12", "periods": 3, "start": "1/31/2024"}
    for m in range(10)
] + [{"method": m, "v1": "8", "v2": "100"} for m in range(10, 14)]
FAULTS = ['{"v2": "10"}', '{"v1": "1000", "v2": "1000", "v3": "5000"}', "not json", '{"v1": true}']


def run(arguments, stdin=""):
    return subprocess.run([CALC, *arguments, "--today", TODAY, "--locale", "en_US", "--language", "en"],
                          input=stdin, capture_output=True, text=True, check=False)


def window_amount(cell):
    """A cell of the window's file as a plain number: $1,234.50 -> 1234.50, ($5.00) -> -5.00."""
    negative = cell.startswith("(") or cell.startswith("-")
    plain = re.sub(r"[$,()\-]", "", cell)
    return ("-" if negative else "") + plain


def main():
    validator = jsonschema.Draft202012Validator(json.load(open(SCHEMA, encoding="utf-8")))
    batch = run(["--batch"], "\n".join([json.dumps(r) for r in REQUESTS] + FAULTS) + "\n")
    lines = batch.stdout.splitlines()
    assert batch.returncode == 1 and len(lines) == len(REQUESTS) + len(FAULTS), (batch.returncode, batch.stderr)
    for number, line in enumerate(lines, 1):
        errors = [e.message for e in validator.iter_errors(json.loads(line))]
        assert not errors, f"line {number}: {errors[:3]}"
    codes = [json.loads(line)["fault"] and json.loads(line)["fault"]["code"] for line in lines]
    assert codes == [None] * len(REQUESTS) + ["insufficientInput", "overflow", "request", "request"], codes

    for request, line in zip(REQUESTS, lines):
        # Numbers as written, to compare their decimals with the window's text.
        sheet = json.loads(line, parse_float=str, parse_int=str)
        csv = run([f"--{name}={value}" for name, value in request.items()] + ["--format", "csv"]).stdout
        cells = [[c.strip('"') for c in row.split('","')] for row in csv.splitlines()]
        if sheet["kind"] == "ratio":
            assert [s["value"] for s in sheet["summary"]] == [window_amount(row[1]) for row in cells], line
            continue
        assert [c["header"] for c in sheet["table"]["columns"]] == cells[0], line
        for row, shown in zip(sheet["table"]["rows"], cells[1:]):
            month, day, year = (int(part) for part in shown[1].split("/"))
            assert row[:2] == [shown[0], f"{year:04}-{month:02}-{day:02}"], (row, shown)
            assert row[2:] == [window_amount(c) if c else None for c in shown[2:]], (row, shown)
        assert len(sheet["table"]["rows"]) == len(cells) - 1

    example = '{"v1":"1000","v2":"10","v3":"3","start":"2024-01-15"}\n'
    future_value = json.loads(run(["--batch"], example).stdout, parse_float=str)
    assert future_value["summary"][0]["value"] == "1331.00", future_value["summary"]
    assert [row[1] for row in future_value["table"]["rows"]] == ["2025-01-15", "2026-01-15", "2027-01-15"]
    print(f"{len(lines)} lines valid; amounts equal to the window's cells")


if __name__ == "__main__":
    main()
