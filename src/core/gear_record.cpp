#include "core/gear_record.h"

#include <cmath>
#include <cstring>

#include "core/errors.h"
#include "core/file_io.h"

namespace spurgear {
namespace {

void PutU32(uint8_t* p, uint32_t v) {
  for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
void PutU64(uint8_t* p, uint64_t v) {
  for (int i = 0; i < 8; ++i) p[i] = static_cast<uint8_t>(v >> (8 * i));
}
uint32_t GetU32(const uint8_t* p) {
  uint32_t v = 0;
  for (int i = 3; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}
uint64_t GetU64(const uint8_t* p) {
  uint64_t v = 0;
  for (int i = 7; i >= 0; --i) v = (v << 8) | p[i];
  return v;
}
void PutI32(uint8_t* p, int32_t v) { PutU32(p, static_cast<uint32_t>(v)); }
int32_t GetI32(const uint8_t* p) { return static_cast<int32_t>(GetU32(p)); }
void PutF64(uint8_t* p, double v) {
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  PutU64(p, bits);
}
double GetF64(const uint8_t* p) {
  uint64_t bits = GetU64(p);
  double v;
  std::memcpy(&v, &bits, 8);
  return v;
}

// The float64 fields in offset order, for encoding and for the file check.
struct RealField {
  double GearPairRecord::*member;
  std::size_t offset;
  bool checked;  // read by some operation, so it must be finite in a file
};
constexpr RealField kReals[] = {
    {&GearPairRecord::Module, 8, true},
    {&GearPairRecord::Shift1, 24, true},
    {&GearPairRecord::Shift2, 32, true},
    {&GearPairRecord::WorkingPressureAngle, 40, true},
    {&GearPairRecord::CenterModCoef, 48, true},
    {&GearPairRecord::CenterDistance, 56, true},
    {&GearPairRecord::WorkingPitchDia1, 64, true},
    {&GearPairRecord::WorkingPitchDia2, 72, true},
    {&GearPairRecord::TipDia1, 80, true},
    {&GearPairRecord::TipDia2, 88, true},
    {&GearPairRecord::RootDia1, 96, true},
    {&GearPairRecord::RootDia2, 104, true},
    {&GearPairRecord::BaseDia1, 112, true},
    {&GearPairRecord::BaseDia2, 120, true},
    {&GearPairRecord::ContactRatio, 128, true},
    {&GearPairRecord::TipThickness1, 136, true},
    {&GearPairRecord::TipThickness2, 144, true},
    {&GearPairRecord::DistanceCorrection, 152, true},
    {&GearPairRecord::Reserved1, 160, false},
    {&GearPairRecord::NormalBacklash, 168, true},
    {&GearPairRecord::Reserved2, 176, false},
    {&GearPairRecord::Gear2Rotation, 184, true},
};

}  // namespace

double PressureAngleDegrees(int32_t index) {
  return index == 0 ? PressureAngleTable[0] : PressureAngleTable[1];
}

void InitHistoryTable(HistoryTable& table) {
  for (GearPairRecord& r : table) {
    r.Valid = 0;
    r.PressureAngleIndex = 1;
    r.Module = 1.0;
    r.Teeth1 = 15;
    r.Teeth2 = 25;
    r.Shift1 = r.Shift2 = 0.0;
    r.WorkingPressureAngle = r.CenterModCoef = r.CenterDistance = 0.0;
    r.WorkingPitchDia1 = r.WorkingPitchDia2 = 0.0;
    r.TipDia1 = r.TipDia2 = r.RootDia1 = r.RootDia2 = 0.0;
    r.BaseDia1 = r.BaseDia2 = r.ContactRatio = 0.0;
    r.DistanceCorrection = 0.0;
    r.Reserved1 = 0.01;
    r.Reserved2 = 0.0;
  }
}

RecordBytes EncodeRecord(const GearPairRecord& r) {
  RecordBytes b{};
  PutI32(&b[0], r.Valid);
  PutI32(&b[4], r.PressureAngleIndex);
  PutI32(&b[16], r.Teeth1);
  PutI32(&b[20], r.Teeth2);
  for (const RealField& f : kReals) PutF64(&b[f.offset], r.*f.member);
  for (int i = 0; i < 10; ++i) PutI32(&b[192 + 4 * i], r.ReservedTail[i]);
  return b;
}

GearPairRecord DecodeRecord(const uint8_t* b) {
  GearPairRecord r{};
  r.Valid = GetI32(&b[0]);
  r.PressureAngleIndex = GetI32(&b[4]);
  r.Teeth1 = GetI32(&b[16]);
  r.Teeth2 = GetI32(&b[20]);
  for (const RealField& f : kReals) r.*f.member = GetF64(&b[f.offset]);
  for (int i = 0; i < 10; ++i) r.ReservedTail[i] = GetI32(&b[192 + 4 * i]);
  return r;
}

TableBytes EncodeTable(const HistoryTable& table) {
  TableBytes out{};
  for (std::size_t k = 0; k < kSlotCount; ++k) {
    RecordBytes b = EncodeRecord(table[k]);
    std::memcpy(&out[k * kRecordBytes], b.data(), kRecordBytes);
  }
  return out;
}

void ApplyGearFileBytes(HistoryTable& table, const uint8_t* data, std::size_t length,
                        const std::string& path) {
  if (length > kTableBytes) length = kTableBytes;
  // Lay the file's bytes over the table's own image, then check the result
  // before anything is committed.
  TableBytes image = EncodeTable(table);
  if (length > 0) std::memcpy(image.data(), data, length);  // an empty file has no data
  HistoryTable loaded;
  for (std::size_t k = 0; k < kSlotCount; ++k) {
    loaded[k] = DecodeRecord(&image[k * kRecordBytes]);
    for (const RealField& f : kReals) {
      if (f.checked && !std::isfinite(loaded[k].*f.member) &&
          k * kRecordBytes + f.offset < length) {
        throw FileError("ファイル " + path + " は歯車データとして読めません（スロット " +
                        std::to_string(k) + " に数値でない値があります）");
      }
    }
  }
  table = loaded;
}

void ReadGearFile(HistoryTable& table, const std::string& path) {
  std::vector<uint8_t> bytes = ReadFilePrefix(path, kTableBytes);
  ApplyGearFileBytes(table, bytes.data(), bytes.size(), path);
}

void WriteGearFile(const HistoryTable& table, const std::string& path) {
  TableBytes image = EncodeTable(table);
  WriteFileAtomically(path, std::string_view(reinterpret_cast<const char*>(image.data()), image.size()));
}

}  // namespace spurgear
