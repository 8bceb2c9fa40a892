// Tooth form and stress correction factors, ISO 6336-3:2006 method B: the
// critical section where the 30° tangent touches the fillet that the basic
// rack's tip round generates, on the virtual spur gear of the normal section.
#include <cmath>

#include "core/constants.h"
#include "rating/iso6336.h"

namespace spurgear::rating {
namespace {

double Inv(double a) { return std::tan(a) - a; }

}  // namespace

RootForm RootFormFactors(double zn, double x, double hfP, double rhofP, double alphaN,
                         double den) {
  const double pi = kPi;
  const double E = pi / 4 - hfP * std::tan(alphaN) - (1 - std::sin(alphaN)) * rhofP / std::cos(alphaN);
  const double G = rhofP - hfP + x;
  const double H = 2 / zn * (pi / 2 - E) - pi / 3;
  // θ = 2G/zn · tan θ − H has its fixed point near π/6; the step contracts
  // for every real gear, so it runs until it stops moving.
  double theta = pi / 6;
  int steps = 0;
  for (;;) {
    const double next = 2 * G / zn * std::tan(theta) - H;
    if (!std::isfinite(next) || ++steps > 1000) {
      throw ArithmeticFault("歯元の危険断面が求まりません");
    }
    const bool settled = std::fabs(next - theta) <= 1e-15 * std::fabs(next);
    theta = next;
    if (settled) break;
  }
  RootForm f{};
  f.theta = theta;
  f.den = den;
  f.sFn = zn * std::sin(pi / 3 - theta) + std::sqrt(3.0) * (G / std::cos(theta) - rhofP);
  f.rhoF = rhofP + 2 * G * G / (std::cos(theta) * (zn * std::cos(theta) * std::cos(theta) - 2 * G));
  const double dbn = zn * std::cos(alphaN);
  const double alphaEn = std::acos(dbn / den);
  const double gammaE = (pi / 2 + 2 * x * std::tan(alphaN)) / zn + Inv(alphaN) - Inv(alphaEn);
  f.alphaFen = alphaEn - gammaE;
  f.hFe = 0.5 * ((std::cos(gammaE) - std::sin(gammaE) * std::tan(f.alphaFen)) * den -
                 zn * std::cos(pi / 3 - theta) - G / std::cos(theta) + rhofP);
  f.YF = 6 * f.hFe * std::cos(f.alphaFen) / (f.sFn * f.sFn * std::cos(alphaN));
  const double L = f.sFn / f.hFe;
  f.qs = f.sFn / (2 * f.rhoF);
  f.YS = (1.2 + 0.13 * L) * std::pow(f.qs, 1 / (1.21 + 2.3 / L));
  return f;
}

}  // namespace spurgear::rating
