#!/usr/bin/env python3
"""Fills unfinished entries of a .ts file from a table of source -> translation.

Usage: fill-translations.py FILE.ts TABLE.tsv
TABLE holds one "source<TAB>translation" per line, with the texts as the .ts
writes them (&amp; for &). Entries it does not name stay unfinished.
"""
import re
import sys

ts, table = sys.argv[1], sys.argv[2]
wanted = {}
for line in open(table, encoding="utf-8"):
    line = line.rstrip("\n")
    if line and not line.startswith("#"):
        source, translation = line.split("\t")
        wanted[source] = translation

text = open(ts, encoding="utf-8").read()
pattern = re.compile(r'(<source>([^<]*)</source>\s*(?:<comment>[^<]*</comment>\s*|<extracomment>[^<]*</extracomment>\s*)*)'
                     r'<translation type="unfinished">([^<]*)</translation>', re.S)


def fill(match):
    source = match.group(2)
    if source not in wanted:
        return match.group(0)
    return f"{match.group(1)}<translation>{wanted[source]}</translation>"


text = pattern.sub(fill, text)
open(ts, "w", encoding="utf-8").write(text)
left = len(re.findall(r'type="unfinished"', text))
print(f"{left} unfinished left")
