// The checked outline points of one gear and the contour of lines and tip
// arcs the drawings write.
#include "output/fine_outline.h"

#include <cmath>
#include <string>

#include "core/errors.h"
#include "core/generated_tooth.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

CommandError Refusal(int gear, std::string_view why, std::string_view what) {
  return CommandError(std::string("ギア") + (gear == 2 ? "２" : "１") + "は" + std::string(why) +
                      "、" + std::string(what) + "を出力できません");
}

void CheckSizes(const DxfGear& g, std::string_view what) {
  if (g.z < 1 || g.z > kMaxTeeth) {
    throw Refusal(g.gear,
                  "歯数が " + std::to_string(g.z) + " のため（歯数は 1～" +
                      std::to_string(kMaxTeeth) + "）",
                  what);
  }
  if (!std::isfinite(g.m) || !std::isfinite(g.x) || !std::isfinite(g.da) ||
      !std::isfinite(g.df)) {
    throw Refusal(g.gear, "寸法に数値でない値があるため", what);
  }
  if (!(g.m > 0) || !(g.df > 0) || !(g.da > g.df)) {
    throw Refusal(g.gear, "モジュール、歯底円、歯先円の大きさが正しくないため", what);
  }
}

}  // namespace

std::span<const Point2D> BuildCheckedGearOutline(const DxfGear& g, std::span<Point2D> outline,
                                                 std::string_view what) {
  CheckSizes(g, what);
  const std::size_t points = static_cast<std::size_t>(g.z) * kFineStride;
  try {
    ClearFaults();
    BuildGearOutline(g.z, outline, g.m, g.x, g.da, g.df, g.alpha);
  } catch (const NoSolution&) {
    throw Refusal(g.gear, "歯形を計算できないため", what);
  }
  const std::span<const Point2D> p = outline.first(points);
  for (const Point2D& q : p) {
    if (!std::isfinite(q.x) || !std::isfinite(q.y)) {
      throw Refusal(g.gear, "歯形に数値でない値があるため", what);
    }
  }
  // The tip points 20 and 22 mirror each other about the tooth's centre
  // line; once they cross, the tooth is pointed and each tip arc would run
  // almost round the whole circle.
  if (!(p[20].y < 0)) throw Refusal(g.gear, "歯先がとがっているため（歯先歯厚が 0 以下）", what);
  // The first flank point must lie counter-clockwise of the mid-space
  // point, or neighbouring teeth overlap at the root and the contour
  // crosses itself.
  if (!(p[0].x * p[1].y - p[0].y * p[1].x > 0)) {
    throw Refusal(g.gear, "歯元で隣の歯と重なるため", what);
  }
  return p;
}

FineOutline BuildFineOutline(const DxfGear& gear, std::string_view what, const BasicRack& rack) {
  CheckSizes(gear, what);
  GeneratedFlank flank;
  try {
    // The tip land first: a pointed tooth has none to draw.
    if (!(ToothThickness(gear.z, gear.m, gear.x, gear.da, gear.alpha) > 0)) {
      throw Refusal(gear.gear, "歯先がとがっているため（歯先歯厚が 0 以下）", what);
    }
    flank = GenerateFlank({gear.z, gear.m, gear.x, gear.alpha, gear.da, rack}, kCutTolerance);
  } catch (const NoSolution&) {
    throw Refusal(gear.gear, "歯形を計算できないため（歯元が切り下げで切り取られるか、歯先が低すぎる）",
                  what);
  }
  FineOutline f;
  f.teeth = gear.z;
  f.tipRadius = gear.da / 2;
  f.rootRadius = flank.rootRadius;
  f.undercut = flank.undercut;
  const std::size_t n = flank.points.size();
  const std::size_t teeth = static_cast<std::size_t>(gear.z);
  f.vertices.reserve(2 * n * teeth);
  f.bulges.assign(2 * n * teeth, 0.0);
  f.radii.assign(2 * n * teeth, 0.0);
  const double pitch = 2 * kPi / gear.z;
  const double tipBulge = std::tan(flank.tipHalfAngle / 2);
  const double rootBulge = std::tan(flank.rootHalfAngle / 2);
  for (std::size_t e = 0; e < teeth; ++e) {
    const double turn = static_cast<double>(e) * pitch;
    for (const Point2D& p : flank.points) {
      Point2D q;
      RotatePoint(p.x, p.y, turn, q.x, q.y);
      f.vertices.push_back(q);
    }
    for (std::size_t i = n; i-- > 0;) {
      Point2D q;
      RotatePoint(flank.points[i].x, -flank.points[i].y, turn, q.x, q.y);
      f.vertices.push_back(q);
    }
    const std::size_t base = 2 * n * e;
    f.bulges[base + n - 1] = tipBulge;
    f.radii[base + n - 1] = f.tipRadius;
    f.bulges[base + 2 * n - 1] = rootBulge;
    f.radii[base + 2 * n - 1] = f.rootRadius;
  }
  return f;
}

}  // namespace spurgear
