"""A second, independent implementation of the support calculation, written
straight from the engineering rules in plain Python. The cross-check test runs
it and `orvane calc --format json` over many generated supports and compares."""

import math

MARKER = math.pi * 1e-50  # an imaginary critical span
PI = math.pi


class Refused(Exception):
    """The wire-mechanics checks refused the data: nothing is written."""


def span_wind_factor(v):
    if v <= 20.8:
        return 1.0
    if v <= 25.3:
        return (7.62 - 0.15 * v) / 4.5
    if v <= 29.6:
        return (6.185 - 0.1 * v) / 4.3  # the pieces join at 25.3, 29.6 and 34.8 m/s
    if v <= 34.8:
        return (5.38 - 0.05 * v) / 5.2
    return 0.7


HEIGHTS = [15, 20, 40, 60, 80, 100, 150, 200, 250, 300, 350]
HEIGHT_ROWS = {
    1: [1.00, 1.25, 1.50, 1.70, 1.85, 2.00, 2.25, 2.45, 2.65, 2.75, 2.75],
    2: [0.65, 0.85, 1.10, 1.30, 1.45, 1.60, 1.90, 2.10, 2.30, 2.50, 2.75],
    3: [0.40, 0.55, 0.80, 1.00, 1.15, 1.25, 1.55, 1.80, 2.00, 2.20, 2.35],
}


def height_factor(terrain, h):
    if terrain not in HEIGHT_ROWS:
        return 1.0
    row = HEIGHT_ROWS[terrain]
    if h <= HEIGHTS[0]:
        return row[0]
    if h >= HEIGHTS[-1]:
        return row[-1]
    for i in range(len(HEIGHTS) - 1):
        x0, x1 = HEIGHTS[i], HEIGHTS[i + 1]
        if x0 <= h < x1:
            return row[i] + (row[i + 1] - row[i]) / (x1 - x0) * (h - x0)
    raise AssertionError("unreachable")


def interpolate(xs, ys, x):
    result = None
    n = len(xs) - 1
    for i in range(n):
        if xs[i] == x:
            result = ys[i]
        elif xs[i] < x < xs[i + 1]:
            result = ys[i] + (ys[i + 1] - ys[i]) / (xs[i + 1] - xs[i]) * (x - xs[i])
    if x == xs[n]:
        result = ys[n]
    return result


def tan_deg(x):
    r = x * PI / 180
    return math.sin(r) / math.cos(r)


def solve_state_equation(a, b):
    if a >= 0:
        hi = max(a + 1, b + 1)
    else:
        hi = math.exp(math.log(b) / 3) + 1
    lo = 0.0
    mid = None
    while hi - lo > 5e-5:
        mid = (lo + hi) / 2
        if mid - b / (mid * mid) - a > 0:
            hi = mid
        else:
            lo = mid
    return mid


def critical_spans(s_avg, s_max, t_avg, t_min, t_ice, g1, g_max, beta, alpha):
    if s_max < 1e-5 or s_avg < 1e-5 or abs(s_avg - s_max) < 1e-5 or t_ice - t_min < 0:
        raise Refused()
    r1 = s_avg / s_max
    big_r1 = 6 * (beta * (s_avg - s_max) + alpha * (t_avg - t_min)) / (1 - r1 * r1)
    l1 = math.sqrt(big_r1) * 2 * s_avg / g1 if big_r1 > 0 else MARKER
    q = g_max / g1
    big_r2 = 6 * alpha * (t_ice - t_min) / (q * q - 1)
    l2 = math.sqrt(big_r2) * 2 * s_max / g1
    r3 = s_max / s_avg
    big_r3 = 6 * (beta * (s_max - s_avg) + alpha * (t_ice - t_avg)) / (q * q - r3 * r3)
    l3 = math.sqrt(big_r3) * 2 * s_max / g1 if big_r3 > 0 else MARKER
    return l1, l2, l3


def governing_case(span, l1, l2, l3):
    if (span <= l2 and span > l1) or (span < l3 and span >= l2):
        if (l1 < l2 and (l2 < l3 or l3 == MARKER)) or (l1 == MARKER and l2 < l3):
            return 1
        return None
    if span <= l2:
        if (l1 < l2 and (l2 < l3 or l3 == MARKER)) or (l1 > l2 and (l2 > l3 or l3 == MARKER)):
            return 2
        return None
    return 3


def checked_governing_case(rule, span, limits, carry):
    """The rule's state if, carried from it, no limit state is exceeded by
    more than 1e-4 daN/mm2; else the first of 1, 2, 3 that passes; else the rule's."""
    def passes(case):
        return all(carry(limits[case], limits[other], span) <= limits[other][0] + 1e-4
                   for other in (1, 2, 3) if other != case)
    if rule is not None and passes(rule):
        return rule
    for case in (1, 2, 3):
        if case != rule and passes(case):
            return case
    return rule


def choose_verdict(x, d):
    tests = [
        (0 <= x < 0.15, 1), (0.15 < x <= 2, 2), (2 < x <= 2 * d, 3), (2 * d < x <= 4 * d, 4),
        (4 * d < x <= 53, 5), (2 * d + 53 < x <= 103, 6), (103 < x <= 2 * d + 103, 7),
        (2 * d + 103 < x <= 155, 8), (155 < x <= 2 * d + 155, 9), (53 < x <= 2 * d + 53, 10),
        (2 * d + 155 < x <= 205, 11), (205 < x <= 2 * d + 205, 12),
    ]
    for holds, number in tests:
        if holds:
            return "Mess_%02d" % number
    return "Mess_13"


def choose_ballast_verdict(x, d):
    """Once a ballast is hung: at least the 50 kg ballast, whatever the load."""
    tests = [
        (x <= 53, 5), (2 * d + 53 < x <= 103, 6), (103 < x <= 2 * d + 103, 7), (2 * d + 103 < x <= 155, 8),
        (155 < x <= 2 * d + 155, 9), (53 < x <= 2 * d + 53, 10), (2 * d + 155 < x <= 205, 11),
        (205 < x <= 2 * d + 205, 12),
    ]
    for holds, number in tests:
        if holds:
            return "Mess_%02d" % number
    return "Mess_13"


def in_range(s, coefs):
    """Every input within its physical range; zero spans and limits are left
    to the calculation, which refuses them itself."""
    limits = ([(s["stress_max"], 0, math.inf), (s["stress_avg"], 0, math.inf)] if s["tension_mode"] == 0
              else [(s["tension_max"], 0, math.inf), (s["tension_avg"], 0, math.inf)])
    return all(lo <= v <= hi for v, lo, hi in [
        (s["wires"], 1, 3), *[(g, -1000, 10000) for g in s["ground"]], (s["turn"], 0, 180),
        (s["span_left"], 0, 1e5), (s["span_right"], 0, 1e5), (s["span_eq"], 0, 1e5), (s["damper"], 0, 1000),
        (s["insulator"], 0, 10000), *[(h, 0, 1000) for h in s["height"]], (s["alfa_p"], 0, 90),
        (s["alfa_ab"], 0, 90), (s["alfa_bal"], 0, 90), (coefs["terrain"], 1, 3), *limits])


def calculate(support, wire, climate, coefs):
    """Returns dict with verdict_key, balancing_load, min_weight_span,
    vertical_load_min_temp (None where not written), governing_state (1, 2, 3
    or None) and, where the string check ran, swing_case; or raises Refused."""
    if not in_range(support, coefs):
        return {"verdict_key": "Data_error", "balancing_load": None, "min_weight_span": None,
                "vertical_load_min_temp": None, "governing_state": None}
    p1, area, d, e, alpha = wire["weight"], wire["area"], wire["diameter"], wire["modulus"], wire["expansion"]
    g1 = p1 / area
    beta = 1 / e
    if support["tension_mode"] == 0:
        s_max, s_avg = support["stress_max"], support["stress_avg"]
    else:
        s_max, s_avg = support["tension_max"] / area, support["tension_avg"] / area
    b, vmax, vice = climate["ice"], climate["vmax"], climate["vice"]
    cx = 1.1 if (0.5 * vmax >= vice and vice > 15 and b >= 15 and d > 20) else 1.2
    amax = span_wind_factor(vmax)
    kw = coefs["wind"][0] * coefs["wind"][1] * coefs["wind"][2]
    ki = coefs["ice"][0] * coefs["ice"][1] * coefs["ice"][2] * coefs["ice"][3]
    k = height_factor(coefs["terrain"], coefs["height"])
    aice = span_wind_factor(vice)
    p2 = 2.827433388230814 * b * (d + b) / 1000 * ki
    p3 = p1 + p2
    p4 = amax * cx * vmax * vmax * d * 0.001 / 16 * k * kw
    p625 = 6.25 * cx * d / 1000
    p5 = aice * 1.2 * vice * vice * (d + 2 * b) * 0.001 / 16 * k * kw
    p6 = math.sqrt(p1 * p1 + p4 * p4)
    r625 = math.sqrt(p1 * p1 + p625 * p625)
    p7 = math.sqrt(p3 * p3 + p5 * p5)
    g6, gr625, g7 = p6 / area, r625 / area, p7 / area
    g_max = g6 if g6 >= g7 else g7

    l1, l2, l3 = critical_spans(s_avg, s_max, climate["t_avg"], climate["t_min"], climate["t_ice_no_wind"],
                                g1, g_max, beta, alpha)
    le = support["span_eq"]
    limits = {1: (s_avg, g1, climate["t_avg"]), 2: (s_max, g1, climate["t_min"]),
              3: (s_max, g_max, climate["t_ice_no_wind"])}

    def carry(start, gam, t):
        s0, gam0, t0 = start
        bb = gam * gam * le * le * e / 24
        aa = s0 - gam0 * gam0 * le * le * e / (24 * s0 * s0) - alpha * e * (t - t0)
        return solve_state_equation(aa, bb)

    rule = governing_case(le, l1, l2, l3)
    case = checked_governing_case(rule, le, limits, lambda start, limit, _: carry(start, limit[1], limit[2]))
    out = {"verdict_key": None, "balancing_load": None, "min_weight_span": None, "vertical_load_min_temp": None}
    out["governing_state"] = case
    out["governing_rule"] = rule
    if case is None:
        out["verdict_key"] = "Data_error"
        return out

    def stress(gam, t):
        return carry(limits[case], gam, t)

    s1 = stress(g6, climate["t_ice_wind"])
    s2 = stress(gr625, 15)
    s3 = stress(g1, climate["t_min"])
    n = support["wires"]
    ll, lr = support["span_left"], support["span_right"]
    zl, z0, zr = support["ground"]
    hl, h0, hr = support["height"]
    s = (z0 + h0 - zl - hl) / ll + (z0 + h0 - zr - hr) / lr
    h = (ll + lr) / 2
    gs, gd, theta = support["insulator"], support["damper"], support["turn"]
    load = None
    if gs != 0:
        if support["alfa_p"] == 0 or support["alfa_ab"] == 0:
            out["verdict_key"] = "Data_error"
            return out
        if vmax <= 0:
            kd = 1.3
        elif vmax > 40:
            kd = 0.8
        else:
            kd = interpolate([0, 26, 28, 30, 32, 34, 36, 38, 40],
                             [1.3, 0.97, 0.93, 0.89, 0.85, 0.82, 0.80, 0.80, 0.80], vmax)
        if kd < 0.00001:
            out["verdict_key"] = "Data_error"
            return out
        if h <= 50:
            kl = 1.2
        elif h > 250:
            kl = 1.0
        else:
            kl = interpolate([50, 100, 150, 250], [1.2, 1.1, 1.05, 1.0], h)
        # Both swing cases: maximum wind (P4, σ1, AlfaP) and reduced wind
        # (P6.25, σ2, AlfaAB). One sideways pull of a wire at the turn,
        # 2·σ·F·sin(θ/2), signed by the side the string deflects to.
        sign = 1 if support["deflection"] == 0 else -1
        a_p, a_ab, a_bal = support["alfa_p"], support["alfa_ab"], support["alfa_bal"]
        if a_p < a_bal and (not a_ab < a_bal or a_p > a_ab):
            ballast_case = "max_wind"
        else:
            ballast_case = "reduced_wind" if a_ab < a_bal else None
        cases = {}
        for name, phi, pc, sc in (("max_wind", a_p, p4, s1), ("reduced_wind", a_ab, p625, s2)):
            pull = 0.0 if theta == 0 else sign * 2 * sc * area * math.sin(theta / 2 * PI / 180)

            def load_at(tan_phi, pc=pc, sc=sc, pull=pull):
                return n * (ll + lr) / 2 * (pc * kl / (kd * tan_phi) - p1) - n * sc * area * s - gs / 2 \
                    + n * pull / (kd * tan_phi)

            min_span = (pc * kl * h + pull) / (kd * p1 * tan_deg(phi)) - gs / (2 * n * p1)
            lw = h + (sc / g1) * s
            own = load_at(tan_deg(phi))
            cases[name] = {"load": own, "need": max(0.0, own) if lw < min_span else 0.0, "min_span": min_span,
                           "lw": lw, "at_ballast": load_at(tan_deg(a_bal)) if name == ballast_case else None}
        mw, rw = cases["max_wind"], cases["reduced_wind"]
        governing = "max_wind" if mw["load"] > rw["load"] else "reduced_wind"
        out["swing_case"] = governing
        out["ballast_case"] = ballast_case
        need = max(mw["need"], rw["need"])
        out["load_at_governing_angle"] = need
        ballast = need > 4 * gd
        load = need
        if ballast:
            load = max(c["at_ballast"] if name == ballast_case else c["need"] for name, c in cases.items())
            load = max(load, 0.0)
        out["ballast_hung"] = ballast
        out["weight_span"] = cases[governing]["lw"]
        out["balancing_load"] = load
        out["min_weight_span"] = cases[governing]["min_span"]
    v = n * p1 * (ll + lr) / 2 + n * s3 * area * s
    out["vertical_load_min_temp"] = v
    if gs == 0:
        out["verdict_key"] = "Evaluate_the_tearing_load" if v < 0 else "There is no force"
    else:
        # An upward force is held down as well, also when no load is needed.
        decisive = load if v >= 0 else max(abs(load), abs(v))
        choose = choose_ballast_verdict if out["ballast_hung"] else choose_verdict
        out["verdict_key"] = choose(decisive, gd)
    return out


if __name__ == "__main__":
    wire = {"diameter": 8.4, "area": 43.0, "weight": 0.148, "modulus": 8250, "expansion": 19.2e-6}
    climate = {"ice": 5, "vmax": 25, "vice": 12.5, "t_min": -55, "t_max": 40, "t_ice_no_wind": -5,
               "t_ice_wind": -5, "t_avg": 0}
    coefs = {"wind": [1, 1, 1], "ice": [1, 1, 1, 1], "height": 15, "terrain": 1}
    support = {"tension_mode": 0, "stress_max": 12, "stress_avg": 8, "tension_max": 0, "tension_avg": 0,
               "wires": 1, "span_left": 200, "span_right": 200, "span_eq": 200, "ground": [100, 100, 100],
               "height": [20, 20, 20], "turn": 0, "damper": 5, "insulator": 50, "alfa_p": 45, "alfa_ab": 10,
               "alfa_bal": 60, "deflection": 1}
    print(calculate(support, wire, climate, coefs))
    for changes in [{"alfa_ab": 20}, {"turn": 2, "alfa_bal": 15, "deflection": 0},
                    {"turn": 2, "alfa_bal": 15, "deflection": 1},
                    {"alfa_ab": 12, "turn": 6, "alfa_bal": 14, "deflection": 0},
                    {"ground": [100, 90, 100], "turn": 10, "deflection": 1},
                    {"insulator": 0, "ground": [100, 90, 100]}]:
        print(changes, calculate({**support, **changes}, wire, climate, coefs))
