#!/usr/bin/env python3
"""Rewrites recorded-reference.txt from a comparison run:

    record.py [BUILD_DIR]     (default build; after compare.sh BUILD_DIR)

Keeps the reference's results of the cases we match (not nondeterministic,
not ill-formed, the same in every reference run): every case of most calls,
one in eight round rectangles and one in two ellipses, lines and combined
regions, so that the file stays small.
"""
import glob
import os
import sys

from compare import complexity_free, ill_formed

here = os.path.dirname(os.path.abspath(__file__))
out_dir = os.path.join(sys.argv[1] if len(sys.argv) > 1 else "build", "gdi-conformance")


def read(path):
    cases = {}
    with open(path) as f:
        for line in f:
            call, args, result = line.rstrip("\n").split("|", 2)
            cases[call + "|" + args] = result
    return cases


refs = [read(p) for p in sorted(glob.glob(os.path.join(out_dir, "reference-*.txt")))]
ours = read(os.path.join(out_dir, "ours.txt"))
with open(os.path.join(here, "nondeterministic.txt")) as f:
    skip = {l.strip() for l in f if l.strip() and not l.startswith("#")}
SAMPLE = {"CreateRoundRectRgn": 8, "CreateEllipticRgn": 2, "Ellipse": 2, "LineTo": 2, "CombineRgn": 2}
lines, seen = [], {}
for key, ref in refs[0].items():
    if key in skip or ill_formed(ref) or any(r.get(key) != ref for r in refs[1:]):
        continue
    if complexity_free(ours.get(key, "?")) != complexity_free(ref):
        continue
    call = key.split("|", 1)[0]
    seen[call] = seen.get(call, 0) + 1
    if seen[call] % SAMPLE.get(call, 1):
        continue
    lines.append(key + "|" + ref)
with open(os.path.join(here, "recorded-reference.txt"), "w") as f:
    f.write("# Reference results (64-bit Wine) of the cases our platform matches, a sample of each call;\n")
    f.write("# gdi-conformance --check compares with them in the ordinary tests (record.py writes this).\n")
    f.write("\n".join(lines) + "\n")
print("%d cases recorded" % len(lines))
