#pragma once
// The forms of π and the fixed angle the calculations take. Each is kept as
// the calculation that uses it has always taken it: the printed results
// depend on the exact value.
namespace spurgear {

// π to the precision of long double: tooth thicknesses, outline pitches and
// the meshing frames' rotations.
inline constexpr long double kPiL = 3.141592653589793238462643383279502884L;
// π to double precision: the outline and backlash working geometry.
inline constexpr double kPi = 3.14159265358979323846;
// π to ten digits: the degree conversions of the pressure angles and the
// contact ratio's base pitch.
inline constexpr long double kPi10 = 3.141592654L;
// 2π to six digits: the strength estimate's pitch line velocity.
inline constexpr long double kTwoPi6 = 6.28318L;
// 20 degrees in radians (π/9): the tooth thickness and the outlines of a
// 20 degree pair take exactly this angle (ToothPressureAngle).
inline constexpr double kAngle20 = 0.3490658503988659;

}  // namespace spurgear
