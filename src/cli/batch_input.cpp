// Reading a batch's rows: the header or the first JSON object decides the
// form, then one row a line, blank lines passed over.
#include "cli/batch_input.h"

#include <istream>
#include <nlohmann/json.hpp>
#include <string_view>

namespace spurgear::cli::batch {
namespace {

std::string Trim(std::string_view s) {
  const auto first = s.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  const auto last = s.find_last_not_of(" \t\r");
  return std::string(s.substr(first, last - first + 1));
}

// One CSV line into cells; a cell may be quoted, "" standing for a quote.
std::vector<std::string> SplitCsv(std::string_view line) {
  std::vector<std::string> cells;
  std::string cell;
  bool quoted = false, wasQuoted = false;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const char c = line[i];
    if (quoted) {
      if (c == '"' && i + 1 < line.size() && line[i + 1] == '"') {
        cell += '"';
        ++i;
      } else if (c == '"') {
        quoted = false;
      } else {
        cell += c;
      }
    } else if (c == '"' && Trim(cell).empty()) {
      quoted = wasQuoted = true;
      cell.clear();
    } else if (c == ',') {
      cells.push_back(wasQuoted ? cell : Trim(cell));
      cell.clear();
      wasQuoted = false;
    } else if (!(wasQuoted && (c == ' ' || c == '\t' || c == '\r'))) {
      cell += c;
    }
  }
  cells.push_back(wasQuoted ? cell : Trim(cell));
  return cells;
}

int ColumnIndex(std::string_view name) {
  for (std::size_t i = 0; i < kColumns.size(); ++i) {
    if (name == kColumns[i]) return static_cast<int>(i);
  }
  return -1;
}

}  // namespace

bool RowReader::Start(std::string& problem) {
  std::string line;
  while (std::getline(in_, line)) {
    const std::string t = Trim(line);
    if (t.empty()) continue;
    if (t[0] == '{') {
      json_ = true;
      pending_ = t;
      return true;
    }
    for (const std::string& name : SplitCsv(t)) {
      const int i = ColumnIndex(name);
      if (i < 0) {
        problem = "unknown column '" + name + "' in the header; the columns are "
                  "module,z1,z2,x1,x2,correction";
        return false;
      }
      for (int c : columns_) {
        if (c == i) {
          problem = "column '" + name + "' named twice in the header";
          return false;
        }
      }
      columns_.push_back(i);
    }
    return true;
  }
  return true;  // no rows at all
}

bool RowReader::Next(Row& row) {
  std::string line;
  if (pending_) {
    line = std::move(*pending_);
    pending_.reset();
  } else {
    do {
      if (!std::getline(in_, line)) return false;
      line = Trim(line);
    } while (line.empty());
  }
  row = Row{};
  row.number = ++count_;
  if (json_) {
    ReadJson(line, row);
  } else {
    ReadCsv(line, row);
  }
  return true;
}

void RowReader::ReadCsv(const std::string& line, Row& row) const {
  const std::vector<std::string> cells = SplitCsv(line);
  if (cells.size() != columns_.size()) {
    row.inputError = "expected " + std::to_string(columns_.size()) + " values, found " +
                     std::to_string(cells.size());
    return;
  }
  // An empty cell is a value left out, as a missing column is.
  for (std::size_t i = 0; i < cells.size(); ++i) {
    if (!cells[i].empty()) row.texts[columns_[i]] = cells[i];
  }
}

void RowReader::ReadJson(const std::string& line, Row& row) {
  const nlohmann::json j = nlohmann::json::parse(line, nullptr, false);
  if (j.is_discarded() || !j.is_object()) {
    row.inputError = "not a JSON object";
    return;
  }
  for (const auto& [key, value] : j.items()) {
    const int i = ColumnIndex(key);
    if (i < 0) {
      row.inputError = "unknown key '" + key + "'";
      return;
    }
    if (value.is_string()) {
      row.texts[i] = value.get<std::string>();
    } else if (value.is_number()) {
      // The shortest text that reads back as the same number.
      row.texts[i] = value.dump();
    } else if (!value.is_null()) {
      row.inputError = "'" + key + "' is neither a number nor a text";
      return;
    }
  }
}

}  // namespace spurgear::cli::batch
