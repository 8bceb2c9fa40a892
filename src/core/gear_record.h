#pragma once
// The record of one gear pair, the eleven-slot history table and its file.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

namespace spurgear {

struct GearPairRecord {
  int32_t Valid;
  int32_t PressureAngleIndex;
  double Module;
  int32_t Teeth1;
  int32_t Teeth2;
  double Shift1;
  double Shift2;
  double WorkingPressureAngle;
  double CenterModCoef;
  double CenterDistance;
  double WorkingPitchDia1;
  double WorkingPitchDia2;
  double TipDia1;
  double TipDia2;
  double RootDia1;
  double RootDia2;
  double BaseDia1;
  double BaseDia2;
  double ContactRatio;
  double TipThickness1;
  double TipThickness2;
  double DistanceCorrection;
  double Reserved1;
  double NormalBacklash;
  double Reserved2;
  double Gear2Rotation;
  int32_t ReservedTail[10];
};

inline constexpr std::size_t kRecordBytes = 232;
inline constexpr std::size_t kSlotCount = 11;
inline constexpr std::size_t kTableBytes = kRecordBytes * kSlotCount;  // 2552

static_assert(sizeof(GearPairRecord) == kRecordBytes);
static_assert(offsetof(GearPairRecord, PressureAngleIndex) == 4);
static_assert(offsetof(GearPairRecord, Module) == 8);
static_assert(offsetof(GearPairRecord, Teeth1) == 16);
static_assert(offsetof(GearPairRecord, Teeth2) == 20);
static_assert(offsetof(GearPairRecord, Shift1) == 24);
static_assert(offsetof(GearPairRecord, WorkingPressureAngle) == 40);
static_assert(offsetof(GearPairRecord, CenterDistance) == 56);
static_assert(offsetof(GearPairRecord, TipDia1) == 80);
static_assert(offsetof(GearPairRecord, BaseDia1) == 112);
static_assert(offsetof(GearPairRecord, ContactRatio) == 128);
static_assert(offsetof(GearPairRecord, TipThickness1) == 136);
static_assert(offsetof(GearPairRecord, DistanceCorrection) == 152);
static_assert(offsetof(GearPairRecord, Reserved1) == 160);
static_assert(offsetof(GearPairRecord, NormalBacklash) == 168);
static_assert(offsetof(GearPairRecord, Reserved2) == 176);
static_assert(offsetof(GearPairRecord, Gear2Rotation) == 184);
static_assert(offsetof(GearPairRecord, ReservedTail) == 192);

// Slot 0 is the current pair; slots 1..10 are history rows 1..10.
using HistoryTable = std::array<GearPairRecord, kSlotCount>;
using RecordBytes = std::array<uint8_t, kRecordBytes>;
using TableBytes = std::array<uint8_t, kTableBytes>;

inline constexpr double PressureAngleTable[2] = {14.5, 20.0};

// The pressure angle a record computes with. A loaded file may carry any
// index; anything but 0 is computed as index 1 (20 degrees) and kept as is.
double PressureAngleDegrees(int32_t index);

// Writes the default pair into all eleven slots; TipThickness1/2,
// NormalBacklash, Gear2Rotation and ReservedTail are left as they are.
void InitHistoryTable(HistoryTable& table);

// Explicit little-endian encoding of every byte, so that any file, odd
// values and NaN payloads included, survives a read and a write unchanged.
RecordBytes EncodeRecord(const GearPairRecord& record);
GearPairRecord DecodeRecord(const uint8_t* bytes);
TableBytes EncodeTable(const HistoryTable& table);

// Copies the first min(size, 2552) bytes of the file over the start of the
// table. Nothing changes when the file cannot be read or is refused (a slot
// field that holds a non-finite real). Throws FileError.
void ReadGearFile(HistoryTable& table, const std::string& path);

// Replaces the file by the 2552-byte image of the table; the old file stays
// intact when anything fails. Throws FileError.
void WriteGearFile(const HistoryTable& table, const std::string& path);

// Applies an image of `length` bytes (at most 2552) read from a file.
// Throws FileError (with `path` in the text) when it is refused.
void ApplyGearFileBytes(HistoryTable& table, const uint8_t* data, std::size_t length,
                        const std::string& path);

}  // namespace spurgear
