// The part drawing DXF: fixed tables and objects with their handles, then
// the gear's circles, centre lines, outline and data table.
#include "output/part_drawing_dxf.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>

#include "core/free_text.h"
#include "output/dxf.h"

namespace spurgear {
namespace {

// Text height and row height of the data table, mm (drawing practice for
// tables on a part drawing).
constexpr double kTextHeight = 3.5;
constexpr double kRowHeight = 7.0;
constexpr double kPad = 2.0;
// Room beyond the estimated text in each column.
constexpr double kColumnSlack = 2.0;
// The table's text style. Some CAD programs choose the font by the style's
// name, so it is named for a CJK stroke font they ship (kst32b); others take
// the font file, a TrueType face with the Japanese glyphs.
constexpr const char* kTextStyle = "kst32b";
constexpr const char* kTextFontFile = "msgothic.ttc";
// The chain line's pattern: long dash, gap, short dash, gap.
constexpr double kChain[] = {10.0, -1.5, 1.0, -1.5};
constexpr double kChainLength = 14.0;

// Fixed handles of the tables, records and objects; entities count on from
// kFirstEntity.
enum Handle : unsigned {
  kLayerTable = 0x1, kLtypeTable, kStyleTable, kViewTable, kUcsTable, kAppidTable, kDimstyleTable,
  kBlockRecordTable, kVportTable,
  kVportActive = 0x10, kLtypeByBlock, kLtypeByLayer, kLtypeContinuous, kLtypeChain,
  kLayer0, kStyleStandard, kStyleJis, kAppidAcad, kDimstyleStandard,
  kModelRecord, kPaperRecord, kModelBlock, kModelEnd, kPaperBlock, kPaperEnd,
  kRootDict, kGroupDict, kLayoutDict, kModelLayout, kPaperLayout, kPlotStyleDict, kPlotStyleNormal,
  kFirstLayer = 0x40,
  kFirstEntity = 0x100,
};

std::string Hex(unsigned h) {
  char b[16];
  std::snprintf(b, sizeof b, "%X", h);
  return b;
}

struct Layer {
  const char* name;
  int colour;
  Handle ltype;
  int weight;  // 1/100 mm
};
constexpr Layer kLayers[] = {
    {kLayerOutline, 7, kLtypeContinuous, 35},   {kLayerTip, 7, kLtypeContinuous, 35},
    {kLayerReference, 1, kLtypeChain, 18},      {kLayerRoot, 3, kLtypeContinuous, 18},
    {kLayerCentre, 1, kLtypeChain, 18},         {kLayerTableLines, 7, kLtypeContinuous, 18},
    {kLayerTableText, 7, kLtypeContinuous, 18},
};

class Out {
 public:
  explicit Out(DxfLines& lines) : l_(lines) {}
  // A value is one line whatever it came from: a line break in a text
  // would end the value and let the rest be read as group codes.
  void G(int code, std::string_view value) {
    char c[8];
    std::snprintf(c, sizeof c, "%3d", code);
    l_.Add(c);
    l_.Add(OneLine(value));
  }
  void G(int code, int value) { G(code, std::string_view(std::to_string(value))); }
  void N(int code, double value) {
    char c[8];
    std::snprintf(c, sizeof c, "%3d", code);
    l_.Add(c);
    l_.AddNumber(value);
  }
  void H(int code, unsigned handle) { G(code, std::string_view(Hex(handle))); }
  // An entity in model space on `layer`; 330 names its owner.
  void Entity(std::string_view kind, std::string_view layer, std::string_view subclass,
              double linetypeScale = 1) {
    G(0, kind);
    H(5, next++);
    H(330, kModelRecord);
    G(100, "AcDbEntity");
    G(8, layer);
    if (linetypeScale != 1) N(48, linetypeScale);
    G(100, subclass);
  }
  void Record(std::string_view kind, unsigned handle, unsigned owner, std::string_view subclass,
              std::string_view name) {
    G(0, kind);
    H(kind == "DIMSTYLE" ? 105 : 5, handle);
    H(330, owner);
    G(100, "AcDbSymbolTableRecord");
    G(100, subclass);
    G(2, name);
    G(70, 0);
  }
  void Table(std::string_view name, unsigned handle, int count) {
    G(0, "TABLE");
    G(2, name);
    H(5, handle);
    H(330, 0);
    G(100, "AcDbSymbolTable");
    G(70, count);
    if (name == "DIMSTYLE") G(100, "AcDbDimStyleTable");
  }
  unsigned next = kFirstEntity;

 private:
  DxfLines& l_;
};


// Width of a text in the table's font, estimated from its characters: a
// full-width character 1.45 times as wide as the text is high, others as
// wide as high. CAD stroke fonts (kst32b) space their characters widely.
double TextWidth(std::string_view s) {
  double w = 0;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    const std::size_t n = c < 0x80 ? 1 : c < 0xE0 ? 2 : c < 0xF0 ? 3 : 4;
    unsigned cp = n == 1 ? c : c & (0xFF >> (n + 1));
    for (std::size_t k = 1; k < n && i + k < s.size(); ++k) {
      cp = (cp << 6) | (static_cast<unsigned char>(s[i + k]) & 0x3F);
    }
    w += cp >= 0x2E80 ? 1.45 : 1.0;
    i += n;
  }
  return w * kTextHeight;
}

void Header(Out& o, double minX, double minY, double maxX, double maxY, unsigned seed) {
  o.G(0, "SECTION"), o.G(2, "HEADER");
  o.G(9, "$ACADVER"), o.G(1, "AC1021");
  o.G(9, "$DWGCODEPAGE"), o.G(3, "ANSI_932");
  o.G(9, "$INSBASE"), o.N(10, 0), o.N(20, 0), o.N(30, 0);
  o.G(9, "$EXTMIN"), o.N(10, minX), o.N(20, minY), o.N(30, 0);
  o.G(9, "$EXTMAX"), o.N(10, maxX), o.N(20, maxY), o.N(30, 0);
  o.G(9, "$LIMMIN"), o.N(10, minX), o.N(20, minY);
  o.G(9, "$LIMMAX"), o.N(10, maxX), o.N(20, maxY);
  o.G(9, "$LTSCALE"), o.N(40, 1);
  // Millimetres, metric, decimal lengths; line weights shown.
  o.G(9, "$INSUNITS"), o.G(70, 4);
  o.G(9, "$MEASUREMENT"), o.G(70, 1);
  o.G(9, "$LUNITS"), o.G(70, 2);
  o.G(9, "$LWDISPLAY"), o.G(290, 1);
  o.G(9, "$TEXTSTYLE"), o.G(7, kTextStyle);
  o.G(9, "$HANDSEED"), o.H(5, seed);
  o.G(0, "ENDSEC");
  o.G(0, "SECTION"), o.G(2, "CLASSES"), o.G(0, "ENDSEC");
}

void Tables(Out& o, double cx, double cy, double height, Language language) {
  o.G(0, "SECTION");
  o.G(2, "TABLES");

  o.Table("VPORT", kVportTable, 1);
  o.Record("VPORT", kVportActive, kVportTable, "AcDbViewportTableRecord", "*Active");
  o.N(10, 0), o.N(20, 0), o.N(11, 1), o.N(21, 1), o.N(12, cx), o.N(22, cy);
  o.N(13, 0), o.N(23, 0), o.N(14, 10), o.N(24, 10), o.N(15, 10), o.N(25, 10);
  o.N(16, 0), o.N(26, 0), o.N(36, 1), o.N(17, 0), o.N(27, 0), o.N(37, 0);
  o.N(40, height), o.N(41, 1.5), o.N(42, 50), o.N(43, 0), o.N(44, 0), o.N(50, 0), o.N(51, 0);
  o.G(71, 0), o.G(72, 1000), o.G(73, 1), o.G(74, 3), o.G(75, 0), o.G(76, 0), o.G(77, 0);
  o.G(78, 0);
  o.G(0, "ENDTAB");

  o.Table("LTYPE", kLtypeTable, 4);
  for (auto [h, name] : {std::pair{kLtypeByBlock, "ByBlock"}, std::pair{kLtypeByLayer, "ByLayer"},
                         std::pair{kLtypeContinuous, "Continuous"}}) {
    o.Record("LTYPE", h, kLtypeTable, "AcDbLinetypeTableRecord", name);
    o.G(3, h == kLtypeContinuous ? Render(language, "実線") : "");
    o.G(72, 65), o.G(73, 0), o.N(40, 0);
  }
  o.Record("LTYPE", kLtypeChain, kLtypeTable, "AcDbLinetypeTableRecord", "CHAIN");
  o.G(3, Render(language, "一点鎖線 ____ _ ____ _"));
  o.G(72, 65), o.G(73, 4), o.N(40, kChainLength);
  for (double e : kChain) o.N(49, e), o.G(74, 0);
  o.G(0, "ENDTAB");

  o.Table("LAYER", kLayerTable, 1 + static_cast<int>(std::size(kLayers)));
  o.Record("LAYER", kLayer0, kLayerTable, "AcDbLayerTableRecord", "0");
  o.G(62, 7), o.G(6, "Continuous"), o.G(370, -3), o.H(390, kPlotStyleNormal);
  unsigned h = kFirstLayer;
  for (const Layer& layer : kLayers) {
    o.Record("LAYER", h++, kLayerTable, "AcDbLayerTableRecord", layer.name);
    o.G(62, layer.colour);
    o.G(6, layer.ltype == kLtypeChain ? "CHAIN" : "Continuous");
    o.G(370, layer.weight);
    o.H(390, kPlotStyleNormal);
  }
  o.G(0, "ENDTAB");

  o.Table("STYLE", kStyleTable, 2);
  o.Record("STYLE", kStyleStandard, kStyleTable, "AcDbTextStyleTableRecord", "Standard");
  o.N(40, 0), o.N(41, 1), o.N(50, 0), o.G(71, 0), o.N(42, 2.5), o.G(3, "txt"), o.G(4, "");
  o.Record("STYLE", kStyleJis, kStyleTable, "AcDbTextStyleTableRecord", kTextStyle);
  o.N(40, 0), o.N(41, 1), o.N(50, 0), o.G(71, 0), o.N(42, kTextHeight), o.G(3, kTextFontFile);
  o.G(4, "");
  o.G(0, "ENDTAB");

  o.Table("VIEW", kViewTable, 0);
  o.G(0, "ENDTAB");
  o.Table("UCS", kUcsTable, 0);
  o.G(0, "ENDTAB");
  o.Table("APPID", kAppidTable, 1);
  o.Record("APPID", kAppidAcad, kAppidTable, "AcDbRegAppTableRecord", "ACAD");
  o.G(0, "ENDTAB");
  o.Table("DIMSTYLE", kDimstyleTable, 1);
  o.Record("DIMSTYLE", kDimstyleStandard, kDimstyleTable, "AcDbDimStyleTableRecord", "Standard");
  o.N(41, 2.5), o.N(140, 2.5), o.H(340, kStyleStandard);
  o.G(0, "ENDTAB");

  o.Table("BLOCK_RECORD", kBlockRecordTable, 2);
  o.Record("BLOCK_RECORD", kModelRecord, kBlockRecordTable, "AcDbBlockTableRecord",
           "*Model_Space");
  o.H(340, kModelLayout), o.G(70, 4), o.G(280, 1), o.G(281, 0);
  o.Record("BLOCK_RECORD", kPaperRecord, kBlockRecordTable, "AcDbBlockTableRecord",
           "*Paper_Space");
  o.H(340, kPaperLayout), o.G(70, 4), o.G(280, 1), o.G(281, 0);
  o.G(0, "ENDTAB");
  o.G(0, "ENDSEC");

  o.G(0, "SECTION");
  o.G(2, "BLOCKS");
  for (auto [rec, begin, end, name] :
       {std::tuple{kModelRecord, kModelBlock, kModelEnd, "*Model_Space"},
        std::tuple{kPaperRecord, kPaperBlock, kPaperEnd, "*Paper_Space"}}) {
    o.G(0, "BLOCK"), o.H(5, begin), o.H(330, rec), o.G(100, "AcDbEntity"), o.G(8, "0");
    o.G(100, "AcDbBlockBegin"), o.G(2, name), o.G(70, 0), o.N(10, 0), o.N(20, 0), o.N(30, 0);
    o.G(3, name), o.G(1, "");
    o.G(0, "ENDBLK"), o.H(5, end), o.H(330, rec), o.G(100, "AcDbEntity"), o.G(8, "0");
    o.G(100, "AcDbBlockEnd");
  }
  o.G(0, "ENDSEC");
}

void Layout(Out& o, unsigned handle, std::string_view name, int order, unsigned record) {
  o.G(0, "LAYOUT"), o.H(5, handle), o.H(330, kLayoutDict);
  o.G(100, "AcDbPlotSettings"), o.G(1, ""), o.G(2, "none_device"), o.G(4, ""), o.G(6, "");
  for (int c : {40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 140, 141}) o.N(c, 0);
  o.N(142, 1), o.N(143, 1), o.G(70, order == 0 ? 1024 : 0), o.G(72, 1), o.G(73, 0), o.G(74, 5);
  o.G(7, ""), o.G(75, 16), o.G(76, 0), o.G(77, 2), o.G(78, 300), o.N(147, 1), o.N(148, 0);
  o.N(149, 0);
  o.G(100, "AcDbLayout"), o.G(1, name), o.G(70, 1), o.G(71, order);
  o.N(10, 0), o.N(20, 0), o.N(11, 420), o.N(21, 297), o.N(12, 0), o.N(22, 0), o.N(32, 0);
  o.N(14, 0), o.N(24, 0), o.N(34, 0), o.N(15, 0), o.N(25, 0), o.N(35, 0), o.N(146, 0);
  o.N(13, 0), o.N(23, 0), o.N(33, 0), o.N(16, 1), o.N(26, 0), o.N(36, 0), o.N(17, 0);
  o.N(27, 1), o.N(37, 0), o.G(76, 0), o.H(330, record);
}

void Objects(Out& o) {
  o.G(0, "SECTION");
  o.G(2, "OBJECTS");
  o.G(0, "DICTIONARY"), o.H(5, kRootDict), o.H(330, 0), o.G(100, "AcDbDictionary"), o.G(281, 1);
  o.G(3, "ACAD_GROUP"), o.H(350, kGroupDict);
  o.G(3, "ACAD_LAYOUT"), o.H(350, kLayoutDict);
  o.G(3, "ACAD_PLOTSTYLENAME"), o.H(350, kPlotStyleDict);
  o.G(0, "DICTIONARY"), o.H(5, kGroupDict), o.H(330, kRootDict), o.G(100, "AcDbDictionary");
  o.G(281, 1);
  o.G(0, "DICTIONARY"), o.H(5, kLayoutDict), o.H(330, kRootDict), o.G(100, "AcDbDictionary");
  o.G(281, 1), o.G(3, "Model"), o.H(350, kModelLayout), o.G(3, "Layout1");
  o.H(350, kPaperLayout);
  o.G(0, "ACDBDICTIONARYWDFLT"), o.H(5, kPlotStyleDict), o.H(330, kRootDict);
  o.G(100, "AcDbDictionary"), o.G(281, 1), o.G(3, "Normal"), o.H(350, kPlotStyleNormal);
  o.G(100, "AcDbDictionaryWithDefault"), o.H(340, kPlotStyleNormal);
  o.G(0, "ACDBPLACEHOLDER"), o.H(5, kPlotStyleNormal), o.H(330, kPlotStyleDict);
  Layout(o, kModelLayout, "Model", 0, kModelRecord);
  Layout(o, kPaperLayout, "Layout1", 1, kPaperRecord);
  o.G(0, "ENDSEC");
}

// A scale for the chain pattern so that at least six patterns fit `length`.
double ChainScale(double length) { return std::min(1.0, length / (6 * kChainLength)); }

void Circle(Out& o, const char* layer, double r, bool chain) {
  o.Entity("CIRCLE", layer, "AcDbCircle", chain ? ChainScale(2 * M_PI * r) : 1);
  o.N(10, 0), o.N(20, 0), o.N(30, 0), o.N(40, r);
}

// CAD fonts for Japanese follow the JIS mapping of the wave dash (U+301C);
// the full-width tilde (U+FF5E) the program writes elsewhere is missing from
// them and would draw as a missing-glyph mark.
std::string CadText(std::string_view text) {
  static constexpr std::string_view kFullWidthTilde = "\uFF5E", kWaveDash = "\u301C";
  std::string s(text);
  for (auto at = s.find(kFullWidthTilde); at != std::string::npos;
       at = s.find(kFullWidthTilde, at + kWaveDash.size()))
    s.replace(at, kFullWidthTilde.size(), kWaveDash);
  return s;
}

void Text(Out& o, double x, double middle, std::string_view text) {
  o.Entity("TEXT", kLayerTableText, "AcDbText");
  o.N(10, x), o.N(20, middle), o.N(30, 0), o.N(40, kTextHeight), o.G(1, CadText(text));
  o.G(7, kTextStyle), o.G(72, 0), o.N(11, x), o.N(21, middle), o.N(31, 0);
  o.G(100, "AcDbText"), o.G(73, 2);
}

void Segment(Out& o, const char* layer, double x1, double y1, double x2, double y2,
             double linetypeScale = 1) {
  o.Entity("LINE", layer, "AcDbLine", linetypeScale);
  o.N(10, x1), o.N(20, y1), o.N(30, 0), o.N(11, x2), o.N(21, y2), o.N(31, 0);
}

}  // namespace

std::string RenderPartDrawingDxf(const PartDrawing& drawing) {
  // The table in the drawing's language, before its columns are measured.
  PartDrawing d = drawing;
  d.table.title = Render(d.language, d.table.title);
  for (DataTableRow& row : d.table.rows) {
    row.item = Render(d.language, row.item);
    row.detail = Render(d.language, row.detail);
    row.value = Render(d.language, row.value);
  }
  const FineOutline& f = d.outline;
  const double ra = f.tipRadius;
  const double over = std::clamp(0.1 * ra, 3.0, 10.0);

  // The table's columns: item, sub-item, value; an item without sub-item
  // spans the first two.
  const auto& rows = d.table.rows;
  double w1 = 0, w2 = 0, w3 = 40;
  for (const DataTableRow& r : rows) {
    if (!r.detail.empty()) {
      w1 = std::max(w1, TextWidth(r.item) + 2 * kPad + kColumnSlack);
      w2 = std::max(w2, TextWidth(r.detail) + 2 * kPad + kColumnSlack);
    }
    w3 = std::max(w3, TextWidth(r.value) + 2 * kPad + kColumnSlack);
  }
  for (const DataTableRow& r : rows) {
    if (r.detail.empty()) w2 = std::max(w2, TextWidth(r.item) + 2 * kPad + kColumnSlack - w1);
  }
  const double width = w1 + w2 + w3;
  const double x0 = ra + over + 10, y0 = ra;
  const double height = kRowHeight * static_cast<double>(rows.size() + 1);

  DxfLines entities;
  Out o(entities);
  o.G(0, "SECTION");
  o.G(2, "ENTITIES");
  const double chain = ChainScale(2 * (ra + over));
  Segment(o, kLayerCentre, -ra - over, 0, ra + over, 0, chain);
  Segment(o, kLayerCentre, 0, -ra - over, 0, ra + over, chain);
  Circle(o, kLayerReference, d.referenceDia / 2, true);
  Circle(o, kLayerRoot, d.rootDia / 2, false);
  Circle(o, kLayerTip, ra, false);

  o.Entity("LWPOLYLINE", kLayerOutline, "AcDbPolyline");
  o.G(90, static_cast<int>(f.vertices.size()));
  o.G(70, 1);
  for (std::size_t i = 0; i < f.vertices.size(); ++i) {
    o.N(10, f.vertices[i].x);
    o.N(20, f.vertices[i].y);
    if (f.bulges[i] != 0) o.N(42, f.bulges[i]);
  }

  // The table: a title row over all columns, then one row an item.
  const char* lines = kLayerTableLines;
  const double x1 = x0 + w1, x2 = x1 + w2, x3 = x0 + width, bottom = y0 - height;
  Segment(o, lines, x0, y0, x3, y0);
  Segment(o, lines, x0, bottom, x3, bottom);
  Segment(o, lines, x0, y0, x0, bottom);
  Segment(o, lines, x3, y0, x3, bottom);
  Text(o, x0 + kPad, y0 - kRowHeight / 2, d.table.title);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    const double top = y0 - kRowHeight * static_cast<double>(i + 1);
    const double low = top - kRowHeight;
    const bool continues = rows[i].item.empty();
    Segment(o, lines, continues ? x1 : x0, top, x3, top);
    if (!rows[i].detail.empty()) Segment(o, lines, x1, top, x1, low);
    Segment(o, lines, x2, top, x2, low);
    if (!continues) {
      std::size_t span = 1;
      while (i + span < rows.size() && rows[i + span].item.empty()) ++span;
      Text(o, x0 + kPad, top - kRowHeight * static_cast<double>(span) / 2, rows[i].item);
    }
    if (!rows[i].detail.empty()) Text(o, x1 + kPad, top - kRowHeight / 2, rows[i].detail);
    if (!rows[i].value.empty()) Text(o, x2 + kPad, top - kRowHeight / 2, rows[i].value);
  }
  o.G(0, "ENDSEC");

  const double minX = -ra - over, maxX = x3;
  const double minY = std::min(-ra - over, bottom), maxY = std::max(ra + over, y0);
  DxfLines head;
  Out h(head);
  Header(h, minX, minY, maxX, maxY, o.next);
  Tables(h, (minX + maxX) / 2, (minY + maxY) / 2, (maxY - minY) * 1.1, d.language);
  DxfLines tail;
  Out t(tail);
  Objects(t);
  t.G(0, "EOF");

  std::string bytes;
  bytes.reserve(head.Bytes().size() + entities.Bytes().size() + tail.Bytes().size());
  bytes += head.Bytes();
  bytes += entities.Bytes();
  bytes += tail.Bytes();
  return bytes;
}

}  // namespace spurgear
