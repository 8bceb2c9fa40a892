// Table copy, DXF export, printing and help.
#include <optional>
#include <string>

#include "commands/commands.h"
#include "output/grid_text.h"

namespace spurgear {

void CopyGridToClipboard(const HistoryPort& grid, DesktopPort& desktop, int left, int top,
                         int right, int bottom) {
  desktop.SetClipboard(GridClipboardText([&](int c, int r) { return grid.Cell(c, r); },
                                         kGridColumns, kGridRows, left, top, right, bottom));
}

void Commands::N4Click() {
  // The whole grid; 11 and 11 are clamped to its last column and row.
  CopyGridToClipboard(ports.history, ports.desktop, 0, 0, 11, 11);
}
void Commands::Print1Click() {
  if (ports.desktop.PrintWindow()) return;
  ports.box.ShowError("デフォルト プリンタが存在しません.");
  // Without a printer the same page can still be kept, as a PDF file.
  if (!ports.box.Ask("PDF として保存しますか？")) return;
  const std::optional<std::string> path = ports.dialogs.Save("SavePdfDialog");
  if (!path) return;
  try {
    ports.desktop.WriteWindowPdf(*path);
  } catch (const CommandError&) {
    ports.dialogs.WriteFailed("SavePdfDialog");
    throw;
  }
}
void Commands::Help2Click() { ports.desktop.OpenHelp(); }

}  // namespace spurgear
