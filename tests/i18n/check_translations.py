#!/usr/bin/env python3
"""Every text the window can show has a translation in every translations/quelmar_*.ts.

The catalogue is first brought up to date with the sources, as lupdate would (into a
scratch copy, so the check sees texts added since the last lupdate); then each message
must have a finished translation that keeps the placeholders of its source (%1, %2 ...
in the same order, none dropped, none added) and, for a source shared by several tables,
the same translation in each (the window looks a text up by its English words).

    check_translations.py SOURCE_DIR [LUPDATE]

Exit 0 when all hold, 1 with one line a fault otherwise.
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

SCANNED = ["app", "ui", "widgets", "db", "link"]
PLACE = re.compile(r"%(\d)")


def text_of(node):
    if node is None:
        return None
    return "".join(node.itertext())


def refreshed(source_dir, ts, lupdate):
    """A copy of the catalogue with the sources' texts merged in (None without lupdate)."""
    if not lupdate:
        return None
    scratch = tempfile.mkdtemp(prefix="quelmar-ts-")
    copy = os.path.join(scratch, os.path.basename(ts))
    shutil.copy(ts, copy)
    run = subprocess.run([lupdate, "-silent", "-locations", "none", "-no-obsolete", *SCANNED, "-ts", copy],
                         cwd=source_dir, capture_output=True, text=True)
    if run.returncode != 0:
        sys.stderr.write(run.stdout + run.stderr)
        raise SystemExit("lupdate failed")
    return copy


def faults(path):
    out = []
    shared = {}
    root = ET.parse(path).getroot()
    for context in root.findall("context"):
        name = text_of(context.find("name"))
        for message in context.findall("message"):
            source = text_of(message.find("source"))
            node = message.find("translation")
            where = "%s %r" % (name, source)
            if node is None or node.get("type") in ("unfinished", "vanished", "obsolete") or not text_of(node):
                out.append("untranslated: " + where)
                continue
            translation = text_of(node)
            want, got = PLACE.findall(source), PLACE.findall(translation)
            if want != got:
                out.append("placeholders %s became %s: %s -> %r" % ("".join(want) or "-", "".join(got) or "-",
                                                                   where, translation))
            earlier = shared.setdefault(source, (name, translation))
            if earlier[1] != translation:
                out.append("%r reads %r in %s but %r in %s" % (source, earlier[1], earlier[0], translation, name))
    return out


def main():
    source_dir = sys.argv[1]
    lupdate = sys.argv[2] if len(sys.argv) > 2 else shutil.which("lupdate")
    folder = os.path.join(source_dir, "translations")
    catalogues = sorted(f for f in os.listdir(folder) if f.startswith("quelmar_") and f.endswith(".ts"))
    if not catalogues:
        print("no translations/quelmar_*.ts")
        return 1
    found = []
    for ts in catalogues:
        path = os.path.join(folder, ts)
        fresh = refreshed(source_dir, path, lupdate)
        found += ["%s: %s" % (ts, f) for f in faults(fresh or path)]
        if fresh:
            shutil.rmtree(os.path.dirname(fresh))
    for f in found:
        print(f)
    if found:
        print("%d faults; refresh with `cmake --build build/dev --target update_translations`, then translate "
              "in Qt Linguist (see README, Translations)" % len(found))
    return 1 if found else 0


if __name__ == "__main__":
    sys.exit(main())
