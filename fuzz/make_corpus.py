#!/usr/bin/env python3
"""Writes the fuzzers' seed corpora: valid class files, profiles, command lines and texts."""
import os
import struct
import zlib

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


def length(n):
    if n < 0xFF:
        return bytes([n])
    if n < 0xFFFE:
        return b"\xff" + struct.pack("<H", n)
    return b"\xff\xff\xff" + struct.pack("<I", n)


def wide(s):
    units = s.encode("utf-16-le")
    return b"\xff\xfe\xff" + length(len(units) // 2) + units


def record(title, description, points, last, scores):
    return text(title) + text(description) + f64(points) + i32(last) + b"".join(map(f64, scores))


def class_file(first, last, ids, records, books, phones, grades, reserved):
    n = len(first)
    return (i32(n) + i32(len(records)) + b"".join(first) + b"".join(last) + b"".join(ids)
            + b"".join(records) + b"".join(books) + b"".join(phones) + b"".join(grades)
            + b"".join(reserved))


def policy_block(records):
    """The grading policy block: tag, version, body length, CRC-32, tagged records."""
    body = b"".join(struct.pack("<HI", tag, len(payload)) + payload for tag, payload in records)
    return b"MKWPOLCY" + struct.pack("<III", 1, len(body), zlib.crc32(body)) + body


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
    # Names in several scripts, a surrogate pair, and wide texts at each prefix size.
    "wide_names.mkw": class_file(
        [wide("Nguy\u1ec5n"), wide("\u0141ukasz"), wide("\u738b\u82b3")],
        [wide("Dvo\u0159\u00e1k"), wide("\u014ce"), wide("\u0418\u0432\u0430\u043d\u043e\u0432\u0430")],
        plain(["\u00d6zdemir", "2", "3"]), [record("Quiz", "", 10.0, 2, [9.5, 8, 7])],
        [wide("\U0001F600")] * 3, [wide("\u0141" * 300)] * 3, [wide("\u738b" * 65534)] + plain(["", ""]),
        plain([""] * 30)),
    # The longest texts: a 32-bit length prefix and the largest 16-bit one.
    "long_texts.mkw": class_file(
        plain(["A" * 65534]), plain(["B" * 65533]), plain(["7"]),
        [record("Essay", "d" * 0xFE, 10.0, 0, [9.0])],
        plain([""]), plain([""]), plain([""]), plain([""] * 10)),
}
# The leftovers class with two categories, a drop, an excused score, missing work and a
# record of a later version.
CORPUS["policy.mkw"] = CORPUS["leftovers.mkw"] + policy_block([
    (1, struct.pack("<I", 2) + text("Tests") + f64(60) + i32(1) + text("Labs") + f64(40) + i32(0)),
    (2, struct.pack("<I", 2) + bytes([0, 1])),
    (3, struct.pack("<I", 2) + struct.pack("<HHB", 0, 2, 1) + struct.pack("<HHB", 1, 0, 2)),
    (9, b"later"),
])
CORPUS = {"file_reader/" + name: data for name, data in CORPUS.items()}

CORPUS.update({
    "profile/typical.ini": b"[Grade Cutoffs]\nA+=97\nA=93\nA-=90\nB+=87\nB=83\nB-=80\n"
                           b"C+=77\nC=73\nC-=70\nD+=67\nD=63\nD-=60\n\n[Recent File List]\n"
                           b"File1=/home/t/Period3.MKW\nFile2=/home/t/Period4.MKW\n",
    "profile/bad_values.ini": b"; edited by hand\n[Grade Cutoffs]\nA+=abc\nA=NaN\nB=1e308\nC=\n"
                              b"D= 61 \n[Other]\nkey=value\n",
    "profile/nul.ini": b"[Window]\nname=a\0b\n[Grade Cutoffs]\nA+=98\n",
    "cli_args/grades.txt": b"grades\0class.mkw\0--cutoffs=100,94,90,87,84,80,77,73,70,67,64,60",
    "cli_args/summary.txt": b"summary\0--first-included\x002\0--assignment\x003\0class.mkw",
    "cli_args/sort.txt": b"sort\0class.mkw\0--by\0assignment:2\0-o\0out.mkw",
    "cli_args/resave.txt": b"resave\0class.mkw\0-o\0out.mkw",
    "encoding/cp1252.txt": bytes(range(256)),
    "encoding/utf8.txt": "Zo\u00eb \u20ac \U0001F600 caf\u00e9".encode("utf-8"),
})

if __name__ == "__main__":
    folder = os.path.join(os.path.dirname(os.path.abspath(__file__)), "corpus")
    os.makedirs(folder, exist_ok=True)
    for name, data in CORPUS.items():
        os.makedirs(os.path.dirname(os.path.join(folder, name)), exist_ok=True)
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
