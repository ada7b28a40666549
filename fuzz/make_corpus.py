#!/usr/bin/env python3
"""Writes the fuzzer's seed corpus: a few small, valid class files."""
import os
import struct

MISSING = -0.0001


def i32(v):
    return struct.pack("<i", v)


def f64(v):
    return struct.pack("<d", v)


def text(s):
    b = s.encode("cp1252")
    if len(b) < 0xFF:
        return bytes([len(b)]) + b
    if len(b) < 0xFFFE:
        return b"\xff" + struct.pack("<H", len(b)) + b
    return b"\xff\xff\xff" + struct.pack("<I", len(b)) + b


def wide(s):
    units = s.encode("utf-16-le")
    return b"\xff\xfe\xff" + bytes([len(units) // 2]) + units


def record(title, description, points, last, scores):
    return text(title) + text(description) + f64(points) + i32(last) + b"".join(map(f64, scores))


def class_file(first, last, ids, records, books, phones, grades, reserved):
    n = len(first)
    return (i32(n) + i32(len(records)) + b"".join(first) + b"".join(last) + b"".join(ids)
            + b"".join(records) + b"".join(books) + b"".join(phones) + b"".join(grades)
            + b"".join(reserved))


def plain(values):
    return [text(v) for v in values]


CORPUS = {
    "empty.mkw": class_file([], [], [], [], [], [], [], []),
    "worked_example.mkw": class_file(
        plain(["Ann"]), plain(["Lee"]), plain(["7"]), [record("Quiz", "", 10.0, 0, [9.5])],
        plain([""]), plain([""]), plain([""]), plain([""] * 10)),
    # Three students left of five: each record still stores five scores.
    "leftovers.mkw": class_file(
        plain(["Ann", "Bo", "Cy"]), plain(["Lee", "Ng", "Ray"]), plain(["1", "2", "3"]),
        [record("Test 1", "Chapter one", 20.0, 4, [18, 15.5, MISSING, 12, 19]),
         record("Lab", "", 5.0, -1, [])],
        plain(["B1", "", "B3"]), plain(["555-0101", "", ""]), plain(["10", "11", "10"]),
        plain(["note"] + [""] * 29)),
    "wide_string.mkw": class_file(
        [wide("Zo\u00eb \u20ac")], plain(["Lee"]), [wide("")],
        [record("T" * 300, "", 1.0, 0, [1.0])],
        plain([""]), plain([""]), plain([""]), plain([""] * 10)),
}

if __name__ == "__main__":
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, data in CORPUS.items():
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
