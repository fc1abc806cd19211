#!/usr/bin/env python3
"""Compares our platform's gdi-conformance output with the reference's.

    compare.py OURS REF [REF...] [--known FILE] [--show N] [--write-known]

Each line is "call|arguments|result". Cases whose result differs between the
reference runs, or that the --known file lists, are nondeterministic in the
reference: they are listed and left out. So are results built from rows the
reference never computed: regions with empty spans or spans outside their
box, drawings with pixels outside their box, and round regions whose corner
rows change with the width of the box. The complexity a
region reports ("kind=", and SIMPLEREGION against COMPLEXREGION in a "ret=")
is counted apart and not required to match, and so is EqualRgn on regions
with the same pixels. Exit status 1 when any other case differs or is
missing.
"""
import argparse
import re
import sys
from collections import OrderedDict

KIND = re.compile(r" kind=\d+")
# CombineRgn and OffsetRgn return the same complexity: SIMPLEREGION (2) and
# COMPLEXREGION (3) are not told apart; NULLREGION and ERROR are.
RET = re.compile(r"ret=[23] ")


def complexity_free(result):
    return RET.sub("ret=region ", KIND.sub("", result))


def read(path):
    cases = OrderedDict()
    with open(path, encoding="ascii", errors="replace") as f:
        for line in f:
            line = line.rstrip("\r\n")
            if not line:
                continue
            call, args, result = line.split("|", 2)
            cases[call + "|" + args] = result
    return cases


ROWS = re.compile(r"(-?\d+)-(-?\d+):([^;]*);")
BOX = re.compile(r"box=(-?\d+),(-?\d+),(-?\d+),(-?\d+)")


def ill_formed(result):
    """A region the reference reports with empty spans or spans outside its
    own box: rows it never filled in (seen at the tips of narrow round and
    elliptic regions). Such a result is no behaviour to copy."""
    box = BOX.search(result)
    if not box or "rows=" not in result:
        return False
    l, t, r, b = map(int, box.groups())
    for m in ROWS.finditer(result.split("rows=", 1)[1]):
        if int(m.group(1)) < t or int(m.group(2)) > b:
            return True
        for span in re.finditer(r"(-?\d+)-(-?\d+)", m.group(3)):
            x0, x1 = int(span.group(1)), int(span.group(2))
            if x0 >= x1 or x0 < l or x1 > r:
                return True
    return False


PIXELS = re.compile(r"[0-9A-F]{6}@((?:-?\d+--?\d+:[^;]*;)*)")


def drawn_outside(key, result):
    """A drawing that changed pixels outside the box it was given: the
    reference filled rows of its shape it never computed (seen at the tips of
    narrow tall ellipses, as runs to arbitrary columns)."""
    call, args = key.split("|", 1)
    if call not in ("Ellipse", "RoundRect"):
        return False
    _, l, t, r, b = map(int, args.split(",")[:5])
    l, r = min(l, r), max(l, r)
    t, b = min(t, b), max(t, b)
    for rows in PIXELS.findall(result):
        for m in ROWS.finditer(rows):
            if int(m.group(1)) < t or int(m.group(2)) > b:
                return True
            for span in re.finditer(r"(-?\d+)-(-?\d+)", m.group(3)):
                if int(span.group(1)) < l or int(span.group(2)) > r:
                    return True
    return False


def corner_rows(key, result):
    """The corner size of a round region and how far its top rows are cut in
    from the left of its box (None for a row without exactly one span)."""
    l, t, r, b, cw, ch = map(int, key.split("|", 1)[1].split(","))
    width, height = abs(r - l) - 1, abs(b - t) - 1
    corner = (min(abs(cw), max(width, 0)), min(abs(ch), max(height, 0)))
    spans = {}
    if "rows=" in result:
        for m in ROWS.finditer(result.split("rows=", 1)[1]):
            runs = re.findall(r"(-?\d+)-(-?\d+)", m.group(3))
            for y in range(int(m.group(1)), int(m.group(2))):
                spans[y] = int(runs[0][0]) - min(l, r) if len(runs) == 1 else None
    top = min(t, b)
    return corner, width, tuple(spans.get(top + i) for i in range((corner[1] + 1) // 2))


def unwritten_corners(ref):
    """Round regions whose corner rows change with the width of the box: a
    corner of one size must cut the same rows into every box wider than it,
    and where the reference's do not, its corner rows come from memory it
    never wrote (its elliptic regions of that size show arbitrary spans
    there). Every region with such a corner size is left out."""
    seen = {}
    for key, result in ref.items():
        if key.startswith("CreateRoundRectRgn|"):
            corner, width, rows = corner_rows(key, result)
            if width > corner[0]:
                seen.setdefault(corner, set()).add(rows)
    bad = {c for c, rows in seen.items() if len(rows) > 1}
    return {k for k, v in ref.items() if k.startswith("CreateRoundRectRgn|") and corner_rows(k, v)[0] in bad}


def equal_by_rows(key, ours, ref):
    """EqualRgn on two regions with the same pixels (their XOR is empty in
    the reference too) that the reference calls unequal: it compares its
    rectangle lists, which keep rows of equal spans apart. Counted with the
    complexity differences, not required."""
    return key.startswith("EqualRgn|") and ours is not None and ref.endswith(" xor=0") and ours.endswith(" xor=0")


def read_list(path):
    if not path:
        return set()
    try:
        with open(path) as f:
            return {l.strip() for l in f if l.strip() and not l.startswith("#")}
    except FileNotFoundError:
        return set()


def main():
    p = argparse.ArgumentParser()
    p.add_argument("ours")
    p.add_argument("refs", nargs="+")
    p.add_argument("--known", help="cases known to vary between reference runs")
    p.add_argument("--show", type=int, default=3, help="differing cases shown per call")
    p.add_argument("--write-known", action="store_true", help="add newly seen varying cases to --known")
    a = p.parse_args()

    ours = read(a.ours)
    refs = [read(r) for r in a.refs]
    known = read_list(a.known)
    varying = {k for k in refs[0] if any(r.get(k) != refs[0][k] for r in refs[1:])}
    broken = {k for k, v in refs[0].items() if k not in varying and (ill_formed(v) or drawn_outside(k, v))}
    broken |= unwritten_corners(refs[0]) - varying
    left_out = varying | known | broken

    stats = OrderedDict()
    failures = 0
    for key, ref in refs[0].items():
        call = key.split("|", 1)[0]
        s = stats.setdefault(call, {"cases": 0, "same": 0, "differ": 0, "left_out": 0, "kind": 0,
                                    "shown": []})
        s["cases"] += 1
        if key in left_out:
            s["left_out"] += 1
            continue
        mine = ours.get(key)
        if mine is not None and (complexity_free(mine) == complexity_free(ref) or equal_by_rows(key, mine, ref)):
            s["same"] += 1
            if mine != ref:
                s["kind"] += 1
            continue
        s["differ"] += 1
        failures += 1
        if len(s["shown"]) < a.show:
            s["shown"].append((key, ref, mine))
    extra = [k for k in ours if k not in refs[0]]

    print("%-20s %7s %9s %7s %9s %13s" % ("call", "cases", "identical", "differ", "left out", "kind differs"))
    for call, s in stats.items():
        print("%-20s %7d %9d %7d %9d %13d" % (call, s["cases"], s["same"], s["differ"], s["left_out"], s["kind"]))
    for call, s in stats.items():
        for key, ref, mine in s["shown"]:
            print("\n%s\n  reference: %s\n  ours:      %s" % (key, ref, mine if mine is not None else "(missing)"))
    if varying:
        print("\n%d cases vary between the %d reference runs; left out:" % (len(varying), len(refs)))
        for k in sorted(varying):
            print("  " + k)
    if broken:
        print("\n%d cases the reference answers with rows it never filled in (empty spans, spans or pixels"
              " outside the box, corner rows that change with the box); left out" % len(broken))
    new = sorted(varying - known)
    if a.known and a.write_known and new:
        with open(a.known, "a") as f:
            for k in new:
                f.write(k + "\n")
    if extra:
        print("\n%d cases only in ours, e.g. %s" % (len(extra), extra[0]))
        failures += len(extra)
    print("\n%s: %d differing cases outside the left-out ones" % ("FAIL" if failures else "OK", failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
