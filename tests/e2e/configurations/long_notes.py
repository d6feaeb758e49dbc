#!/usr/bin/env python3
"""Writes a configuration with about a megabyte of notes to the named file:
two short paragraphs, each ended by an empty notes line, then one long
paragraph without empty notes lines.

Usage: python3 long_notes.py OUT
"""
import sys

SENTENCE = "Merle is incompletely dominant: a merle mated to a merle gives double merles, mostly white."

lines = [
    "desc Notes of a megabyte",
    "version 0.1",
    "notes First paragraph.",
    "notes",
    "notes Second paragraph",
    "notes written on two lines.",
    "notes",
]
size = 0
while size < 1000000:
    lines.append("notes " + SENTENCE)
    size += len(SENTENCE) + 1
lines += [
    "notes The end of the notes.",
    "",
    "[genes Test]",
    "sexsystem xy",
    "coatcolourgene B B, b",
    "B,B assumed",
    "always goto Standard",
    "",
    "[rules Standard]",
    "baseon Test",
    "B,- say Black",
    "b,b say Brown",
]
with open(sys.argv[1], "w", newline="\n") as out:
    out.write("\n".join(lines) + "\n")
