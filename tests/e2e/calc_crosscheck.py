#!/usr/bin/env python3
"""Cross-checks `orvane calc --format json --explain` against the independent Python
calculation in calc_reference.py over generated projects: many supports with
random but plausible climates, wires and geometry, edge cases included; the
record of each support must name the same governing state and swing case.

usage: calc_crosscheck.py ORVANE [--projects N] [--supports M] [--seed S]"""

import argparse
import json
import math
import os
import random
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import calc_reference as ref  # noqa: E402

WIRES = [  # name, diameter mm, area mm2, weight kg/m, modulus daN/mm2, expansion 1/K
    ("W 35/6.2", 8.4, 43.1, 0.148, 8250, 19.2e-6),
    ("W 70/11", 11.4, 79.3, 0.276, 8250, 19.2e-6),
    ("W 120/19", 15.2, 136.8, 0.471, 8250, 19.2e-6),
    ("W 240/32", 21.6, 275.8, 0.921, 7700, 19.8e-6),
    ("W 400/51", 27.5, 445.1, 1.49, 7700, 19.8e-6),
    ("ROPE 50", 9.1, 48.6, 0.417, 18500, 12e-6),
    ("CABLE 12", 12.5, 65.0, 0.16, 13000, 6e-6),
]


def fmt(value):
    """A number as the project file holds it: the shortest text that reads back exactly."""
    if float(value).is_integer():
        return str(int(value))
    return repr(float(value))


def pick(rng, choices):
    return choices[rng.randrange(len(choices))]


def random_climate(rng):
    t_min = pick(rng, [-60, -55, -50, -45, -40, -35, -30])
    t_ice_no_wind = pick(rng, [-10, -5, -5, t_min, t_min - 1 if rng.random() < 0.05 else -5])
    return {"ice": pick(rng, [0, 5, 10, 15, 20, 25, 30]), "vmax": pick(rng, [0, 20.8, 25, 25.3, 27, 29, 29.6, 32, 34.8, 36, 40, 45]),
            "vice": pick(rng, [0, 10, 12.5, 16, 20]), "t_min": t_min, "t_max": 40, "t_ice_no_wind": t_ice_no_wind,
            "t_ice_wind": pick(rng, [-10, -5, 0]), "t_avg": pick(rng, [-5, 0, 3.5, 5])}


def random_coefs(rng):
    return {"wind": [pick(rng, [1, 1, 1.1]), pick(rng, [1, 1.2]), pick(rng, [1, 1.1])],
            "ice": [pick(rng, [1, 1.3]), pick(rng, [1, 1.1]), pick(rng, [1, 1.3]), pick(rng, [1, 0.5])],
            "height": pick(rng, [10, 15, 17, 23, 45, 120, 320]), "terrain": pick(rng, [1, 2, 3, 3, 0])}


def random_support(rng, number):
    wire = pick(rng, WIRES)
    mode = 1 if rng.random() < 0.3 else 0
    s_max = round(rng.uniform(6, 30), 2)
    s_avg = round(s_max * rng.uniform(0.4, 0.95), 2)
    span_l, span_r = round(rng.uniform(40, 450), 1), round(rng.uniform(40, 450), 1)
    if rng.random() < 0.2:
        span_r = span_l
    if rng.random() < 0.02:
        s_avg = s_max  # refused by the wire-mechanics checks
    if rng.random() < 0.01:
        span_l = 0  # a zero divisor
    span_eq = round((span_l + span_r) / 2 * rng.uniform(0.8, 1.2), 1)
    ground = [round(rng.uniform(90, 130), 1) for _ in range(3)]
    height = [pick(rng, [12, 15, 17.5, 20, 25]) for _ in range(3)]
    return {
        "number": str(number), "wire_name": wire[0], "wires": pick(rng, [1, 1, 2, 3]),
        "tension_mode": mode,
        "stress_max": s_max if mode == 0 else 0, "stress_avg": s_avg if mode == 0 else 0,
        "tension_max": int(s_max * wire[2]) if mode == 1 else 0,
        "tension_avg": int(s_avg * wire[2]) if mode == 1 else 0,
        "span_left": span_l, "span_right": span_r, "span_eq": span_eq, "ground": ground, "height": height,
        "turn": pick(rng, [0, 0, 0, 1, 2.5, 5, 10, 20]), "damper": pick(rng, [0, 1.6, 5, 8, 15]),
        "insulator": pick(rng, [0, 20, 35, 50, 80]), "alfa_p": pick(rng, [45, 50, 55, 60, 0 if rng.random() < 0.05 else 45]),
        "alfa_ab": pick(rng, [10, 15, 20, 0 if rng.random() < 0.05 else 15]), "alfa_bal": pick(rng, [15, 30, 60]),
        "deflection": pick(rng, [0, 1]),
    }


def project_text(climate, coefs, supports):
    c, k = climate, coefs
    lines = [c["t_ice_no_wind"], c["t_ice_wind"], c["t_max"], c["t_min"], c["ice"], c["t_avg"], c["vmax"],
             c["vice"], *k["wind"], *k["ice"]]
    lines = [fmt(v) for v in lines] + [str(k["height"]), str(k["terrain"]), str(len(supports))]
    for s in supports:
        lines += [s["number"], s["wire_name"], str(s["wires"]),
                  *[fmt(v) for v in s["ground"]], fmt(s["turn"]), fmt(s["span_left"]), fmt(s["span_right"]),
                  fmt(s["span_eq"]), fmt(s["damper"]), fmt(s["insulator"]),
                  f'{fmt(s["stress_max"])};{s["tension_max"]}', f'{fmt(s["stress_avg"])};{s["tension_avg"]}',
                  *[fmt(v) for v in s["height"]], fmt(s["alfa_p"]), fmt(s["alfa_ab"]), fmt(s["alfa_bal"]),
                  "0", str(s["deflection"])]
    return "".join(line + "\r\n" for line in lines).encode("cp1251")


def expected(support, climate, coefs):
    wire = next(w for w in WIRES if w[0] == support["wire_name"])
    record = {"diameter": wire[1], "area": wire[2], "weight": wire[3], "modulus": wire[4], "expansion": wire[5]}
    try:
        return ref.calculate(support, record, climate, coefs), None
    except ref.Refused:
        return {"verdict_key": None, "balancing_load": None, "min_weight_span": None,
                "vertical_load_min_temp": None}, None
    except (ZeroDivisionError, ValueError) as error:
        return None, str(error)


def close(a, b):
    if a is None or b is None:
        return a is b
    return math.isclose(a, b, rel_tol=1e-9, abs_tol=1e-9)


def compare(got, want, want_error, where):
    if want_error is not None:
        return [] if got["error"] else [f"{where}: expected an error ({want_error}), got {got}"]
    if got["error"]:
        return [f"{where}: unexpected error {got['error']!r}, expected {want}"]
    problems = []
    if got["verdict_key"] != want["verdict_key"]:
        problems.append(f"{where}: verdict {got['verdict_key']} != {want['verdict_key']}")
    for name in ("balancing_load", "min_weight_span", "vertical_load_min_temp"):
        if not close(got[name], want[name]):
            problems.append(f"{where}: {name} {got[name]!r} != {want[name]!r}")
    explain = got["explain"]
    for name in ("governing_state", "governing_rule", "swing_case", "ballast_case", "ballast_hung"):
        if name in want and explain[name] != want[name]:
            problems.append(f"{where}: explain {name} {explain[name]!r} != {want[name]!r}")
    return problems


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("orvane")
    parser.add_argument("--projects", type=int, default=40)
    parser.add_argument("--supports", type=int, default=25)
    parser.add_argument("--seed", type=int, default=20261207)
    args = parser.parse_args()
    rng = random.Random(args.seed)
    problems, checked = [], 0
    with tempfile.TemporaryDirectory() as folder:
        text = os.path.join(folder, "wires.txt")
        with open(text, "wb") as out:
            for w in WIRES:
                out.write((";".join([w[0]] + [fmt(v) for v in w[1:]] + ["1"]) + "\r\n").encode("cp1251"))
        catalog = os.path.join(folder, "wires.dat")
        subprocess.run([args.orvane, "catalog", "import", text, "-o", catalog], check=True)
        for p in range(args.projects):
            climate, coefs = random_climate(rng), random_coefs(rng)
            supports = [random_support(rng, i + 1) for i in range(args.supports)]
            path = os.path.join(folder, f"p{p}.orv")
            with open(path, "wb") as out:
                out.write(project_text(climate, coefs, supports))
            run = subprocess.run([args.orvane, "calc", path, "--catalog", catalog, "--format", "json",
                                  "--lang", "en", "--explain"], capture_output=True, text=True)
            if run.returncode not in (0, 1):
                problems.append(f"project {p}: exit status {run.returncode}: {run.stderr}")
                continue
            result = json.loads(run.stdout)
            for i, support in enumerate(supports):
                want, want_error = expected(support, climate, coefs)
                problems += compare(result["supports"][i], want, want_error, f"project {p} support {i + 1}")
                checked += 1
    for line in problems[:40]:
        print(line)
    print(f"{checked - len(problems)} passed, {len(problems)} failed")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
