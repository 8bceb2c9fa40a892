#pragma once
// The calculation sheet (A4 pages, PDF) and the drawing of the pair in
// mesh (SVG). Everything the page shows arrives as plain values; the
// renderers format the numbers as the main window does.
#include <optional>
#include <string>
#include <vector>

#include "core/data_table.h"
#include "core/geometry.h"
#include "core/language.h"
#include "core/outlines.h"
#include "design/measurement.h"

namespace spurgear {

struct SheetCheckLine {
  std::string text;
  ListColor color = ListColor::Blue;
};

struct SheetStrength {
  // The strength page's settings as it shows them.
  std::string width;    // Edit20, mm
  std::string speed;    // Edit22, r.p.m.
  std::string fillet;   // rg31's selected item
  std::string shock;    // rg3's selected item
  std::string material; // CB1's selected item
  // Its two output fields as its 計算 writes them.
  std::string formFactor;  // Y
  std::string torque;      // T, kgf·mm
};

// A section of the sheet's later pages: a table of rows, each a caption,
// one value over both gears' columns or one per gear, and a unit; notes
// below it, in red where they warn.
struct SheetRow {
  std::string caption;
  std::vector<std::string> values;  // one (the pair's) or two (per gear)
  std::string unit;
  bool red = false;
};

struct SheetSection {
  std::string title;                 // without its number
  std::string intro;                 // a line above the table, may be empty
  std::vector<std::string> heading;  // the four columns' captions
  std::vector<SheetRow> rows;
  std::vector<SheetCheckLine> notes;
};

struct SheetData {
  // The language every text of the sheet and the drawing is written in; the
  // texts below are made in Japanese.
  Language language = Language::Japanese;

  // Heading.
  std::string date;     // e.g. "2026-12-07"
  std::string version;  // the program's version

  // Inputs.
  double module = 0;
  int teeth1 = 0, teeth2 = 0;
  double shift1 = 0, shift2 = 0;
  double pressureAngle = 20;  // degrees
  double distanceCorrection = 0;

  // Results, as the main window's fields hold them.
  double workingPitchDia1 = 0, workingPitchDia2 = 0;
  double tipDia1 = 0, tipDia2 = 0;
  double rootDia1 = 0, rootDia2 = 0;
  double baseDia1 = 0, baseDia2 = 0;
  long double centreDistance = 0;  // with the correction, as Edit14 shows it
  double contactRatio = 0;
  double tipThickness1 = 0, tipThickness2 = 0;
  double normalBacklash = 0;

  // The input check's lines, each in the colour the list showed it.
  std::vector<SheetCheckLine> checkLines;

  GearMeasurement measurement1{}, measurement2{};
  // Whether gear 1's and gear 2's k and pin were chosen by the user (in the
  // measurement window) rather than the automatic ones.
  bool spanChosen[2] = {false, false};
  bool pinChosen[2] = {false, false};

  // The strength estimate, when gear 1's tooth count lies in its table;
  // otherwise the reason it is left out.
  std::optional<SheetStrength> strength;
  std::string strengthOmitted;

  // The pair in mesh, in model millimetres: every tooth of each gear as a
  // closed outline, already turned and placed (gear 1 about `centre1`,
  // gear 2 about `centre2`).
  std::vector<Point2D> outline1, outline2;
  Point2D centre1{0, 0}, centre2{0, 0};
  double pitchDia1 = 0, pitchDia2 = 0;  // the dashed circles

  // The gear data tables (要目表) of the second page; no page when both are
  // empty.
  DataTable dataTable1, dataTable2;

  // Tolerances, specific sliding and the rating, numbered on from the first
  // page's sections, on pages of their own after the data tables.
  std::vector<SheetSection> sections;
};

// The drawing's extent in model millimetres, margins included.
struct DrawingBox {
  double minX, minY, width, height;
};
DrawingBox MeshDrawingBox(const SheetData& data);

// The renderings as bytes, and the files written atomically (replacing any
// file there; FileError "ファイル %s を作成できません" when that fails).
std::string RenderSheetPdf(const SheetData& data);
std::string RenderMeshSvg(const SheetData& data);
void WriteSheetPdf(const SheetData& data, const std::string& path);

}  // namespace spurgear
