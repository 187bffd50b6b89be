#!/usr/bin/env python3
"""Checks every #include of src/ against the layer table of docs/architecture.md.

A library may include its own folder and the folders its row names in the
"May include" column ("core" is base, settings, calc, xls and project; "the
core below it" the part of them listed before the library; "everything above"
every library of an earlier row). Qt headers are allowed where the row names Qt. Another
library's internal/ or detail/ folder is never included from outside it. Inside project/,
each folder may include the folders its row of the second table names; a file of
project/ stands in one of those folders (or at its top, as workspace.h).
Prints each wrong-way include as FILE:LINE and exits 1 when there is one.
"""
import pathlib
import re
import sys

ROOT = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).resolve().parent.parent)
SRC = ROOT / "src"


CORE = ["base", "settings", "calc", "xls", "project"]


def read_table():
    """{library: (folders it may include, Qt allowed, the one xls header allowed)} from
    the "May include" column of the architecture page's layer table."""
    rows = []
    for line in (ROOT / "docs" / "architecture.md").read_text(encoding="utf-8").splitlines():
        m = re.match(r"\|\s*`orv_(\w+)`\s*\|[^|]*\|([^|]*)\|", line)
        if m:
            rows.append((m.group(1), m.group(2).strip()))
    table = {}
    for index, (lib, text) in enumerate(rows):
        folders, qt, xls_only = {lib}, "Qt" in text, None
        if "everything above" in text:
            folders |= {above for above, _ in rows[:index]}
            qt = True
        if "the core below it" in text:
            folders |= set(CORE[:CORE.index(lib)])
        elif re.search(r"\bcore\b", text):
            folders |= set(CORE)
        only = re.search(r"of `(\w+)` only `([^`]+)`", text)
        if only:
            folders.add(only.group(1))
            xls_only = only.group(2)
            text = text.replace(only.group(0), "")
        folders |= {word for word, _ in rows if re.search(rf"\b{word}\b", text)}
        table[lib] = (folders, qt, xls_only)
    return table


def read_project_folders():
    """{folder of project/: folders of project/ it may include} from the architecture
    page's table of project's folders."""
    table = {}
    for line in (ROOT / "docs" / "architecture.md").read_text(encoding="utf-8").splitlines():
        m = re.match(r"\|\s*`project/(\w+)/`\s*\|[^|]*\|([^|]*)\|", line)
        if m:
            table[m.group(1)] = set(re.findall(r"\w+", m.group(2)))
    return table


def project_folder_faults(path, where, header, folders):
    """The wrong-way include of `header` from `path` inside project/, if it is one."""
    parts = path.relative_to(SRC).parts
    if parts[0] != "project" or len(parts) < 3 or not header.startswith("project/"):
        return []
    target = pathlib.PurePosixPath(header).parts
    own, other = parts[1], target[1] if len(target) > 2 else None
    if other is not None and other not in folders.get(own, set()):
        return [f"{where} (project/{own}/ may not include project/{other}/)"]
    return []


def library_of(path):
    """The library a source file belongs to: platform/common -> platform_common."""
    parts = path.relative_to(SRC).parts
    if len(parts) == 1:
        return None  # main.cpp and cli_main.cpp put the program together
    if parts[0] in ("platform", "cli") and len(parts) > 2 and parts[1] in ("common", "win32", "pictures"):
        return f"{parts[0]}_{parts[1]}"
    return parts[0]


def check():
    allowed = read_table()
    project_folders = read_project_folders()
    faults = []
    for path in sorted(SRC.rglob("*")):
        if path.suffix not in (".h", ".cpp"):
            continue
        lib = library_of(path)
        if lib is None:
            continue
        if lib not in allowed:
            faults.append(f"{path.relative_to(ROOT)}: library orv_{lib} is not in docs/architecture.md")
            continue
        parts = path.relative_to(SRC).parts
        if lib == "project" and len(parts) > 2 and parts[1] not in project_folders:
            faults.append(f"{path.relative_to(ROOT)}: folder project/{parts[1]}/ is not in docs/architecture.md")
        folders, qt, xls_only = allowed[lib]
        own_root = path.relative_to(SRC).parts[0]
        for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
            m = re.match(r'\s*#\s*include\s*([<"])([^>"]+)[>"]', line)
            if not m:
                continue
            header = m.group(2)
            where = f"{path.relative_to(ROOT)}:{number}: {header}"
            if header.startswith("Q") and m.group(1) == "<":
                if not qt:
                    faults.append(f"{where} (Qt in orv_{lib})")
                continue
            if m.group(1) == "<" or "/" not in header:
                continue
            target = library_of(SRC / header)
            if target is None or not (SRC / header).exists():
                continue
            if target not in folders:
                faults.append(f"{where} (orv_{lib} may not include orv_{target})")
            elif target == "xls" and xls_only and lib != "xls" and header != xls_only:
                faults.append(f"{where} (orv_{lib} may include only {xls_only} of orv_xls)")
            faults += project_folder_faults(path, where, header, project_folders)
            hidden = re.search(r"/(internal|detail)/", header)
            if hidden and SRC.joinpath(header).parts[len(SRC.parts)] != own_root:
                faults.append(f"{where} (inside of another library)")
    return faults


if __name__ == "__main__":
    found = check()
    for fault in found:
        print(fault)
    sys.exit(1 if found else 0)
