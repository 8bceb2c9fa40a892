"""The batch's CSV written by a vectorised numpy script, for comparing rates.

Reads the rows `spurgear-cli batch --format csv` reads (a header naming any of
module,z1,z2,x1,x2,correction) on standard input and writes the same columns
on standard output: every formula in float64 over whole columns, the check
and its lines included, the numbers as Python's shortest round-trip text.
A row whose cell is no number gets an error, as the batch gives it one.

Not a second implementation to trust: it agrees with the batch to about
1e-12 (float64 against extended precision), which is enough to show it does
the same work. bench/batch_compare.sh runs both on the same rows.
Usage: python3 bench/batch_numpy.py < rows.csv > out.csv
"""
import csv
import sys

import numpy as np

PI10 = 3.141592654  # the program's pi, in the pair's own angles
ALPHA_DEG = 20.0
HEADER = ("row,module,z1,z2,x1,x2,pressure_angle_deg,working_pressure_angle_deg,"
          "center_modification_coefficient,center_distance,distance_correction,"
          "corrected_center_distance,working_pitch_diameter1,working_pitch_diameter2,"
          "tip_diameter1,tip_diameter2,root_diameter1,root_diameter2,base_diameter1,"
          "base_diameter2,contact_ratio,tip_thickness1,tip_thickness2,normal_backlash,check,"
          "messages,error")
DEFAULTS = {"module": 1.0, "z1": 15, "z2": 25, "x1": 0.0, "x2": 0.0, "correction": 0.0}
GEAR = ("ギア１", "ギア２")
SMALL = ("warring：歯数Ｚ１が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり",
         "warring：歯数Ｚ２が小さい、ｱﾝﾀﾞｰｶｯﾄ発生の可能性あり")


def column(texts, default, whole):
    """Numbers of one column, NaN where a text is none."""
    out = np.empty(len(texts))
    for i, t in enumerate(texts):
        if t == "":
            out[i] = default
            continue
        try:
            v = int(t) if whole else float(t)
            out[i] = v
        except ValueError:
            out[i] = np.nan
    return out


def involute_root(target):
    """tan t - t = target by Newton's method from above, every row at once."""
    t = np.minimum(np.cbrt(3 * target), np.arctan(target + np.pi / 2))
    for _ in range(8):
        tn = np.tan(t)
        t = t - (tn - t - target) / (tn * tn)
    return t


def main():
    reader = csv.reader(sys.stdin)
    names = [n.strip().lstrip("\ufeff") for n in next(reader)]
    rows = [r for r in reader if r]
    n = len(rows)
    cells = {name: [r[i].strip() if i < len(r) else "" for r in rows]
             for i, name in enumerate(names)}
    get = {k: column(cells.get(k, [""] * n), d, k in ("z1", "z2")) for k, d in DEFAULTS.items()}
    m, z1, z2, x1, x2 = (get[k] for k in ("module", "z1", "z2", "x1", "x2"))
    # The correction is shown with three decimals and read back as shown;
    # near a tie the exact binary value decides.
    c = get["correction"]
    scaled = c * 1000
    c = np.round(c, 3)
    for i in np.flatnonzero(np.abs(scaled - np.trunc(scaled) - 0.5) < 1e-6):
        c[i] = float(format(get["correction"][i], ".3f"))
    bad = np.isnan(m) | np.isnan(z1) | np.isnan(z2) | np.isnan(x1) | np.isnan(x2) | np.isnan(c)
    refused = (z1 > 300) | (z1 < 1) | (z2 > 300) | (z2 < 1) | (m <= 0)
    ok = ~bad & ~refused
    with np.errstate(all="ignore"):
        al = PI10 * ALPHA_DEG / 180
        sa, ca = np.sin(al), np.cos(al)
        zs = z1 + z2
        aw = involute_root(sa / ca - al + 2 * sa / ca * (x1 + x2) / zs)
        y = (ca / np.cos(aw) - 1) * zs / 2
        a = (z1 / 2 + z2 / 2 + y) * m
        da1 = ((y - x2) * 2 + z1 + 2) * m
        da2 = ((y - x1) * 2 + z2 + 2) * m
        h = ((2.25 + y) - (x1 + x2)) * 2 * m
        db1, db2 = ca * z1 * m, ca * z2 * m
        tips = np.sqrt(da1 ** 2 / 4 - db1 ** 2 / 4) + np.sqrt(da2 ** 2 / 4 - db2 ** 2 / 4)
        eps = (tips - np.sin(aw) * a) / (ca * PI10 * m)
        t_al = np.deg2rad(ALPHA_DEG)

        def thickness(z, x, da):
            ad = np.arccos(np.cos(t_al) * z * m / da)
            return ((np.tan(t_al) * 4 * x + np.pi) / z
                    - 2 * ((np.tan(ad) - ad) - (np.tan(t_al) - t_al))) * da / 2

        s1, s2 = thickness(z1, x1, da1), thickness(z2, x2, da2)
        running = a + c
        rb = (db1 + db2) / 2
        line = np.where(c > 0, np.sqrt(running ** 2 - rb ** 2),
                        a * np.sin(np.deg2rad(aw * 180 / PI10)))
        eps_running = np.where(c > 0, (tips - line) / (ca * PI10 * m), eps)
        undercut = [(z >= 14) & (17 * x < 14 - z) for z, x in ((z1, x1), (z2, x2))]
        reach = [(da2 / 2) ** 2 - (db2 / 2) ** 2, (da1 / 2) ** 2 - (db1 / 2) ** 2]
        columns = [m, z1, z2, x1, x2, np.full(n, ALPHA_DEG), aw * 180 / PI10, y, a, c, a + c,
                   2 * a * z1 / zs, 2 * a * z2 / zs, da1, da2, da1 - h, da2 - h, db1, db2, eps,
                   s1, s2, np.sin(aw) * 2 * c]
    text = [[repr(v) for v in col.tolist()] for col in columns]
    text[1] = [str(int(v)) if v == v else "" for v in z1.tolist()]
    text[2] = [str(int(v)) if v == v else "" for v in z2.tolist()]
    out = [HEADER]
    for i in range(n):
        if bad[i]:
            out.append(f"{i + 1}" + "," * 25 + ",not a number")
            continue
        lines = [SMALL[g] for g, z in enumerate((z1[i], z2[i])) if z <= 13]
        if not ok[i]:
            out.append(f"{i + 1}" + "," * 24 + "2," + '"' + "; ".join(lines) + '",計算不可')
            continue
        if eps[i] < 1:
            lines.append(f"注意：噛合率が１未満（{eps[i]:.3f}）、かみ合いが途切れる")
        elif eps_running[i] < 1:
            lines.append(f"注意：距離修正後の噛合率が１未満（{eps_running[i]:.3f}）、かみ合いが途切れる")
        for g, s in enumerate((s1[i], s2[i])):
            if s <= 0:
                lines.append(f"注意：{GEAR[g]}の歯先がとがる（歯先歯厚 {s:.3f}）")
        for g, (z, x) in enumerate(((z1[i], x1[i]), (z2[i], x2[i]))):
            if undercut[g][i]:
                lines.append(f"注意：{GEAR[g]}の転位係数 {x:.11g} が限界 {(14 - z) / 17:.3f}"
                             " より小さい、ｱﾝﾀﾞｰｶｯﾄ発生")
        for root in (0, 1):
            if line[i] >= 0 and reach[root][i] > line[i] ** 2:
                lines.append(f"注意：{GEAR[1 - root]}の歯先が{GEAR[root]}の歯元に干渉する")
        if c[i] < 0:
            lines.append(f"注意：距離修正が負、歯面が干渉する（法線ﾊﾞｯｸﾗｯｼ {columns[-1][i]:.3f}）")
        check = 1 if lines else 0
        messages = '"' + "; ".join(lines) + '"' if lines else '"エラー = 0, 警告 = 0 !"'
        out.append(f"{i + 1}," + ",".join(t[i] for t in text) + f",{check},{messages},")
    sys.stdout.write("\n".join(out) + "\n")


if __name__ == "__main__":
    main()
