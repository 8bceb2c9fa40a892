#pragma once
// The process-wide state: created once at start-up, never reallocated.
#include <array>
#include <cstdint>

#include "core/gear_record.h"
#include "core/language.h"
#include "core/outlines.h"

namespace spurgear {

struct BacklashViewState {
  double Zoom = 5.0;  // side of the square window, in modules
  double PanX = 0.0;  // window centre offset from the pitch point, mm
  double PanY = 0.0;
};

struct AppState {
  HistoryTable table{};  // slot 0 is the current pair

  std::array<Point2D, kMeshCapacity> MeshOutline1{};
  std::array<Point2D, kMeshCapacity> MeshOutline2{};
  std::array<Point2D, kMeshCapacity> FrameOutline1{};
  std::array<Point2D, kMeshCapacity> FrameOutline2{};
  std::array<Point2D, kToothCapacity> ToothOutline{};
  std::array<Point2D, kToothCapacity> BacklashTeeth1{};
  std::array<Point2D, kToothCapacity> BacklashTeeth2{};
  std::array<Point2D, kGearCapacity> GearOutline1{};
  std::array<Point2D, kGearCapacity> GearOutline2{};

  BacklashViewState BacklashView{};
  int32_t FrameIndex = 0;

  // The pairs the meshing frames and the backlash outlines were last built
  // from (slot 0 as the calculation that built them left it). Redraws work
  // from these, never from record values a refused or partial calculation
  // left behind.
  GearPairRecord meshFrom{};
  bool hasMesh = false;
  GearPairRecord backlashFrom{};
  bool hasBacklash = false;

  // Slot 0's inputs as of the last complete calculation, history selection
  // or file load: its results belong to its inputs while these match.
  GearPairRecord resultsOf{};
  bool hasResults = false;

  // The language the user reads, chosen at start; what the commands make
  // for reading (the calculation sheet, the drawings' tables) is in it.
  Language language = Language::Japanese;

  GearPairRecord& slot0() { return table[0]; }
  const GearPairRecord& slot0() const { return table[0]; }
};

}  // namespace spurgear
