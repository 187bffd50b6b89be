#!/usr/bin/env python3
"""tools/check_includes.py on a small tree laid out like src/ under the real
layer table: it must name each wrong-way include and pass the right ones."""
import pathlib
import shutil
import subprocess
import sys
import tempfile

SOURCE = pathlib.Path(sys.argv[1])

# (file, its one include, whether that include is wrong)
CASES = [
    ("base/a.h", '"ui/desktop.h"', True),                  # the core looks up
    ("calc/a.cpp", "<QString>", True),                     # Qt in the core
    ("widgets/a.cpp", '"platform/qt_messages.h"', True),   # a sibling it does not link
    ("project/a.cpp", '"xls/internal/records.h"', True),   # xls beyond its face
    ("platform/win32/a.cpp", '"platform/qt_ports.h"', True),
    ("ui/a.cpp", '"project/model/project.h"', False),
    ("project/b.cpp", '"xls/workbook.h"', False),
    ("widgets/b.cpp", '"qt_text/qt_string.h"', False),
    ("project/model/a.cpp", '"project/results/x.h"', True),  # the data knows no view of it
    ("project/results/b.cpp", '"project/model/y.h"', False),
    ("project/c.h", '"project/report/z.h"', False),            # the top joins every folder
    ("project/loose/d.cpp", '"base/e.h"', True),               # a folder the page does not list
]


def main():
    with tempfile.TemporaryDirectory() as scratch:
        root = pathlib.Path(scratch)
        (root / "docs").mkdir()
        shutil.copy(SOURCE / "docs" / "architecture.md", root / "docs")
        targets = {include.strip('"') for _, include, _ in CASES if include.startswith('"')}
        for target in targets:
            (root / "src" / target).parent.mkdir(parents=True, exist_ok=True)
            (root / "src" / target).write_text("#pragma once\n", encoding="utf-8")
        for name, include, _ in CASES:
            (root / "src" / name).parent.mkdir(parents=True, exist_ok=True)
            (root / "src" / name).write_text(f"#include {include}\n", encoding="utf-8")
        run = subprocess.run([sys.executable, str(SOURCE / "tools" / "check_includes.py"), str(root)],
                             capture_output=True, text=True)
    named = {line.split(":")[0] for line in run.stdout.splitlines()}
    wrong = [name for name, _, faulty in CASES if (f"src/{name}" in named) != faulty]
    for name in wrong:
        print(f"check_includes.py misjudged src/{name}")
    sys.exit(1 if wrong or run.returncode != 1 else 0)


if __name__ == "__main__":
    main()
