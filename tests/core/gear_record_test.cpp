#include "core/gear_record.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>

#include "core/errors.h"
#include "test_support.h"

namespace spurgear {
namespace {

TEST(HistoryTableDefaults, EverySlotHoldsTheDefaultPair) {
  HistoryTable t{};
  InitHistoryTable(t);
  TableBytes b = EncodeTable(t);
  for (std::size_t k = 0; k < kSlotCount; ++k) {
    const uint8_t* s = &b[k * kRecordBytes];
    const uint8_t expect[24] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0xF0, 0x3F,
                                0x0F, 0, 0, 0, 0x19, 0, 0, 0};
    EXPECT_EQ(std::memcmp(s, expect, 24), 0);
    const uint8_t reserved1[8] = {0x7B, 0x14, 0xAE, 0x47, 0xE1, 0x7A, 0x84, 0x3F};
    EXPECT_EQ(std::memcmp(s + 160, reserved1, 8), 0);
    for (std::size_t i = 24; i < 232; ++i) {
      if (i >= 160 && i < 168) continue;
      ASSERT_EQ(s[i], 0) << "slot " << k << " byte " << i;
    }
  }
}

TEST(HistoryTableDefaults, LeavesTheFourSkippedFieldsUntouched) {
  HistoryTable t{};
  t[3].TipThickness1 = 1.5;
  t[3].TipThickness2 = 2.5;
  t[3].NormalBacklash = 3.5;
  t[3].Gear2Rotation = 4.5;
  t[3].ReservedTail[9] = 77;
  t[3].ContactRatio = 9;
  InitHistoryTable(t);
  EXPECT_EQ(t[3].TipThickness1, 1.5);
  EXPECT_EQ(t[3].TipThickness2, 2.5);
  EXPECT_EQ(t[3].NormalBacklash, 3.5);
  EXPECT_EQ(t[3].Gear2Rotation, 4.5);
  EXPECT_EQ(t[3].ReservedTail[9], 77);
  EXPECT_EQ(t[3].ContactRatio, 0.0);
}

TEST(GearFile, OddBytesSurviveARoundTripByteForByte) {
  TempDir dir;
  std::vector<uint8_t> bytes(kTableBytes);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<uint8_t>(i * 37 + 11);
  // Make every checked real finite (exponent bits not all ones), keep odd
  // Valid and index values, reserved bytes and a NaN payload in Reserved1.
  for (std::size_t k = 0; k < kSlotCount; ++k) {
    for (std::size_t off = 8; off < 192; off += 8) {
      if (off == 16) continue;
      bytes[k * kRecordBytes + off + 7] = 0x40;
    }
    const uint8_t nan[8] = {1, 2, 3, 4, 5, 6, 0xF8, 0x7F};
    std::memcpy(&bytes[k * kRecordBytes + 160], nan, 8);
  }
  std::string in = dir.Write("odd.hgd", bytes);
  HistoryTable t{};
  ReadGearFile(t, in);
  std::string out = dir.Path("out.hgd");
  WriteGearFile(t, out);
  EXPECT_EQ(ReadAll(out), bytes);
  EXPECT_TRUE(std::isnan(t[0].Reserved1));
}

TEST(GearFile, ShortAndLongFiles) {
  TempDir dir;
  HistoryTable t{};
  InitHistoryTable(t);
  HistoryTable other = t;
  other[0].Teeth1 = 40;
  other[1].Teeth1 = 41;
  TableBytes img = EncodeTable(other);

  // 232 bytes: slot 0 only.
  ReadGearFile(t, dir.Write("one.hgd", std::vector<uint8_t>(img.begin(), img.begin() + 232)));
  EXPECT_EQ(t[0].Teeth1, 40);
  EXPECT_EQ(t[1].Teeth1, 15);

  // An empty file changes nothing.
  HistoryTable before = t;
  ReadGearFile(t, dir.Write("empty.hgd", {}));
  EXPECT_EQ(std::memcmp(&before, &t, sizeof t), 0);

  // 3000 bytes: the first 2552 are used.
  std::vector<uint8_t> big(img.begin(), img.end());
  big.resize(3000, 0xFF);
  ReadGearFile(t, dir.Write("big.hgd", big));
  EXPECT_EQ(t[1].Teeth1, 41);
  EXPECT_EQ(t[10].Reserved1, 0.01);

  // A partial field: 18 bytes replace Teeth1's first two bytes only.
  HistoryTable u{};
  InitHistoryTable(u);
  std::vector<uint8_t> part(img.begin(), img.begin() + 18);
  part[16] = 0x34;
  part[17] = 0x12;
  ReadGearFile(u, dir.Write("part.hgd", part));
  EXPECT_EQ(u[0].Teeth1, 0x1234);
}

TEST(GearFile, NonFiniteRealsAreRefusedAndNothingChanges) {
  TempDir dir;
  HistoryTable t{};
  InitHistoryTable(t);
  HistoryTable bad = t;
  bad[4].TipDia1 = std::numeric_limits<double>::infinity();
  bad[0].Teeth1 = 99;
  TableBytes img = EncodeTable(bad);
  HistoryTable before = t;
  std::string path = dir.Write("bad.hgd", std::vector<uint8_t>(img.begin(), img.end()));
  try {
    ReadGearFile(t, path);
    FAIL() << "accepted";
  } catch (const FileError& e) {
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
  EXPECT_EQ(std::memcmp(&before, &t, sizeof t), 0);

  // A NaN beyond the bytes read is not the file's.
  ReadGearFile(t, dir.Write("short.hgd", std::vector<uint8_t>(img.begin(), img.begin() + 232)));
  EXPECT_EQ(t[0].Teeth1, 99);
}

TEST(GearFile, OddPressureAngleIndexIsKeptAndComputedAs20Degrees) {
  EXPECT_EQ(PressureAngleDegrees(0), 14.5);
  EXPECT_EQ(PressureAngleDegrees(1), 20.0);
  EXPECT_EQ(PressureAngleDegrees(7), 20.0);
  EXPECT_EQ(PressureAngleDegrees(-2147483647 - 1), 20.0);
}

TEST(GearFile, FailuresLeaveTableAndFileIntact) {
  TempDir dir;
  HistoryTable t{};
  InitHistoryTable(t);
  HistoryTable before = t;
  for (std::string path : {dir.Path("missing.hgd"), dir.path}) {
    try {
      ReadGearFile(t, path);
      FAIL();
    } catch (const FileError& e) {
      EXPECT_EQ(std::string(e.what()), "ファイル " + path + " は開けません");
    }
  }
  EXPECT_EQ(std::memcmp(&before, &t, sizeof t), 0);

  std::string nowhere = dir.Path("no/such/dir/x.hgd");
  try {
    WriteGearFile(t, nowhere);
    FAIL();
  } catch (const FileError& e) {
    EXPECT_EQ(std::string(e.what()), "ファイル " + nowhere + " を作成できません");
  }

  if (geteuid() != 0) {
    std::string old = dir.Write("ro/keep.hgd", std::vector<uint8_t>{1, 2, 3});
    std::filesystem::permissions(dir.Path("ro"), std::filesystem::perms::owner_read |
                                                     std::filesystem::perms::owner_exec);
    EXPECT_THROW(WriteGearFile(t, old), FileError);
    EXPECT_EQ(ReadAll(old), (std::vector<uint8_t>{1, 2, 3}));
    std::filesystem::permissions(dir.Path("ro"), std::filesystem::perms::owner_all);
  }
  // A read-only file system refuses even the superuser.
  EXPECT_THROW(WriteGearFile(t, "/proc/spurgear-test.hgd"), FileError);
  // Writing over a directory fails and keeps it.
  EXPECT_THROW(WriteGearFile(t, dir.path), FileError);
}

TEST(GearFile, AFullDiskLeavesTheOldFileIntact) {
  TempDir dir;
  std::vector<uint8_t> old(100, 0x5A);
  std::string path = dir.Write("keep.hgd", old);
  HistoryTable t{};
  InitHistoryTable(t);
  // A file size limit below the table's size makes the write fail as a full
  // disk would.
  struct rlimit saved {};
  ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto previous = signal(SIGXFSZ, SIG_IGN);
  struct rlimit small = saved;
  small.rlim_cur = 1000;
  ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
  bool threw = false;
  try {
    WriteGearFile(t, path);
  } catch (const FileError& e) {
    threw = true;
    EXPECT_EQ(std::string(e.what()), "ファイル " + path + " を作成できません");
  }
  setrlimit(RLIMIT_FSIZE, &saved);
  signal(SIGXFSZ, previous);
  EXPECT_TRUE(threw);
  EXPECT_EQ(ReadAll(path), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);
}

TEST(GearFile, OnlyRegularFilesAreReplacedAndLinksAreFollowed) {
  TempDir dir;
  HistoryTable t{};
  InitHistoryTable(t);
  ASSERT_EQ(mkfifo(dir.Path("pipe").c_str(), 0600), 0);
  EXPECT_THROW(WriteGearFile(t, dir.Path("pipe")), FileError);
  EXPECT_TRUE(std::filesystem::is_fifo(dir.Path("pipe")));

  std::string real = dir.Write("real.hgd", {1, 2, 3});
  std::filesystem::create_symlink(real, dir.Path("link.hgd"));
  WriteGearFile(t, dir.Path("link.hgd"));
  EXPECT_TRUE(std::filesystem::is_symlink(dir.Path("link.hgd")));
  EXPECT_EQ(ReadAll(real).size(), kTableBytes);

  // Reading a pipe with no writer neither blocks nor changes the table.
  HistoryTable before = t;
  ReadGearFile(t, dir.Path("pipe"));
  EXPECT_EQ(std::memcmp(&before, &t, sizeof t), 0);
}

TEST(GearFile, WriteReplacesAnExistingFileWhole) {
  TempDir dir;
  std::string path = dir.Write("x.hgd", std::vector<uint8_t>(5000, 0xAA));
  HistoryTable t{};
  InitHistoryTable(t);
  WriteGearFile(t, path);
  auto bytes = ReadAll(path);
  ASSERT_EQ(bytes.size(), kTableBytes);
  TableBytes img = EncodeTable(t);
  EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), img.begin()));
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path), {}), 1);
}

}  // namespace
}  // namespace spurgear
