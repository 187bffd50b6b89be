#!/usr/bin/env python3
"""`orvane calc PROJECT --catalog DAT --format json` on every example project,
in both languages, compared with the results committed in tests/data/calc_json/
(written by the Linux build with --update). Each example is also calculated
as a copy in a folder whose name, like the copy's and the catalogue's, is
Cyrillic and holds blanks. The same test runs the Linux build and, through
the emulator (Wine), the Windows build, so both must print the same results.

usage: calc_json_compare.py --program ORVANE [--emulator RUNNER] --source SRC
                            --catalog DAT --work DIR [--update]"""

import argparse
import json
import os
import shutil
import subprocess
import sys

CYRILLIC_FOLDER = "Проекты линий"
CYRILLIC_CATALOGUE = "Каталог проводов.dat"


def run_calc(args, project, catalogue, language):
    """The parsed JSON; project and catalogue relative to the work folder."""
    command = ([args.emulator] if args.emulator else []) + [
        args.program, "calc", project, "--catalog", catalogue, "--format", "json", "--lang", language]
    done = subprocess.run(command, cwd=args.work, capture_output=True, timeout=120)
    if done.returncode != 0:
        sys.exit(f"{' '.join(command)}: status {done.returncode}\n{done.stderr.decode(errors='replace')}")
    result = json.loads(done.stdout.decode("utf-8"))
    if result.get("project") != project:
        sys.exit(f"the output names the project {result.get('project')!r}, not {project!r}")
    del result["project"]
    return result


def differences(expected, actual, where="$"):
    """Where the two differ; numbers must be the same doubles."""
    if type(expected) is not type(actual):
        return [f"{where}: {expected!r} != {actual!r}"]
    if isinstance(expected, dict):
        if expected.keys() != actual.keys():
            return [f"{where}: keys {sorted(expected)} != {sorted(actual)}"]
        return [d for key in expected for d in differences(expected[key], actual[key], f"{where}.{key}")]
    if isinstance(expected, list):
        if len(expected) != len(actual):
            return [f"{where}: {len(expected)} items != {len(actual)}"]
        return [d for i, (e, a) in enumerate(zip(expected, actual)) for d in differences(e, a, f"{where}[{i}]")]
    return [] if expected == actual else [f"{where}: {expected!r} != {actual!r}"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--program", required=True)
    parser.add_argument("--emulator")
    parser.add_argument("--source", required=True)
    parser.add_argument("--catalog", required=True)
    parser.add_argument("--work", required=True)
    parser.add_argument("--update", action="store_true")
    args = parser.parse_args()
    args.program = os.path.abspath(args.program)

    shutil.rmtree(args.work, ignore_errors=True)
    folder = os.path.join(args.work, CYRILLIC_FOLDER)
    os.makedirs(folder)
    shutil.copyfile(args.catalog, os.path.join(args.work, "base_provod.dat"))
    shutil.copyfile(args.catalog, os.path.join(folder, CYRILLIC_CATALOGUE))
    examples = sorted(name for name in os.listdir(os.path.join(args.source, "examples")) if name.endswith(".orv"))
    if len(examples) < 2:
        sys.exit("fewer than two example projects")
    expected_folder = os.path.join(args.source, "tests", "data", "calc_json")
    failures = []
    for name in examples:
        stem = name[:-len(".orv")]
        shutil.copyfile(os.path.join(args.source, "examples", name), os.path.join(args.work, name))
        copy = f"Линия {stem} (копия).orv"
        shutil.copyfile(os.path.join(args.source, "examples", name), os.path.join(folder, copy))
        for language in ("en", "ru"):
            result = run_calc(args, name, "base_provod.dat", language)
            expected_path = os.path.join(expected_folder, f"{stem}.{language}.json")
            if args.update:
                with open(expected_path, "w", encoding="utf-8", newline="\n") as out:
                    json.dump(result, out, ensure_ascii=False, indent=1)
                    out.write("\n")
            with open(expected_path, encoding="utf-8") as source:
                expected = json.load(source)
            failures += [f"{name} ({language}): {d}" for d in differences(expected, result)]
            in_folder = run_calc(args, os.path.join(CYRILLIC_FOLDER, copy),
                                 os.path.join(CYRILLIC_FOLDER, CYRILLIC_CATALOGUE), language)
            failures += [f"{copy} ({language}): {d}" for d in differences(expected, in_folder)]
    if failures:
        sys.exit("results differ from the committed ones:\n" + "\n".join(failures[:40]))
    print(f"{len(examples)} example projects, both languages, also from a Cyrillic folder: same results")


if __name__ == "__main__":
    main()
