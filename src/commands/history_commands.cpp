// The history window's commands: the grid's headings, the push of the
// current pair into the history rows, and the recall of a row.
#include <cstring>
#include <string>

#include "commands/commands.h"
#include "output/grid_text.h"

namespace spurgear {
namespace {

void CopySlot(HistoryTable& table, std::size_t from, std::size_t to) {
  std::memcpy(&table[to], &table[from], kRecordBytes);
}

}  // namespace

void Commands::Form2Create() {
  // Headings in row 0, row numbers in column 0; the corner cell stays empty.
  for (int c = 1; c < kGridColumns; ++c) {
    ports.history.SetCell(c, 0, kGridHeadings[static_cast<std::size_t>(c)]);
  }
  for (int r = 1; r < kGridRows; ++r) ports.history.SetCell(0, r, std::to_string(r));
}

void Commands::ClearHistoryGrid() {
  for (int r = 1; r < kGridRows; ++r) {
    for (int c = 1; c < kGridColumns; ++c) ports.history.SetCell(c, r, "");
  }
}

void Commands::PushHistory() {
  HistoryTable& table = state.table;
  // The first empty row takes the shift; with none, the oldest row goes.
  std::size_t k = 10;
  for (std::size_t s = 1; s <= 10; ++s) {
    if (table[s].Valid == 0) {
      k = s;
      break;
    }
  }
  // Only the rows above the empty one move, so a filled row below a gap (a
  // loaded file may have one) is never overwritten.
  for (std::size_t j = k; j-- > 0;) CopySlot(table, j, j + 1);

  for (int r = 1; r < kGridRows; ++r) {
    const GearPairRecord& record = table[static_cast<std::size_t>(r)];
    if (record.Valid == 0) continue;
    const auto texts = HistoryRowTexts(record);
    for (int c = 1; c < kGridColumns; ++c) {
      ports.history.SetCell(c, r, texts[static_cast<std::size_t>(c - 1)]);
    }
  }
  ports.history.ShowWindow();
}

void Commands::BitBtn2Click() { PushHistory(); }

void Commands::sg1Click(int row) {
  const SlotZeroCommand notice(*this);
  if (row < 1 || row > 10) return;
  const std::size_t slot = static_cast<std::size_t>(row);
  if (state.table[slot].Valid != 1) return;
  CopySlot(state.table, slot, 0);
  MarkResultsBelong();
  // Showing the pair recalculates it when its correction prints differently
  // from Edit15's text (the change event of Edit15).
  ShowResults();
}

}  // namespace spurgear
