// The checked outline points of one gear and the contour of lines and tip
// arcs the drawings write.
#include "output/fine_outline.h"

#include <cmath>
#include <string>

#include "core/errors.h"
#include "core/geometry.h"

namespace spurgear {
namespace {

CommandError Refusal(int gear, std::string_view why, std::string_view what) {
  return CommandError(std::string("ギア") + (gear == 2 ? "２" : "１") + "は" + std::string(why) +
                      "、" + std::string(what) + "を出力できません");
}

}  // namespace

std::span<const Point2D> BuildCheckedGearOutline(const DxfGear& g, std::span<Point2D> outline,
                                                 std::string_view what) {
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

double FineOutline::TipBulge() const { return static_cast<double>(std::tan(tipHalfAngle / 2)); }

FineOutline BuildFineOutline(const DxfGear& gear, std::string_view what) {
  std::vector<Point2D> buffer(kGearCapacity);
  const std::span<const Point2D> p = BuildCheckedGearOutline(gear, buffer, what);
  FineOutline f;
  f.teeth = gear.z;
  f.tipRadius = gear.da / 2;
  f.tipHalfAngle = std::atan2(static_cast<long double>(p[22].y), static_cast<long double>(p[22].x));
  f.vertices.reserve(static_cast<std::size_t>(gear.z) * FineOutline::kPerTooth);
  for (std::size_t e = 0; e < static_cast<std::size_t>(gear.z); ++e) {
    const std::size_t base = e * kFineStride;
    for (std::size_t k = 0; k <= 20; ++k) f.vertices.push_back(p[base + k]);
    for (std::size_t k = 22; k <= 41; ++k) f.vertices.push_back(p[base + k]);
  }
  return f;
}

}  // namespace spurgear
