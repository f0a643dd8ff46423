#!/usr/bin/env python3
"""Checks the build graph against the sources: a file under src/<folder>/ may
include another folder's header only when its target links that folder's
target directly, and no core folder (every folder but gui) includes Qt.
Exits non-zero and names each offending include."""
import re
import sys
from pathlib import Path

SRC = Path(__file__).resolve().parents[1] / "src"
LINK = re.compile(r"target_link_libraries\(\s*(varnesk_\w+)([^)]*)\)", re.S)
INCLUDE = re.compile(r'^\s*#\s*include\s*[<"]([^>"]+)[>"]', re.M)


def linked_folders(folder):
    """The folders whose targets folder's own target links."""
    text = (folder / "CMakeLists.txt").read_text(encoding="utf-8")
    linked = set()
    for target, rest in LINK.findall(text):
        if target == f"varnesk_{folder.name}":
            linked.update(name[len("varnesk_"):] for name in re.findall(r"varnesk_\w+", rest))
    return linked


def main():
    folders = sorted(p for p in SRC.iterdir() if (p / "CMakeLists.txt").exists())
    names = {f.name for f in folders}
    faults = []
    for folder in folders:
        allowed = linked_folders(folder) | {folder.name}
        for source in sorted(folder.glob("*.[ch]*")):
            for header in INCLUDE.findall(source.read_text(encoding="utf-8")):
                where = f"{source.relative_to(SRC.parent)}: {header}"
                top = header.split("/")[0]
                if "/" in header and top in names and top not in allowed:
                    faults.append(f"{where} (varnesk_{folder.name} does not link varnesk_{top})")
                if folder.name != "gui" and (header.startswith("Q") or header.startswith("qt")):
                    faults.append(f"{where} (a core folder includes Qt)")
    for fault in faults:
        print(fault)
    print(f"{len(folders)} folders checked, {len(faults)} faults")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
