#!/usr/bin/python3
"""The translation catalogues are complete and up to date: lupdate, run over
the program's sources into a copy of each catalogue, finds no new text and
leaves every entry as it was, and no entry is unfinished, obsolete or
vanished. Prints lupdate's and lrelease's counts for each language.

usage: catalogue_test.py LUPDATE LRELEASE PROJECT_CMAKE GENERATE_SCRIPT OPTIONS TS_FILE..."""

import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET


def main():
    if len(sys.argv) < 7:
        print(__doc__, file=sys.stderr)
        return 2
    lupdate, lrelease, project, generate, options, *catalogues = sys.argv[1:]
    failures = []
    with tempfile.TemporaryDirectory(prefix="brinox-catalogues-") as scratch:
        json = os.path.join(scratch, "project.json")
        subprocess.run(["cmake", f"-DIN_FILE={project}", f"-DOUT_FILE={json}", "-P", generate],
                       check=True)
        for catalogue in catalogues:
            copy = os.path.join(scratch, os.path.basename(catalogue))
            shutil.copyfile(catalogue, copy)
            found = subprocess.run([lupdate, "-project", json, *re.split(r"[;\s]+", options), "-ts", copy],
                                   capture_output=True, text=True, check=True).stdout
            counts = re.search(r"Found (\d+) source text\(s\) \((\d+) new", found)
            built = subprocess.run([lrelease, copy, "-qm", copy + ".qm"], capture_output=True,
                                   text=True, check=True).stdout
            made = re.search(r"Generated .*", built)
            name = os.path.basename(catalogue)
            print(f"  {name}: lupdate found {counts.group(1)} texts, {counts.group(2)} new; "
                  f"lrelease: {made.group(0) if made else built.strip()}")
            if counts.group(2) != "0" or "obsolete" in found:
                failures.append(f"{name} is behind the code: {found.strip()}")
            with open(catalogue, "rb") as a, open(copy, "rb") as b:
                if a.read() != b.read():
                    failures.append(f"{name} changes when lupdate runs: update it "
                                    "(cmake --build <dir> --target update_translations)")
            for message in ET.parse(catalogue).getroot().iter("message"):
                kind = message.find("translation").get("type")
                if kind in ("unfinished", "obsolete", "vanished"):
                    failures.append(f"{name}: {kind}: {message.findtext('source')!r}")
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
