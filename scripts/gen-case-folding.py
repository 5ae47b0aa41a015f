#!/usr/bin/env python3
"""Prints the table of model/CaseFolding.cpp: Unicode's simple case folding (the mappings of
status C and S), as runs of code points that fold by the same distance, every one or every other
code point. Python's own Unicode data is used; rerun when the Unicode version moves on:
    scripts/gen-case-folding.py > /tmp/table.inc
"""
import unicodedata

folds = {}
for cp in range(0x110000):
    c = chr(cp)
    if unicodedata.category(c) in ('Cs', 'Cn'):
        continue
    full = c.casefold()
    if len(full) == 1:
        if full != c:
            folds[cp] = ord(full)
    else:  # a full folding of several characters: the simple one, where there is one
        lower = c.lower()
        if len(lower) == 1 and lower != c:
            folds[cp] = ord(lower)

runs = []  # first, last, distance, step
for cp, to in sorted(folds.items()):
    if runs:
        first, last, distance, step = runs[-1]
        if distance == to - cp and cp - last in (1, 2) and step in (0, cp - last):
            runs[-1] = (first, cp, distance, cp - last)
            continue
    runs.append((cp, cp, to - cp, 0))

print(f"// Unicode {unicodedata.unidata_version}, by scripts/gen-case-folding.py.")
for first, last, distance, step in runs:
    print(f"    {{0x{first:05X}, 0x{last:05X}, {distance}, {max(step, 1)}}},")
