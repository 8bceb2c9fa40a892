#pragma once
// The contents of the three pages, each built into its tab sheet with the
// controls' names as objectNames. The main window finds them by name.
class QWidget;

namespace spurgear::ui {

// TabSheet1: GroupBox1 "歯形表示" with Image1..Image5 (ImageView) stacked
// Image3, Image4, Image5, Image2, Image1 from bottom to top, and Label15.
void BuildMeshingPage(QWidget* tabSheet1);
// TabSheet2: the backlash page's controls and Image7 (ImageView).
void BuildBacklashPage(QWidget* tabSheet2);
// TabSheet3: the strength page's controls and Image8.
void BuildStrengthPage(QWidget* tabSheet3);

}  // namespace spurgear::ui
