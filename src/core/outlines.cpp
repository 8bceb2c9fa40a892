#include "core/outlines.h"

#include <cmath>
#include <string>

#include "core/constants.h"
#include "core/errors.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

constexpr double kTwoInv20 = 0.029808767;  // 2·inv 20°, used as written

// 2·inv α for the base thickness; 20 degrees keeps its written constant.
double TwoInvolute(double alpha) {
  return alpha == kAngle20 ? kTwoInv20 : 2 * (std::sin(alpha) / std::cos(alpha) - alpha);
}

void Require(int32_t z, std::size_t points, std::size_t capacity) {
  RequireOutlineTeeth(z, points <= capacity);
}

// One side of a tooth sampled at n + 1 diameters from the root to the tip:
// writes point 0, flank points 1..n+1 and their mirrors at last − i, and
// the tip point at n + 2.
void BuildTooth(std::span<Point2D> out, int32_t z, double m, double x, double da, double df,
                int n, int last, double alpha) {
  // Faults are looked for in this tooth's own arithmetic (the thickness
  // function checks the flags), not in whatever ran before it.
  ClearFaults();
  const double db = std::cos(alpha) * z * m;
  const double sb = ((kPi + 4 * x * std::sin(alpha) / std::cos(alpha)) * (1.0 / z) +
                     TwoInvolute(alpha)) * db / 2;
  const double halfPitch = 2 * kPi / (2 * z);
  out[0] = {df / 2 * std::cos(halfPitch), -df / 2 * std::sin(halfPitch)};
  const double step = (da - df) / n / 2;
  double d = df;
  for (int i = 1; i <= n + 1; ++i) {
    d = (i - 1) * step * 2 + df;
    const double s = d > db ? ToothThickness(z, m, x, d, alpha) : sb * d / db;
    const double psi = (s / 2) / (d / 2);
    const double px = d / 2 * std::cos(psi);
    const double py = -d / 2 * std::sin(psi);
    out[static_cast<std::size_t>(i)] = {px, py};
    out[static_cast<std::size_t>(last - i)] = {px, -py};
  }
  out[static_cast<std::size_t>(n + 2)] = {d / 2, 0.0};
}

void Replicate(std::span<Point2D> out, int32_t z, int stride) {
  const double pitch = 2 * kPi / z;
  for (int32_t k = 1; k < z; ++k) {
    const double angle = k * pitch;
    for (int j = 0; j < stride; ++j) {
      const Point2D& p = out[static_cast<std::size_t>(j)];
      Point2D& q = out[static_cast<std::size_t>(stride * k + j)];
      RotatePoint(p.x, p.y, angle, q.x, q.y);
    }
  }
}

}  // namespace

void RequireOutlineTeeth(int32_t z, bool fits) {
  if (z < 1 || z > kMaxTeeth || !fits) {
    throw CommandError("歯数 " + std::to_string(z) + " の歯形は作成できません（歯数は 1～" +
                       std::to_string(kMaxTeeth) + "）");
  }
}

void RotatePoint(double x, double y, double angle, double& outX, double& outY) {
  const double c = std::cos(angle), s = std::sin(angle);
  const double nx = x * c - y * s;
  const double ny = y * c + x * s;
  outX = nx;
  outY = ny;
}

void TranslatePoint(double x, double y, double dx, double dy, double& outX, double& outY) {
  outX = x + dx;
  outY = y + dy;
}

void BuildMeshTooth1(std::span<Point2D> outline, int32_t z1, double m, double x1, double da1,
                     double df1, double alpha) {
  Require(z1, static_cast<std::size_t>(z1) * kMeshStride, outline.size());
  BuildTooth(outline, z1, m, x1, da1, df1, 5, 14, alpha);
}

void BuildMeshTooth2(std::span<Point2D> outline, int32_t z2, double m, double x2, double da2,
                     double df2, double alpha) {
  Require(z2, static_cast<std::size_t>(z2) * kMeshStride, outline.size());
  BuildTooth(outline, z2, m, x2, da2, df2, 5, 14, alpha);
  if (z2 % 2 == 0) {
    // An even gear 2 turns half a pitch, so that the line of centres passes
    // through the middle of one of its tooth spaces.
    for (int i = 0; i < kMeshStride; ++i) RotatePoint(outline[static_cast<std::size_t>(i)], kPi / z2);
  }
}

void ReplicateMeshTeeth(std::span<Point2D> outline, int32_t z) {
  Require(z, static_cast<std::size_t>(z) * kMeshStride, outline.size());
  Replicate(outline, z, kMeshStride);
}

void BuildFineTooth(int32_t z, std::span<Point2D> outline, double m, double x, double da,
                    double df, double alpha) {
  Require(z, 43, outline.size());
  BuildTooth(outline, z, m, x, da, df, 19, 42, alpha);
  outline[42] = {outline[0].x, -outline[0].y};
}

void BuildGearOutline(int32_t z, std::span<Point2D> outline, double m, double x, double da,
                      double df, double alpha) {
  Require(z, static_cast<std::size_t>(z) * kFineStride, outline.size());
  // Point 42 of the fine tooth would be the next tooth's point 0, so the
  // tooth is built in a scratch array and its points 0..41 copied.
  Point2D tooth[43];
  BuildTooth(std::span<Point2D>(tooth, 43), z, m, x, da, df, 19, 42, alpha);
  for (int j = 0; j < kFineStride; ++j) outline[static_cast<std::size_t>(j)] = tooth[j];
  Replicate(outline, z, kFineStride);
}

}  // namespace spurgear
