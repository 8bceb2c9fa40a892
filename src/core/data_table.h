#pragma once
// A table of a drawing as rows of texts: an item, an optional sub-item and
// the value. A row whose item is empty belongs to the item above it (the
// item's cell spans both rows).
#include <string>
#include <vector>

namespace spurgear {

struct DataTableRow {
  std::string item;
  std::string detail;
  std::string value;
};

struct DataTable {
  std::string title;
  std::vector<DataTableRow> rows;
};

}  // namespace spurgear
