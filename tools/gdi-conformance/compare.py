#!/usr/bin/env python3
"""Compares our platform's gdi-conformance output with the reference's.

    compare.py OURS REF [REF...] [--known FILE] [--open FILE] [--show N]
               [--write-known] [--write-open]

Each line is "call|arguments|result". Cases whose result differs between the
reference runs, or that the --known file lists, are nondeterministic in the
reference: they are listed and left out, and so are regions the reference
reports with rows it never filled in (empty spans, spans outside its box). The --open file lists differences
that are known and not yet mended; they are counted apart. The complexity a
region reports ("kind=", and SIMPLEREGION against COMPLEXREGION in a
"ret=") is counted apart and not required to match. Exit
status 1 when any other case differs or is missing.
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
    p.add_argument("--open", help="differences known and not yet mended")
    p.add_argument("--write-open", action="store_true", help="rewrite --open with the differences seen now")
    a = p.parse_args()

    ours = read(a.ours)
    refs = [read(r) for r in a.refs]
    known = read_list(a.known)
    open_cases = set() if a.write_open else read_list(a.open)
    varying = {k for k in refs[0] if any(r.get(k) != refs[0][k] for r in refs[1:])}
    broken = {k for k, v in refs[0].items() if k not in varying and ill_formed(v)}
    left_out = varying | known | broken

    stats = OrderedDict()
    failures = 0
    differing, mended = [], []
    for key, ref in refs[0].items():
        call = key.split("|", 1)[0]
        s = stats.setdefault(call, {"cases": 0, "same": 0, "differ": 0, "open": 0, "left_out": 0, "kind": 0,
                                    "shown": []})
        s["cases"] += 1
        if key in left_out:
            s["left_out"] += 1
            continue
        mine = ours.get(key)
        if mine is not None and complexity_free(mine) == complexity_free(ref):
            s["same"] += 1
            if mine != ref:
                s["kind"] += 1
            if key in open_cases:
                mended.append(key)
            continue
        differing.append(key)
        if key in open_cases:
            s["open"] += 1
            continue
        s["differ"] += 1
        failures += 1
        if len(s["shown"]) < a.show:
            s["shown"].append((key, ref, mine))
    extra = [k for k in ours if k not in refs[0]]

    print("%-20s %7s %9s %7s %7s %9s %13s" % ("call", "cases", "identical", "differ", "open", "left out",
                                               "kind differs"))
    for call, s in stats.items():
        print("%-20s %7d %9d %7d %7d %9d %13d" % (call, s["cases"], s["same"], s["differ"], s["open"],
                                                  s["left_out"], s["kind"]))
    for call, s in stats.items():
        for key, ref, mine in s["shown"]:
            print("\n%s\n  reference: %s\n  ours:      %s" % (key, ref, mine if mine is not None else "(missing)"))
    if varying:
        print("\n%d cases vary between the %d reference runs; left out:" % (len(varying), len(refs)))
        for k in sorted(varying):
            print("  " + k)
    if broken:
        print("\n%d cases the reference answers with rows it never filled in; left out" % len(broken))
    new = sorted(varying - known)
    if a.known and a.write_known and new:
        with open(a.known, "a") as f:
            for k in new:
                f.write(k + "\n")
    if mended:
        print("\n%d cases of the open list are identical now; drop them from it" % len(mended))
    if a.open and a.write_open:
        with open(a.open, "w") as f:
            f.write("# Differences from the reference not mended yet; compare.py --write-open rewrites this.\n")
            for k in differing:
                f.write(k + "\n")
    if extra:
        print("\n%d cases only in ours, e.g. %s" % (len(extra), extra[0]))
        failures += len(extra)
    print("\n%s: %d differing cases outside the left-out ones" % ("FAIL" if failures else "OK", failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
