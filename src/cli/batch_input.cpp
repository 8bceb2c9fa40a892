// Reading a batch's rows: the header or the first JSON object decides the
// form, then one row a line, blank lines passed over.
#include "cli/batch_input.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <iostream>
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

const std::string kTooLong = "line longer than 1 MiB";

}  // namespace

// The next block of the input; false at its end, or on an error, which
// readError_ then names.
bool RowReader::Fill() {
  at_ = end_ = 0;
  if (ended_) return false;
  if (&in_ == &std::cin) {
    for (;;) {
      const ssize_t n = ::read(STDIN_FILENO, block_.data(), block_.size());
      if (n > 0) {
        end_ = static_cast<std::size_t>(n);
        return true;
      }
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) readError_ = std::strerror(errno);
      break;
    }
  } else {
    errno = 0;
    std::streambuf* buf = in_.rdbuf();
    const std::streamsize n =
        buf ? buf->sgetn(block_.data(), static_cast<std::streamsize>(block_.size())) : 0;
    if (n > 0) {
      end_ = static_cast<std::size_t>(n);
      return true;
    }
    if (in_.bad()) readError_ = std::strerror(errno ? errno : EIO);
  }
  ended_ = true;
  in_.setstate(std::ios::eofbit);
  return false;
}

// The next line without its end; false at the end of the input. Past
// kMaxLine the rest of the line is read and dropped. A leading UTF-8 byte
// order mark (spreadsheets write one) is dropped.
bool RowReader::ReadLine(std::string& line, bool& tooLong) {
  line.clear();
  tooLong = false;
  if (at_ == end_ && !Fill()) return false;
  for (;;) {
    const char* from = block_.data() + at_;
    const std::size_t left = end_ - at_;
    const char* newline = static_cast<const char*>(std::memchr(from, '\n', left));
    const std::size_t n = newline ? static_cast<std::size_t>(newline - from) : left;
    const std::size_t room = kMaxLine - line.size();
    if (n > room) tooLong = true;
    line.append(from, std::min(n, room));
    at_ += n;
    if (newline) {
      ++at_;
      break;
    }
    if (!Fill()) break;
  }
  if (first_) {
    first_ = false;
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
  }
  return true;
}

bool RowReader::Start(std::string& problem) {
  std::string line;
  bool tooLong = false;
  while (ReadLine(line, tooLong)) {
    const std::string t = Trim(line);
    if (t.empty()) continue;
    if (t[0] == '{') {
      json_ = true;
      pending_ = t;
      pendingTooLong_ = tooLong;
      return true;
    }
    if (tooLong) {
      problem = "the header is a " + kTooLong;
      return false;
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
  bool tooLong = false;
  if (pending_) {
    line = std::move(*pending_);
    tooLong = pendingTooLong_;
    pending_.reset();
  } else {
    do {
      if (!ReadLine(line, tooLong)) return false;
      line = Trim(line);
    } while (line.empty() && !tooLong);
  }
  row = Row{};
  row.number = ++count_;
  if (tooLong) {
    row.inputError = kTooLong;
  } else if (json_) {
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
