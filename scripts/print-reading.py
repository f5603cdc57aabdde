#!/usr/bin/env python3
"""Print the texts one reading shows, with a shape report and shared runs.

    scripts/print-reading.py virgo                  # Sun, Moon and midpoint in Virgo, first house
    scripts/print-reading.py virgo --sun cancer --moon scorpio --house 3
    scripts/print-reading.py --check                # every text: shape, shared runs, word counts

Lengths count what the program shows: UTF-16 code units with each line break
as CR LF. The required shapes (opening words, length, paragraph layout) are
read from tests/engine/content_test.cpp, so the table lives in one place.
"""
import argparse
import itertools
import re
import sys
from pathlib import Path

TOP = Path(__file__).resolve().parent.parent
CONTENT = TOP / "content"
SIGNS = ["aries", "taurus", "gemini", "cancer", "leo", "virgo",
         "libra", "scorpio", "sagittarius", "capricorn", "aquarius", "pisces"]
MIDPOINT_KINDS = ["general-traits", "positive-traits", "negative-traits", "personality"]
ORDINALS = ["First", "Second", "Third", "Fourth", "Fifth", "Sixth", "Seventh",
            "Eighth", "Ninth", "Tenth", "Eleventh", "Twelfth"]
RUN = 4  # words in a run that two texts of one reading must not share


def shapes():
    table = (TOP / "tests/engine/content_test.cpp").read_text(encoding="utf-8")
    rows = re.findall(r'\{"([^"]+\.txt)", "([^"]*)", (\d+), "([^"]*)"\}', table)
    return {path: (opening, int(length), layout) for path, opening, length, layout in rows}


def shown(path):
    """The text as the loader hands it on: LF turned into CR LF."""
    return (CONTENT / path).read_text(encoding="utf-8").replace("\n", "\r\n")


def layout_of(text):
    out = []
    for p, paragraph in enumerate(text.split("\r\n\r\n")):
        for l, line in enumerate(paragraph.split("\r\n")):
            out.append((";" if l else "/" if p else "") + str(len(line.encode("utf-16-le")) // 2))
    return "".join(out)


def words(text):
    return [w for w in re.split(r"[^\w]+", re.sub(r"['\u2018\u2019]", "", text.lower())) if w]


def kind(path):
    if path.startswith("midpoint/"):
        return "midpoint"
    return path.split("/")[0] + ("-general" if path.endswith("general.txt") else "")


def may_meet(a, b):
    """Two texts stand in one reading when they are of different kinds, or
    two of the four midpoint texts of one sign."""
    if kind(a) != kind(b):
        return True
    return kind(a) == "midpoint" and Path(a).stem == Path(b).stem and a != b


def runs(path, opening):
    w = words(shown(path))[len(words(opening)):]
    return {" ".join(w[i:i + RUN]) for i in range(len(w) - RUN + 1)}


def shared_runs(paths, table):
    grams = {p: runs(p, table[p][0]) for p in paths}
    found = []
    for a, b in itertools.combinations(paths, 2):
        if may_meet(a, b):
            common = grams[a] & grams[b]
            if common:
                found.append((a, b, sorted(common)))
    return found


def shape_line(path, table):
    opening, length, layout = table[path]
    text = shown(path)
    delta = len(text.encode("utf-16-le")) // 2 - length
    notes = []
    if not text.startswith(opening):
        notes.append("opening changed")
    if layout_of(text) != layout:
        have, want = re.findall(r"\d+", layout_of(text)), re.findall(r"\d+", layout)
        if len(have) == len(want):
            notes.append("paragraphs " + " ".join(f"{int(h) - int(w):+d}" for h, w in zip(have, want)))
        else:
            notes.append(f"layout {layout_of(text)} wanted {layout}")
    bad = sorted({c for c in text if not (" " <= c <= "~" or c in "\r\n")
                  and (path.startswith("houses/") or c not in "\u2018\u2019\u00e7")
                  and not (path == "houses/05.txt" and c == "\u00e9")})
    if bad:
        notes.append("characters " + " ".join(f"U+{ord(c):04X}" for c in bad))
    mark = "ok " if delta == 0 and not notes else "!! "
    return f"{mark}{path:42} {delta:+5d}  {'; '.join(notes)}"


def counts(paths):
    every = "\n".join(shown(p) for p in paths)
    positive = [shown(p) for p in paths if "/positive-traits/" in p]
    you_are = sum(len(re.findall(r"(?:^|[.!?]\s+)You are\b", t)) for t in positive)
    return (f"'rather than': {len(re.findall(r'(?i)rather than', every))} (at most 15)   "
            f"'façade': {every.count('façade')} (at most 2)   "
            f"'You are' sentences in positive texts: {you_are}")


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("sign", nargs="?", help="midpoint sign (and Sun and Moon sign unless given)")
    parser.add_argument("--sun")
    parser.add_argument("--moon")
    parser.add_argument("--house", type=int, default=1)
    parser.add_argument("--check", action="store_true", help="report on every text, print none")
    args = parser.parse_args()
    table = shapes()
    if args.check or not args.sign:
        paths = list(table)
        for p in paths:
            print(shape_line(p, table))
    else:
        sign = args.sign.lower()
        paths = ["sun/general.txt", f"sun/{(args.sun or sign).lower()}.txt",
                 "moon/general.txt", f"moon/{(args.moon or sign).lower()}.txt"]
        paths += [f"midpoint/{k}/{sign}.txt" for k in MIDPOINT_KINDS]
        paths.append(f"houses/{args.house:02d}.txt")
        for p in paths:
            heading = f"More About {ORDINALS[args.house - 1]} House" if p.startswith("houses/") else p
            print(f"==== {heading}\n{shown(p).replace(chr(13), '')}\n")
        for p in paths:
            print(shape_line(p, table))
    found = shared_runs(paths, table)
    for a, b, common in found:
        print(f"shared: {a} | {b}: " + " / ".join(common))
    print(f"{len(found)} pairs share a run of {RUN} words.   " + counts(list(table)))
    return 1 if found or any(not shape_line(p, table).startswith("ok") for p in paths) else 0


if __name__ == "__main__":
    sys.exit(main())
