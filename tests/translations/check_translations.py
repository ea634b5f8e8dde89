#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks the translation sources against the code.

For each .ts file: lupdate, run over the sources into a copy, must find
exactly the messages the file holds (none new, none vanished); and every
message must have a finished translation that keeps the source's
placeholders (%1...), its access key (&), its trailing "..." and its
line breaks. Prints each fault; exit status 1 when there is one.
"""
import argparse
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET
from pathlib import Path


def messages(path):
    """(context, source) -> (translation, type) of every message of a .ts file."""
    # lupdate writes a carriage return as <byte value="xd"/>.
    text = Path(path).read_text(encoding="utf-8").replace('<byte value="xd"/>', "&#13;")
    out = {}
    for context in ET.fromstring(text).iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            translation = message.find("translation")
            out[(name, message.findtext("source"))] = (translation.text or "", translation.get("type"))
    return out


def faults_of_translation(source, translation):
    faults = []
    if not translation.strip():
        return ["no translation"]
    if sorted(re.findall(r"%\d", source)) != sorted(re.findall(r"%\d", translation)):
        faults.append("placeholders differ")
    if source.replace("&&", "").count("&") != translation.replace("&&", "").count("&"):
        faults.append("access keys differ")
    if source.endswith("...") != translation.endswith("..."):
        faults.append('trailing "..." differs')
    if source.count("\n") != translation.count("\n"):
        faults.append("line breaks differ")
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate", required=True)
    parser.add_argument("--sources", nargs="+", required=True)
    parser.add_argument("--ts", nargs="+", required=True)
    args = parser.parse_args()

    faults = []
    for ts in args.ts:
        have = messages(ts)
        if not have:
            faults.append(f"{ts}: no messages")
        with tempfile.TemporaryDirectory() as tmp:
            copy = Path(tmp) / Path(ts).name
            shutil.copy(ts, copy)
            subprocess.run([args.lupdate, "-silent", "-locations", "none", "-extensions", "cpp,h", *args.sources,
                            "-ts", str(copy)], check=True, stdout=subprocess.DEVNULL)
            fresh = messages(copy)
        for key in fresh.keys() - have.keys():
            faults.append(f"{ts}: not in the file: [{key[0]}] {key[1]!r}")
        for key, (translation, kind) in fresh.items():
            if kind in ("vanished", "obsolete"):
                faults.append(f"{ts}: no longer in the code: [{key[0]}] {key[1]!r}")
            elif kind == "unfinished":
                faults.append(f"{ts}: unfinished: [{key[0]}] {key[1]!r}")
            for fault in faults_of_translation(key[1], translation):
                faults.append(f"{ts}: {fault}: [{key[0]}] {key[1]!r} -> {translation!r}")
    for fault in faults:
        print(fault)
    print(f"{len(args.ts)} translation files checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
