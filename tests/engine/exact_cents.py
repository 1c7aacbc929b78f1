#!/usr/bin/python3
"""The engine's cents against exact decimal arithmetic of the typed entries.

Seeded random requests go to sheet_cents (one process for all of them). Every
amount cell and summary value is worked out here with exact rationals, step
by step in the engine's order, rounded half away from zero and compared with
the engine's text. All fourteen methods are rational once their power has a
whole exponent; Future Value Investment takes its count entry itself as the
exponent, so it is only given whole counts.

A cell's band is the magnitude of the larger of its exact value and its
request's largest typed amount: a book value that ends at a small salvage
after a cost of 10^16 carries the error of the cost. A differing cell is
  half   - its exact value is a half cent and the engine shows the cent
           toward zero;
  noise  - the engine's text lies within its own arithmetic error (bounded
           from the sheet's magnitudes, rows and powers) of the exact value:
           a value within that error of a half cent, but not on it, has no
           side a long double computation can tell (in an unstable loan
           schedule the error exceeds whole amounts);
  other  - anything else: the engine's arithmetic or this reference is wrong.
The CI mode fails on half and other cells below 10^12, the fixed cases'
included, and on any sheet whose validity or shape differs. Amounts the
engine shows in exponent form are compared on their 15 significant digits.

    exact_cents.py --driver build/release/tests/engine/sheet_cents --count 100000 --seed 1
"""

import argparse
import math
import random
import subprocess
import sys
import tempfile
import time
from collections import defaultdict
from fractions import Fraction

METHOD_NAMES = [
    "Future Value", "Future Value Annuity", "Future Value Investment", "Present Value",
    "Present Value Annuity", "Present Loan Payment", "Straight-Line Deprec.", "Sum-of-Years Deprec.",
    "Dbl. Decl. Bal. Deprec.", "Zero Coupon Bonds", "Bond Yield", "Bond Price",
    "Price / Earnings (Stocks)", "Earnings / Share (Stocks)",
]
DAYS_PER_PERIOD = [Fraction(365), Fraction(365, 2), Fraction(90), Fraction(30), Fraction(7), Fraction(1)]
COUNT_ENTRY = [3, 4, 3, 3, 4, 4, 3, 3, 3, 3, 0, 0, 0, 0]
RATE_CONVERTED = [True] * 6 + [False] * 3 + [True] + [False] * 4
COLUMNS = [2, 3, 3, 2, 3, 3, 2, 2, 2, 2, 1, 1, 1, 1]  # amount columns of the sheet
AMOUNT_ENTRIES = [(1,), (1, 3), (1,), (1,), (1, 3), (1, 3), (1, 2), (1, 2), (1, 2), (1,)] + [(1, 2)] * 4
COUNT_LIMIT = 10000  # a larger count entry is incorrect input
# Upper bounds of the bands, in cents.
BANDS = [(10**9, "below 10^7"), (10**14, "10^7-10^12"), (10**15, "10^12-10^13"), (10**17, "10^13-10^15"),
         (10**19, "10^15-10^17"), (None, "10^17+")]
HELD_BANDS = 2
KINDS = ("half", "noise", "other")
HELD_KINDS = ("half", "other")
# 2^-60: sixteen times the rounding error of one long double operation.
UNIT_ERROR_LOG = -60 * math.log(2)

# Requests users reported: method, period unit, timing, interest per, texts.
FIXED_CASES = [
    (6, 0, 0, 0, "10000.10", "0", "4", ""),
    (6, 0, 0, 0, "12345.67", "0.01", "4", ""),
    (6, 4, 0, 0, "69295.635", "34.5", "3", ""),
    # Its interest nears -31818.155 from above, 2,295 times closer each row,
    # but never reaches it: exact arithmetic gives -31818.15 in every row.
    (4, 4, 0, 3, "364307.84", "983126", "31818.155", "7549"),
]


# ----------------------------------------------------------------------------
# Exact cells.

class Cell:
    """An exact value num / den rounded for showing: cents (halves away from
    zero) and how far it lies from a half cent; from 10^17 on, where the
    engine may take the exponent form, also its 15 significant digits and how
    far it lies from a half of the last one, in cents."""
    __slots__ = ("cents", "half", "offset", "digits", "digits_near")

    def __init__(self, num, den):
        a = -num if num < 0 else num
        c, rest = divmod(200 * a + den, 2 * den)
        self.cents = -c if num < 0 else c
        self.half = rest == 0
        self.offset = rest / (2 * den)  # the magnitude in cents is |cents| - 1/2 + offset
        self.digits = self.digits_near = None
        if c >= 10**19:
            self.digits, self.digits_near = significant_digits(num < 0, a, den)


def significant_digits(negative, a, den):
    exponent = len(str(a // den)) - 1
    for e in (exponent, exponent + 1):
        unit = den * 10 ** (e - 14)
        digits, rest = divmod(2 * a + unit, 2 * unit)
        if digits < 10**15:
            return (negative, digits, e), min(rest, 2 * unit - rest) / (2 * unit) * 10 ** (e - 12)
    raise AssertionError("no 15-digit form")


def cents_text(c):
    a = -c if c < 0 else c
    return f"{'-' if c < 0 else ''}{a // 100}.{a % 100:02d}"


def digits_text(d):
    negative, digits, e = d
    s = str(digits).rstrip("0") or "0"
    return f"{'-' if negative else ''}{s[0]}{'.' if len(s) > 1 else ''}{s[1:]}E+{e}"


def parse_exponent_form(text):
    negative = text.startswith("-")
    mantissa, exponent = text.lstrip("-").split("E")
    whole_part, _, fraction = mantissa.partition(".")
    return (negative, int((whole_part + fraction).ljust(15, "0")), int(exponent))


def agrees(cell, text):
    if "E" in text:
        return cell.digits is not None and parse_exponent_form(text) == cell.digits
    return cents_text(cell.cents) == text


def exact_text(cell, like):
    """The exact value in the form of the engine's text, and where it lies."""
    if "E" in like and cell.digits is not None:
        return digits_text(cell.digits)
    if cell.half:
        return f"{cents_text(cell.cents)} (a half cent exactly)"
    return f"{cents_text(cell.cents)} ({min(cell.offset, 1 - cell.offset):.2g} cents from a half cent)"


def exact(text):
    return Fraction(text) if text else Fraction(0)


def whole(f):
    return f.numerator // f.denominator


def ratio_parts(rate):
    """r = a / b and 1 + r = A / b, in lowest terms, for the rate in percent."""
    r = rate / 100
    return r.numerator, r.denominator, r.numerator + r.denominator


def over(values):
    """A common denominator of the fractions and their numerators over it."""
    den = 1
    for v in values:
        den = den * v.denominator // math.gcd(den, v.denominator)
    return den, [v.numerator * (den // v.denominator) for v in values]


def money(value):
    """A summary amount that is a fraction already."""
    return ("m", Cell(value.numerator, value.denominator))


def totals(total, den, n):
    """The total over the periods and its average per period, as summaries end."""
    return [("m", Cell(total, den)), ("m", Cell(total, den * n))]


# The methods, as the engine computes them. Each yields its cells row by row
# (None for an empty cell), then its summary values as a list of (kind, Cell),
# kind "m" money or "n" the rate as a number. Working values are numerators
# over a denominator that grows by a known factor each row: no fraction is
# reduced on the way, which would cost a gcd of long numbers per operation.

def future_value(e, n, rate, _at_start):
    a, b, _A = ratio_parts(rate)
    den, (o,) = over([e[0]])
    total = 0
    for _k in range(n):
        interest = o * a
        o = o * b + interest
        total = total * b + interest
        den *= b
        yield Cell(interest, den)
        yield Cell(o, den)
    yield [("m", Cell(o, den)), *totals(total, den, n), ("n", rate)]


def future_value_annuity(e, n, rate, at_start):
    a, b, _A = ratio_parts(rate)
    den, (o, p) = over([e[0], e[2]])
    payment = Cell(p, den)
    total = 0
    for _k in range(n):
        interest = (o + p if at_start else o) * a
        o = (o + p) * b + interest
        total = total * b + interest
        p *= b
        den *= b
        yield payment
        yield Cell(interest, den)
        yield Cell(o, den)
    payments = n * e[2]
    yield [("m", Cell(o, den)), money(payments), *totals(total, den, n), ("n", rate)]


def future_value_investment(e, n, rate, at_start):
    assert e[2].denominator == 1, "a fractional exponent has no exact value"
    s = 1 if at_start else 0
    r = rate / 100
    x = e[0] / (((1 + r) ** (whole(e[2]) + s) - 1) / r)
    a, b, _A = ratio_parts(rate)
    den, (p,) = over([x])
    payment = Cell(p, den)
    rows = n + s
    closing = total = 0
    for k in range(1, rows + 1):
        if not at_start:
            interest = closing * a
        elif k < rows:
            interest = (p + closing) * a
        else:
            interest = 0
        total = total * b + interest
        closing = (closing + p) * b + interest
        p *= b
        den *= b
        yield payment
        yield Cell(interest, den)
        yield Cell(closing, den)
    payments = rows * x
    yield [money(payments), *totals(total, den, n), ("n", rate)]


def present_value(e, n, rate, _at_start):
    a, b, A = ratio_parts(rate)
    pv = e[0] * Fraction(b**n, A**n)
    den, (o,) = over([pv])
    yield None
    yield Cell(o, den)
    total = 0
    for _k in range(n):
        interest = o * a
        o = o * b + interest
        total = total * b + interest
        den *= b
        yield Cell(interest, den)
        yield Cell(o, den)
    yield [money(pv), *totals(total, den, n), ("n", rate)]


def present_value_annuity(e, n, rate, at_start):
    # (r * earning) * (1 / (1 + r)) is earning * a / A: each row back from
    # the target multiplies the denominator by A. Rows come out last first.
    a, _b, A = ratio_parts(rate)
    den, (balance, p) = over([e[0], e[2]])
    payment = Cell(p, den)
    total = 0
    rows = []
    for _k in range(n):
        interest = (balance if at_start else balance - p) * a
        rows.append((payment, Cell(interest, den * A), Cell(balance, den)))
        balance = (balance - p) * A - interest
        total = total * A + interest
        p *= A
        den *= A
    yield None
    yield None
    yield Cell(balance, den)
    for row in reversed(rows):
        yield from row
    payments = n * e[2]
    yield [("m", Cell(balance, den)), money(payments), *totals(total, den, n), ("n", rate)]


def loan_payment(e, n, rate, _at_start):
    r = rate / 100
    principal = e[0] - e[2]
    x = abs(principal / ((1 - (1 + r) ** n) / r)) + r * principal
    a, b, _A = ratio_parts(rate)
    den, (o, p) = over([principal, x])
    payment = Cell(x.numerator, x.denominator)
    total = 0
    for _k in range(n):
        interest = o * a
        o = (o - p) * b + interest
        total = total * b + interest
        p *= b
        den *= b
        yield payment
        yield Cell(interest, den)
        yield Cell(o, den)
    payments = n * x
    yield [money(payments), *totals(total, den, n), ("n", rate)]


def straight_line(e, n, _rate, _at_start):
    # The life as entered, fraction and all, spreads the cost.
    den, (cost, d) = over([e[0], (e[0] - e[1]) / e[2]])
    depreciation = Cell(d, den)
    for k in range(1, n + 1):
        yield depreciation
        yield Cell(cost - k * d, den)
    yield [("m", Cell(cost - n * d, den)), ("m", Cell(n * d, den))]


def sum_of_years(e, n, _rate, _at_start):
    spread = e[0] - e[1]
    den, (book, part) = over([e[0], spread / Fraction(n * (n + 1), 2)])
    for k in range(1, n + 1):
        d = (n - k + 1) * part
        book -= d
        yield Cell(d, den)
        yield Cell(book, den)
    yield [("m", Cell(book, den)), ("m", Cell(spread.numerator, spread.denominator)),
           ("m", Cell(spread.numerator, spread.denominator * n))]


def double_declining(e, n, _rate, _at_start):
    den, (cost, salvage) = over([e[0], e[1]])
    book, total = cost, 0
    for k in range(1, n + 1):
        d = 2 * (cost - total)  # over den * n
        book = book * n - d
        cost, salvage, total, den = cost * n, salvage * n, total * n, den * n
        if book < salvage:
            d -= salvage - book
            book = salvage
        total += d
        yield Cell(d, den)
        yield Cell(book, den)
        if book == salvage:
            # The cost less the total is now the salvage value, so every later
            # period is cut to nothing.
            zero, kept = Cell(0, 1), Cell(book, den)
            for _later in range(k, n):
                yield zero
                yield kept
            break
    yield [("m", Cell(book, den)), *totals(total, den, n)]


def ratio(e, _n, _rate, _at_start):
    for v in (e[0], e[1], e[0] / e[1]):
        yield Cell(v.numerator, v.denominator)
    yield []


FILLS = [future_value, future_value_annuity, future_value_investment, present_value, present_value_annuity,
         loan_payment, straight_line, sum_of_years, double_declining, present_value,
         ratio, ratio, ratio, ratio]


def prepared(request):
    """(entries, count, rate) as the engine reads them, or None when its
    checks refuse the request."""
    method, unit, _timing, per = request[:4]
    e = [exact(t) for t in request[4:]]
    n = 0
    if COUNT_ENTRY[method]:
        entry = e[COUNT_ENTRY[method] - 1]
        n = whole(entry) if entry < COUNT_LIMIT else 0
    rate = e[1] * DAYS_PER_PERIOD[unit] / DAYS_PER_PERIOD[per] if RATE_CONVERTED[method] else e[1]
    if method in (1, 4):
        ok = (e[0] > 0 or e[2] > 0) and n >= 1
    elif method == 2:
        ok = e[0] > 0 and rate > 0 and n >= 1
    elif method == 5:
        ok = e[0] > 0 and rate > 0 and e[2] <= e[0] and n >= 1
    elif method <= 9:
        ok = e[0] > 0 and n >= 1
    else:
        ok = e[0] > 0 and e[1] > 0
    return (e, n, rate) if ok else None


def largest_amount(method, e):
    return max(e[i - 1] for i in AMOUNT_ENTRIES[method])


def error_log(method, n, rate, largest_cents):
    """Log of the engine's arithmetic error in cents, bounded from the
    largest magnitude of the sheet, the rows that accumulate it and, with a
    power, how the formula magnifies the power's error."""
    n = max(n, 1)
    magnified = 0.0
    if method in (2, 3, 5, 9):
        ln_growth = n * math.log1p(float(rate) / 100)
        magnified = math.log(n + ln_growth + 2)
        if method in (2, 5) and ln_growth > 0:
            magnified -= math.log(-math.expm1(-ln_growth))  # g / (g - 1), the cancellation in g - 1
        if method == 5:
            magnified += ln_growth  # each row carries the payment's error on, times 1 + r
    return math.log(max(largest_cents, 1)) + math.log(n) + magnified + UNIT_ERROR_LOG


def band_of(cents):
    cents = abs(cents)
    for i, (limit, _name) in enumerate(BANDS):
        if limit is None or cents < limit:
            return i
    return len(BANDS) - 1


# ----------------------------------------------------------------------------
# Random requests.

def typed_amount(rng, low=-2.0, high=17.0):
    """A text of 0 to 3 decimals, its magnitude log-uniform from 10^low to 10^high."""
    while True:
        decimals = rng.randint(0, 3)
        digits = int(10 ** (rng.uniform(low, high) + decimals))
        length = len(str(digits))
        if length > 15:  # past a float's digits: draw the rest
            unit = 10 ** (length - 15)
            digits = digits // unit * unit + rng.randrange(unit)
        if digits:
            s = str(digits).rjust(decimals + 1, "0")
            return s if decimals == 0 else f"{s[:-decimals]}.{s[-decimals:]}"


def typed_count(rng, largest, fraction):
    n = min(int(math.exp(rng.uniform(0, math.log(largest + 1)))), largest)
    if fraction and rng.random() < 0.2:
        return f"{n}.{rng.choice(['5', '25', '75', '1', '9'])}"
    return str(n)


def typed_rate(rng, unit, per):
    """0.01 % to 100 % a typed unit, at most 50 % a period once converted."""
    if rng.random() < 0.04:
        return "0"
    while True:
        text = typed_amount(rng, -2.0, 2.0)
        if Fraction(text) * DAYS_PER_PERIOD[unit] / DAYS_PER_PERIOD[per] <= 50:
            return text


def random_request(rng):
    method = rng.randrange(14)
    unit, timing, per = rng.randrange(6), rng.randrange(2), rng.randrange(6)
    v = ["", "", "", ""]
    if method <= 5 or method == 9:
        v[0] = typed_amount(rng) if rng.random() > 0.03 else "0"
        v[1] = typed_rate(rng, unit, per)
        count = typed_count(rng, 300, method != 2)
        if method in (1, 4):
            v[2], v[3] = (typed_amount(rng) if rng.random() > 0.1 else "0"), count
        elif method == 5:
            u = rng.random()
            digits = len(v[0].split(".")[0])
            v[2] = "0" if u < 0.3 else v[0] if u < 0.35 else typed_amount(rng, -2.0, digits - 1.0)
            v[3] = count
        else:
            v[2] = count
    elif method <= 8:
        v[0] = typed_amount(rng)
        u = rng.random()
        digits = len(v[0].split(".")[0])
        v[1] = "0" if u < 0.25 else typed_amount(rng, -2.0, float(digits) if u < 0.85 else 17.0)
        v[2] = typed_count(rng, 9999 if method != 8 else 2000, method == 6)
    else:
        v[0], v[1] = typed_amount(rng), typed_amount(rng)
    return (method, unit, timing, per, *v)


def request_text(request):
    method, unit, timing, per, *v = request
    return f"method {method} ({METHOD_NAMES[method]}), unit {unit}, timing {timing}, per {per}, values {v}"


# ----------------------------------------------------------------------------
# Comparing.

class Tally:
    def __init__(self):
        self.compared = defaultdict(int)   # (band, method) -> cells
        self.differing = defaultdict(int)  # (band, method, kind) -> cells
        self.examples = defaultdict(list)  # (band, kind) -> (request, place, cell, engine text)
        self.mismatches = []               # (request, what): validity or shape differs
        self.refused = 0
        self.faults = 0

    def held(self):
        return sum(v for (band, _m, kind), v in self.differing.items() if band < HELD_BANDS and kind in HELD_KINDS)


def compare(request, line, tally):
    prep = prepared(request)
    status, *fields = line.rstrip("\n").split("\t")
    if prep is None:
        if status != "I":
            tally.mismatches.append((request, f"the engine shows a sheet ({status}), its checks should refuse it"))
        tally.refused += 1
        return
    if status == "F":
        tally.faults += 1
        return
    if status != "V":
        tally.mismatches.append((request, f"the engine gives {status}, its checks should accept it"))
        return
    e, n, rate = prep
    method = request[0]
    cells, engine = int(fields[0]), fields[1:]
    floor_cents = int(largest_amount(method, e) * 100)
    largest_cents = floor_cents
    differing = []
    place, summary = 0, []
    for item in FILLS[method](e, n, rate, request[2] == 0):
        if isinstance(item, list):
            summary = item
            break
        if place >= cells:
            tally.mismatches.append((request, "the engine has fewer cells"))
            return
        text = engine[place]
        place += 1
        if item is None:
            if text != "":
                tally.mismatches.append((request, f"{cell_place(method, place - 1)}: the engine shows {text!r} "
                                                  "in an empty cell"))
            continue
        largest_cents = max(largest_cents, abs(item.cents))
        tally.compared[max(band_of(item.cents), band_of(floor_cents)), method] += 1
        if not agrees(item, text):
            differing.append((cell_place(method, place - 1), item, text))
    if place != cells or len(engine) != cells + len(summary):
        tally.mismatches.append((request, f"the engine has {cells} cells and {len(engine) - cells} summary values, "
                                          f"the reference {place} and {len(summary)}"))
        return
    for i, (kind, value) in enumerate(summary):
        text = engine[cells + i]
        if kind == "n":
            value = Cell(value.numerator, value.denominator)
            text = text[:-1] if text.endswith("%") else text + "?"
        tally.compared[max(band_of(value.cents), band_of(floor_cents)), method] += 1
        if not agrees(value, text):
            differing.append((f"summary value {i + 1}", value, text))
    # Classified once the sheet's largest magnitude is known.
    error = error_log(method, n, rate, largest_cents)
    for where, cell, text in differing:
        band = max(band_of(cell.cents), band_of(floor_cents))
        kind = classify(cell, text, error)
        tally.differing[band, method, kind] += 1
        if len(tally.examples[band, kind]) < 3:
            tally.examples[band, kind].append((request, where, cell, text))


def cell_place(method, place):
    """Row and column in the sheet, counted as its fixed row and columns count them."""
    if method >= 10:
        return f"row {place}, column 1"
    return f"row {place // COLUMNS[method] + 1}, column {place % COLUMNS[method] + 2}"


def classify(cell, text, error):
    if "E" in text:
        near = cell.digits_near
        return "noise" if near is not None and (near == 0 or math.log(near) <= error) else "other"
    try:
        shown = int(text.replace(".", ""))
    except ValueError:
        return "other"
    sign = -1 if cell.cents < 0 else 1
    if cell.half and shown == cell.cents - sign:
        return "half"
    # How far the shown amount lies from the exact value, in cents.
    distance = abs(shown - cell.cents + sign * (0.5 - cell.offset))
    return "noise" if distance <= 0.5 or math.log(distance - 0.5) <= error else "other"


def run_driver(driver, requests):
    with tempfile.TemporaryFile("w+") as feed:
        for request in requests:
            feed.write("\t".join(map(str, request)) + "\n")
        feed.seek(0)
        process = subprocess.Popen([driver], stdin=feed, stdout=subprocess.PIPE, text=True, bufsize=1 << 20)
        yield from process.stdout
        if process.wait() != 0:
            sys.exit(f"{driver} failed with exit status {process.returncode}")


def report(tally, fixed, args, elapsed):
    print(f"{args.count} random requests (seed {args.seed}): {tally.refused} refused by the checks, "
          f"{tally.faults} ended in an arithmetic fault; {elapsed:.1f} s with the fixed cases")
    print("\nBy band (the larger of the exact value and the request's largest typed amount):")
    print(f"  {'band':<12} {'compared':>10} {'differing':>10} {'half':>8} {'noise':>8} {'other':>8}")
    for b, (_limit, name) in enumerate(BANDS):
        compared = sum(v for (band, _m), v in tally.compared.items() if band == b)
        kinds = [sum(v for (band, _m, k), v in tally.differing.items() if band == b and k == kind) for kind in KINDS]
        print(f"  {name:<12} {compared:>10} {sum(kinds):>10} {kinds[0]:>8} {kinds[1]:>8} {kinds[2]:>8}")
    print("\nBy method, differing / compared in each band; then half, noise, other in all bands:")
    print("  " + " " * 29 + "".join(f"{name:>17}" for _l, name in BANDS))
    for m in range(14):
        cells = "".join(f"{sum(tally.differing[b, m, k] for k in KINDS):>8} /{tally.compared[b, m]:>7}"
                        for b in range(len(BANDS)))
        kinds = " ".join(str(sum(tally.differing[b, m, k] for b in range(len(BANDS)))) for k in KINDS)
        print(f"  {m:>2} {METHOD_NAMES[m]:<26}{cells}   {kinds}")
    print("\nExamples:")
    for (band, kind), examples in sorted(tally.examples.items()):
        for request, where, cell, text in examples:
            print(f"  [{BANDS[band][1]}, {kind}] {request_text(request)}, {where}: "
                  f"exact {exact_text(cell, text)}, engine {text}")
    print("\nFixed cases:")
    for request, case in fixed:
        differing = sum(case.differing.values())
        kinds = ", ".join(f"{sum(v for (_b, _m, k), v in case.differing.items() if k == kind)} {kind}"
                          for kind in KINDS)
        print(f"  {request_text(request)}: {differing} of {sum(case.compared.values())} cells differ ({kinds})")
        for examples in case.examples.values():
            for _request, where, cell, text in examples[:2]:
                print(f"    {where}: exact {exact_text(cell, text)}, engine {text}")
    for request, what in (tally.mismatches + [m for _r, case in fixed for m in case.mismatches])[:10]:
        print(f"  MISMATCH {request_text(request)}: {what}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("--driver", required=True, help="the sheet_cents program")
    parser.add_argument("--count", type=int, default=3000, help="random requests (default 3000)")
    parser.add_argument("--seed", type=int, default=97)
    parser.add_argument("--ci", action="store_true",
                        help="exit 1 on a half or other cell below 10^12, a differing fixed case or sheet shape")
    args = parser.parse_args()

    rng = random.Random(args.seed)
    requests = FIXED_CASES + [random_request(rng) for _ in range(args.count)]
    tally = Tally()
    fixed = [(request, Tally()) for request in FIXED_CASES]
    start = time.monotonic()
    for i, line in enumerate(run_driver(args.driver, requests)):
        compare(requests[i], line, fixed[i][1] if i < len(fixed) else tally)
    report(tally, fixed, args, time.monotonic() - start)
    failed = tally.held() + len(tally.mismatches) + sum(case.held() + len(case.mismatches) for _r, case in fixed)
    if args.ci and failed:
        print(f"\nFAIL: {failed} cells or sheets disagree where a correct rounding would agree")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
