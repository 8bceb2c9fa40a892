"""The tooth a rack cutter leaves, found by brute force: one cutter tooth
(straight flanks, a flat tip, tip corners rounded to rho) is stepped through
its rolling motion on the gear's reference circle, and on each circle about
the gear's centre the deepest cut is kept. No envelope formula, no involute:
whatever the cutter removes at some position is gone.

Frames: the gear turns by phi; the cutter then stands r*phi along its datum
line. A space is centred on angle 0 of the gear; the returned angles are
those of its upper side (the tooth above it), measured from the space's
centre line."""
import math


class RackCut:
    def __init__(self, m, z, x, alpha_deg, hf=1.25, rho=0.38, da=None):
        self.m, self.z = m, z
        a = math.radians(alpha_deg)
        self.tan_a, self.cos_a = math.tan(a), math.cos(a)
        self.r = z * m / 2
        self.datum = self.r + x * m          # the cutter's datum line
        self.tip = self.datum - hf * m       # the cutter's tip line (the root circle)
        self.rho = rho * m
        self.tc = self.tip + self.rho        # tip corner circle's centre, radially
        self.sc = self.width(self.tc) - self.rho / self.cos_a
        self.flank_from = self.tc - self.rho * math.sin(a)
        self.ra = (da / 2) if da else self.r + (1 + x) * m
        rb = self.r * self.cos_a
        reach = math.sqrt(max(self.ra ** 2 - rb ** 2, 0.0)) + 4 * m
        self.phi_max = min(math.pi, reach / self.r)

    def width(self, t):
        """Half the width of the sharp cutter tooth at distance t from the
        gear's centre (pi*m/2 thick on its datum line)."""
        return math.pi * self.m / 4 - (self.datum - t) * self.tan_a

    def half(self, t):
        """Half the width of the cutter tooth with its rounded corners."""
        if t < self.tip:
            return None
        if t >= self.flank_from:
            return self.width(t)
        d = self.tc - t
        return self.sc + math.sqrt(max(self.rho ** 2 - d * d, 0.0))

    def upper_end(self, R, phi):
        """The gear angle of the upper end of what the cutter at phi covers
        on the circle of radius R, or None when it covers nothing there."""
        if R <= self.tip:
            return None
        S = math.sqrt(R * R - self.tip * self.tip)
        shift = self.r * phi

        def inside_above(s):   # s lies below the cutter's upper edge
            h = self.half(math.sqrt(max(R * R - s * s, 0.0)))
            return h is not None and s - shift <= h

        def inside(s):
            h = self.half(math.sqrt(max(R * R - s * s, 0.0)))
            return h is not None and abs(s - shift) <= h

        # Scan down from the top for the first covered point, then close in
        # on the edge by bisection.
        n = 48
        prev = S
        if inside(S):
            top = S
        else:
            top = None
            for k in range(1, n + 1):
                s = S - 2 * S * k / n
                if inside(s):
                    lo, hi = s, prev
                    for _ in range(80):
                        mid = (lo + hi) / 2
                        if mid == lo or mid == hi:
                            break
                        if inside_above(mid):
                            lo = mid
                        else:
                            hi = mid
                    top = lo
                    break
                prev = s
            if top is None:
                return None
        t = math.sqrt(max(R * R - top * top, 0.0))
        return math.atan2(top, t) - phi

    def space_half_angle(self, R):
        """Half the angle of the space the cutter leaves on the circle of
        radius R: the largest upper end over all cutter positions."""
        grid = 160
        best, at = None, None
        for k in range(grid + 1):
            phi = -self.phi_max + 2 * self.phi_max * k / grid
            v = self.upper_end(R, phi)
            if v is not None and (best is None or v > best):
                best, at = v, phi
        if best is None:
            return None
        step = 2 * self.phi_max / grid
        lo, hi = at - step, at + step
        g = (math.sqrt(5) - 1) / 2

        def f(p):
            v = self.upper_end(R, p)
            return -1e9 if v is None else v

        a, b = lo + (1 - g) * (hi - lo), lo + g * (hi - lo)
        fa, fb = f(a), f(b)
        for _ in range(70):
            if fa > fb:
                hi, b, fb = b, a, fa
                a = lo + (1 - g) * (hi - lo)
                fa = f(a)
            else:
                lo, a, fa = a, b, fb
                b = lo + g * (hi - lo)
                fb = f(b)
        return max(best, fa, fb)

    def normal_miss(self, px, py):
        """How far a point of the upper side of the space centred on angle 0
        lies from the cut side, measured across the side (mm)."""
        R = math.hypot(px, py)
        theta = math.atan2(py, px)
        want = self.space_half_angle(R)
        h = 1e-5 * self.m
        lo = self.space_half_angle(max(R - h, self.tip + 1e-12))
        hi = self.space_half_angle(min(R + h, self.ra))
        slope = (hi - lo) / (min(R + h, self.ra) - max(R - h, self.tip + 1e-12))
        return R * abs(theta - want) / math.sqrt(1 + (R * slope) ** 2)
