#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
"""Checks each translated help against the English one and the interface.

For every help/<lang>/ folder: the same pages as the English help, each in
its language (<html lang>), with the same links and anchors in the same
order, and naming every menu command exactly as that language's interface
shows it (the .ts translation, access key removed). Prints each fault; exit
status 1 when there is one.
"""
import argparse
import re
import sys
import xml.etree.ElementTree as ET
from pathlib import Path

# The menu commands the help names, as (context, source) of the interface.
MENU = [
    ("kestrin::ui::MainWindow", "File"), ("kestrin::ui::MainWindow", "New"),
    ("kestrin::ui::MainWindow", "Open Article..."), ("kestrin::ui::MainWindow", "Save Article"),
    ("kestrin::ui::MainWindow", "Save Article As..."), ("kestrin::ui::MainWindow", "Recent Articles"),
    ("kestrin::ui::MainWindow", "Import from Mission or Addon..."),
    ("kestrin::ui::MainWindow", "Minimize"), ("kestrin::ui::MainWindow", "Exit"),
    ("kestrin::ui::MainWindow", "Create"), ("kestrin::ui::MainWindow", "Help"),
    ("kestrin::ui::MainWindow", "Help Contents"), ("kestrin::ui::MainWindow", "About"),
    ("kestrin::ui::PublishCommands", "Preview ReadMe..."), ("kestrin::ui::PublishCommands", "Export"),
    ("kestrin::ui::PublishCommands", "Copy as BBCode"),
    ("WindowLayout", "Basic data"), ("WindowLayout", "Requirements"), ("WindowLayout", "Installation"),
    ("WindowLayout", "Details"), ("WindowLayout", "Credits"), ("Controls", "Allow"),
    ("Controls", "None - official only"), ("Controls", "User defined"), ("Controls", "Own description"),
]
LINK = re.compile(r'(?:href|src|name)\s*=\s*"([^"]*)"', re.IGNORECASE)


def translations(ts):
    out = {}
    for context in ET.parse(ts).getroot().iter("context"):
        for message in context.iter("message"):
            out[(context.findtext("name"), message.findtext("source"))] = message.findtext("translation") or ""
    return out


def pages(folder):
    """The pages of one help: those of its own, not of a translation's folder inside it."""
    own = []
    for p in folder.rglob("*.html"):
        rel = p.relative_to(folder)
        if not (folder / rel.parts[0] / "Kestrin_Editor_Help.hhp").is_file():
            own.append(rel.as_posix())
    return sorted(own)


def check(help_dir, ts_dir):
    faults = []
    english = help_dir
    english_pages = pages(english)
    english_text = "".join((english / p).read_text(encoding="utf-8") for p in english_pages)
    for source in {s for _, s in MENU}:
        if source not in english_text:
            faults.append(f"the English help does not name {source!r}")
    languages = sorted(d.name for d in help_dir.iterdir() if (d / "Kestrin_Editor_Help.hhp").is_file())
    if not languages:
        faults.append("no translated help found")
    for lang in languages:
        folder = help_dir / lang
        if pages(folder) != [p for p in english_pages]:
            faults.append(f"{lang}: pages differ from the English help: {pages(folder)}")
            continue
        text = ""
        for page in english_pages:
            translated = (folder / page).read_text(encoding="utf-8")
            text += translated
            if f'<html lang="{lang}">' not in translated:
                faults.append(f"{lang}/{page}: not marked as {lang}")
            ours = LINK.findall(translated)
            theirs = LINK.findall((english / page).read_text(encoding="utf-8"))
            if ours != theirs:
                faults.append(f"{lang}/{page}: links differ from the English page: {ours} against {theirs}")
        tr = translations(ts_dir / f"kestrin_{lang}.ts")
        for key in MENU:
            shown = tr.get(key, "").replace("&", "")
            if not shown:
                faults.append(f"{lang}: the interface has no translation of {key[1]!r}")
            elif shown not in text:
                faults.append(f"{lang}: the help does not name {key[1]!r} as the interface shows it ({shown!r})")
    return faults


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--help-dir", type=Path, required=True)
    parser.add_argument("--ts-dir", type=Path, required=True)
    args = parser.parse_args()
    faults = check(args.help_dir, args.ts_dir)
    for fault in faults:
        print(fault)
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
