#pragma once
// Tooth outlines as polylines in the plane of each gear, centre at the origin.
#include <cstdint>
#include <span>

#include "core/constants.h"

namespace spurgear {

struct Point2D {
  double x;
  double y;
};

inline constexpr int kMeshCapacity = 4501;    // 14 points × 300 teeth fit
inline constexpr int kToothCapacity = 101;    // one fine tooth, or two teeth of 42
inline constexpr int kGearCapacity = 12601;   // 42 points × 300 teeth fit
inline constexpr int kMaxTeeth = 300;
inline constexpr int kMeshStride = 14;
inline constexpr int kFineStride = 42;

// Throws CommandError when no outline can be built for z teeth: outside
// 1..kMaxTeeth, or when its points do not fit (`fits` false).
void RequireOutlineTeeth(int32_t z, bool fits = true);

// Counter-clockwise about the origin for a positive angle (y up). The inputs
// are values, so the outputs may be the input point itself.
void RotatePoint(double x, double y, double angle, double& outX, double& outY);
inline void RotatePoint(Point2D& p, double angle) { RotatePoint(p.x, p.y, angle, p.x, p.y); }
void TranslatePoint(double x, double y, double dx, double dy, double& outX, double& outY);

// The outline operations take the tooth's pressure angle in radians (alpha;
// ToothPressureAngle gives the pair's). They refuse (CommandError) a tooth
// count below 1 or one whose points would not fit the buffer; nothing is
// written then.
void BuildMeshTooth1(std::span<Point2D> outline, int32_t z1, double m, double x1, double da1,
                     double df1,
                     double alpha = kAngle20);
// As BuildMeshTooth1, then turned half a pitch when z2 is even.
void BuildMeshTooth2(std::span<Point2D> outline, int32_t z2, double m, double x2, double da2,
                     double df2,
                     double alpha = kAngle20);
// Teeth 1..z−1 from tooth 0, each turned by k·(2π/z).
void ReplicateMeshTeeth(std::span<Point2D> outline, int32_t z);
inline void ReplicateMeshTeeth1(std::span<Point2D> o, int32_t z1) { ReplicateMeshTeeth(o, z1); }
inline void ReplicateMeshTeeth2(std::span<Point2D> o, int32_t z2) { ReplicateMeshTeeth(o, z2); }

// Points 0..42 of one tooth, from the middle of one space to the next.
void BuildFineTooth(int32_t z, std::span<Point2D> outline, double m, double x, double da,
                    double df,
                     double alpha = kAngle20);
// Points 0..42·z−1: the whole gear, 42 points a tooth.
void BuildGearOutline(int32_t z, std::span<Point2D> outline, double m, double x, double da,
                      double df,
                     double alpha = kAngle20);

}  // namespace spurgear
