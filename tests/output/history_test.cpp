#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>

#include "commands/memory_ports.h"
#include "core/gear_record.h"
#include "output/grid_text.h"
#include "test_support.h"

namespace spurgear {
namespace {

const std::array<std::string, 9> kDefaultRow = {"1.000",  "15",     "25",     "0.000", "0.000",
                                                "17.000", "27.000", "20.000", "1.547"};

std::array<std::string, 9> Row(const MemoryProgram& p, int r) {
  std::array<std::string, 9> cells;
  for (int c = 1; c <= 9; ++c) cells[static_cast<std::size_t>(c - 1)] = p.history.Cell(c, r);
  return cells;
}

bool RowEmpty(const MemoryProgram& p, int r) {
  const auto cells = Row(p, r);
  return std::all_of(cells.begin(), cells.end(), [](const std::string& s) { return s.empty(); });
}

bool SameBytes(const GearPairRecord& a, const GearPairRecord& b) {
  return std::memcmp(&a, &b, sizeof a) == 0;
}

// Calculates the pair with gear 1's tooth count z, as typed and "計算".
void Calculate(MemoryProgram& p, int z) {
  p.fields.SetText("Edit2", std::to_string(z));
  ASSERT_TRUE(p.commands.Run([&] { p.commands.BitBtn1Click(); }));
}

void Push(MemoryProgram& p) { p.commands.Run([&] { p.commands.BitBtn2Click(); }); }
void Select(MemoryProgram& p, int row) { p.commands.Run([&] { p.commands.sg1Click(row); }); }

TEST(HistoryPush, FirstPushShowsTheDefaultPairInRowOne) {
  MemoryProgram p;
  p.StartUp();
  EXPECT_FALSE(p.history.shown);
  EXPECT_EQ(p.history.Cell(0, 0), "");
  EXPECT_EQ(p.history.Cell(1, 0), "ﾓｼﾞｭｰﾙ");
  EXPECT_EQ(p.history.Cell(9, 0), "噛合い率");
  EXPECT_EQ(p.history.Cell(0, 10), "10");

  Push(p);
  EXPECT_TRUE(p.history.shown);
  EXPECT_EQ(Row(p, 1), kDefaultRow);
  for (int r = 2; r <= 10; ++r) EXPECT_TRUE(RowEmpty(p, r)) << r;
  EXPECT_TRUE(SameBytes(p.state.table[1], p.state.slot0()));
  EXPECT_EQ(p.state.table[2].Valid, 0);
}

TEST(HistoryPush, TenPushesFillTheGridAndTheEleventhDropsTheOldest) {
  MemoryProgram p;
  p.StartUp();
  for (int i = 0; i < 10; ++i) {
    Calculate(p, 15 + i);
    Push(p);
  }
  for (int r = 1; r <= 10; ++r) EXPECT_EQ(p.history.Cell(2, r), std::to_string(15 + 10 - r)) << r;

  Calculate(p, 40);
  Push(p);
  EXPECT_EQ(p.history.Cell(2, 1), "40");
  for (int r = 2; r <= 10; ++r) EXPECT_EQ(p.history.Cell(2, r), std::to_string(15 + 11 - r)) << r;
  for (int s = 1; s <= 10; ++s) EXPECT_NE(p.state.table[static_cast<std::size_t>(s)].Teeth1, 15);
}

TEST(HistoryPush, TwoPushesWithoutACalculationGiveTwoEqualRows) {
  MemoryProgram p;
  p.StartUp();
  Push(p);
  Push(p);
  EXPECT_EQ(Row(p, 1), kDefaultRow);
  EXPECT_EQ(Row(p, 2), kDefaultRow);
  EXPECT_TRUE(SameBytes(p.state.table[1], p.state.table[2]));
  EXPECT_TRUE(RowEmpty(p, 3));
}

TEST(HistoryPush, CorrectedCenterDistanceAndRefusedInputsAreRecordedAsTheyStand) {
  MemoryProgram p;
  p.StartUp();
  p.commands.Run([&] { p.commands.BitBtn3Click(); });  // ＋
  Push(p);
  EXPECT_EQ(p.history.Cell(8, 1), "20.010");

  // A refused calculation leaves its inputs beside the previous results.
  p.fields.SetText("Edit2", "301");
  p.commands.Run([&] { p.commands.BitBtn1Click(); });
  Push(p);
  EXPECT_EQ(p.history.Cell(2, 1), "301");
  EXPECT_EQ(p.history.Cell(6, 1), "17.000");
}

TEST(HistorySelection, EmptyAndUnfinishedRowsIgnoreAClick) {
  MemoryProgram p;
  p.StartUp();
  Calculate(p, 20);
  Push(p);
  Calculate(p, 15);
  // Row 2 holds a pair whose Valid word is 2: shown, never recalled.
  p.state.table[2] = p.state.table[1];
  p.state.table[2].Valid = 2;
  p.state.table[2].Teeth1 = 22;
  Push(p);
  EXPECT_EQ(p.history.Cell(2, 3), "22");

  const GearPairRecord before = p.state.slot0();
  const int writes = p.fields.writes;
  Select(p, 3);   // Valid 2
  Select(p, 5);   // empty
  Select(p, 0);   // heading row
  Select(p, 11);  // beyond the grid
  EXPECT_TRUE(SameBytes(p.state.slot0(), before));
  EXPECT_EQ(p.fields.writes, writes);
  EXPECT_TRUE(p.box.errors.empty());
}

TEST(HistorySelection, ASameCorrectionShowsTheRowWithoutRecalculating) {
  MemoryProgram p;
  p.StartUp();
  Calculate(p, 20);
  Push(p);
  Calculate(p, 15);
  const int draws = p.pictures.draws["Image1"];
  Select(p, 1);
  EXPECT_TRUE(SameBytes(p.state.slot0(), p.state.table[1]));
  EXPECT_EQ(p.fields.Text("Edit2"), "20");
  EXPECT_EQ(p.fields.Text("Edit8"), "22.000");
  EXPECT_TRUE(p.commands.ResultsBelong());
  // Pictures still show the pair of the last calculation.
  EXPECT_EQ(p.pictures.draws["Image1"], draws);
  EXPECT_EQ(p.state.meshFrom.Teeth1, 15);
  // The history is not reordered by a selection.
  EXPECT_EQ(p.state.table[1].Teeth1, 20);
  EXPECT_EQ(p.state.table[2].Valid, 0);
}

TEST(HistorySelection, ADifferentCorrectionRecalculatesTheRow) {
  MemoryProgram p;
  p.StartUp();
  Calculate(p, 20);
  Push(p);  // correction 0
  p.commands.Run([&] { p.commands.BitBtn3Click(); });  // ＋, recalculated at 0.010
  ASSERT_EQ(p.fields.Text("Edit15"), "0.010");
  const int draws = p.pictures.draws["Image1"];
  Select(p, 1);
  EXPECT_EQ(p.fields.Text("Edit15"), "0.000");
  EXPECT_EQ(p.fields.Text("Edit14"), "22.500");
  EXPECT_GT(p.pictures.draws["Image1"], draws);
  EXPECT_EQ(p.state.meshFrom.Teeth1, 20);
  EXPECT_EQ(p.state.meshFrom.DistanceCorrection, 0.0);
  EXPECT_EQ(p.state.slot0().Valid, 1);
}

TEST(HistoryRead, CancelledReadClearsTheGridShowsAndPushesTheCurrentPair) {
  MemoryProgram p;
  p.StartUp();
  Push(p);
  p.history.shown = false;
  p.history.SetCell(4, 7, "stale");
  p.commands.Run([&] { p.commands.N1Click(); });  // no answer: cancelled
  EXPECT_TRUE(p.history.shown);
  EXPECT_EQ(Row(p, 1), kDefaultRow);
  EXPECT_EQ(Row(p, 2), kDefaultRow);
  EXPECT_TRUE(RowEmpty(p, 7));
  EXPECT_EQ(p.history.Cell(0, 7), "7");
}

TEST(HistoryRead, ConfirmedReadPutsTheFilesPairOnTopOfItsRows) {
  TempDir dir;
  const std::string path = dir.Path("pairs.hgd");
  {
    MemoryProgram writer;
    writer.StartUp();
    for (int z : {16, 17}) {
      Calculate(writer, z);
      Push(writer);
    }
    Calculate(writer, 18);
    WriteGearFile(writer.state.table, path);
  }
  MemoryProgram p;
  p.StartUp();
  Push(p);
  Push(p);
  Push(p);
  p.dialogs.answers.push_back(path);
  p.commands.Run([&] { p.commands.N1Click(); });
  EXPECT_TRUE(p.box.errors.empty());
  EXPECT_EQ(p.history.Cell(2, 1), "18");
  EXPECT_EQ(p.history.Cell(2, 2), "17");
  EXPECT_EQ(p.history.Cell(2, 3), "16");
  EXPECT_TRUE(RowEmpty(p, 4));  // rows of the earlier pushes are gone
  EXPECT_EQ(p.fields.Text("Edit2"), "18");
}

TEST(HistoryRead, AFileWithAGapKeepsTheRowBelowIt) {
  TempDir dir;
  const std::string path = dir.Path("gap.hgd");
  {
    MemoryProgram writer;
    writer.StartUp();
    HistoryTable& t = writer.state.table;
    for (std::size_t s : {1u, 2u, 4u}) {
      t[s] = t[0];
      t[s].Teeth1 = static_cast<int32_t>(30 + s);
    }
    WriteGearFile(t, path);
  }
  MemoryProgram p;
  p.StartUp();
  p.dialogs.answers.push_back(path);
  p.commands.Run([&] { p.commands.N1Click(); });
  EXPECT_EQ(p.history.Cell(2, 1), "15");
  EXPECT_EQ(p.history.Cell(2, 2), "31");
  EXPECT_EQ(p.history.Cell(2, 3), "32");
  EXPECT_EQ(p.history.Cell(2, 4), "34");
  EXPECT_EQ(p.state.table[4].Teeth1, 34);
  EXPECT_EQ(p.state.table[5].Valid, 0);
  EXPECT_TRUE(RowEmpty(p, 5));
}

TEST(HistoryRead, AFileThatCannotBeOpenedRunsNoneOfTheFollowUp) {
  TempDir dir;
  MemoryProgram p;
  p.StartUp();
  Push(p);
  p.history.shown = false;
  p.dialogs.answers.push_back(dir.Path("missing.hgd"));
  p.commands.Run([&] { p.commands.N1Click(); });
  ASSERT_EQ(p.box.errors.size(), 1u);
  EXPECT_FALSE(p.history.shown);
  EXPECT_EQ(Row(p, 1), kDefaultRow);
  EXPECT_TRUE(RowEmpty(p, 2));
  EXPECT_EQ(p.state.table[2].Valid, 0);
}

TEST(TableCopy, RightAfterStartTheHeadingsAndTheRowNumbers) {
  MemoryProgram p;
  p.StartUp();
  p.desktop.clipboard = "previous";
  p.commands.Run([&] { p.commands.N4Click(); });
  std::string expect =
      "\tﾓｼﾞｭｰﾙ\t歯数1\t歯数2\t転位係数1\t転位係数2\t歯先円直径1\t歯先円直径2\t中心距離\t噛合い率\r\n";
  for (int r = 1; r <= 10; ++r) expect += std::to_string(r) + std::string(9, '\t') + "\r\n";
  EXPECT_EQ(p.desktop.clipboard, expect);
}

TEST(TableCopy, ARefusedRectangleEmptiesTheClipboard) {
  MemoryProgram p;
  p.StartUp();
  p.desktop.clipboard = "previous";
  CopyGridToClipboard(p.history, p.desktop, 3, 0, 2, 10);
  EXPECT_EQ(p.desktop.clipboard, "");
  CopyGridToClipboard(p.history, p.desktop, 5, -4, 5, 0);
  EXPECT_EQ(p.desktop.clipboard, "転位係数2\r\n");
}

// Without a printer the page can be kept as a PDF: after the message, the
// question, then the save dialog; a cancelled dialog writes nothing, and a
// file that cannot be written is reported and forgotten by the dialog.
TEST(PrintAndHelp, WithoutAPrinterThePageGoesToAPdfWhenTheUserSaysSo) {
  MemoryProgram p;
  p.StartUp();
  p.box.yes = true;
  p.dialogs.answers = {std::string("/tmp/page.pdf"), std::nullopt};
  EXPECT_TRUE(p.commands.Run([&] { p.commands.Print1Click(); }));
  EXPECT_EQ(p.box.errors, std::vector<std::string>{"デフォルト プリンタが存在しません."});
  EXPECT_EQ(p.dialogs.asked, std::vector<std::string>{"SavePdfDialog"});
  EXPECT_EQ(p.desktop.pdfs, std::vector<std::string>{"/tmp/page.pdf"});
  EXPECT_TRUE(p.commands.Run([&] { p.commands.Print1Click(); }));
  EXPECT_EQ(p.desktop.pdfs.size(), 1u);

  // A gear data file that cannot be created.
  p.dialogs.answers = {std::string("/no/such/dir/pair.hgd")};
  EXPECT_FALSE(p.commands.Run([&] { p.commands.N2Click(); }));
  EXPECT_EQ(p.dialogs.failed, std::vector<std::string>{"SaveDialog1"});
}

TEST(PrintAndHelp, PrintingWithoutAPrinterShowsTheMessage) {
  MemoryProgram p;
  p.StartUp();
  p.desktop.hasPrinter = false;
  EXPECT_TRUE(p.commands.Run([&] { p.commands.Print1Click(); }));
  ASSERT_EQ(p.box.errors.size(), 1u);
  EXPECT_EQ(p.box.errors[0], "デフォルト プリンタが存在しません.");
  EXPECT_EQ(p.box.questions, std::vector<std::string>{"PDF として保存しますか？"});
  EXPECT_TRUE(p.dialogs.asked.empty());  // the PDF declined

  p.desktop.hasPrinter = true;
  EXPECT_TRUE(p.commands.Run([&] { p.commands.Print1Click(); }));
  EXPECT_EQ(p.desktop.prints, 2);
  EXPECT_EQ(p.box.errors.size(), 1u);

  EXPECT_TRUE(p.commands.Run([&] { p.commands.Help2Click(); }));
  EXPECT_EQ(p.desktop.helps, 1);
}

}  // namespace
}  // namespace spurgear
