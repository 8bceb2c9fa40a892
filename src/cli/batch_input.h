#pragma once
// The rows of a batch's input: CSV with a header naming the columns, or
// JSON lines with the same names as keys.
#include <array>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace spurgear::cli::batch {

// A longer line is refused as its row's error and is never held whole.
inline constexpr std::size_t kMaxLine = 1 << 20;

inline constexpr std::array<const char*, 6> kColumns = {"module", "z1", "z2", "x1", "x2",
                                                        "correction"};

struct Row {
  long number = 0;
  std::array<std::optional<std::string>, kColumns.size()> texts;  // by column
  std::string inputError;  // the row could not be read
};

// The rows of the input, one at a time.
class RowReader {
 public:
  explicit RowReader(std::istream& in) : in_(in) {}

  // Reads up to the first row; false with `problem` set when the input
  // cannot be taken as rows.
  bool Start(std::string& problem);
  // The next row, numbered from 1; false at the end of the input.
  bool Next(Row& row);
  // Why the input could not be read to its end (standard input closed, a
  // folder, an I/O error); empty when it could. The caller reports it and
  // ends with status 1 rather than take the rows so far as the whole input.
  const std::string& readError() const { return readError_; }

 private:
  bool ReadLine(std::string& line, bool& tooLong);
  bool Fill();
  void ReadCsv(const std::string& line, Row& row) const;
  static void ReadJson(const std::string& line, Row& row);

  std::istream& in_;
  // The input is read a block at a time: standard input straight from its
  // file, as much as is there, any other stream through its buffer.
  std::vector<char> block_ = std::vector<char>(1 << 16);
  std::size_t at_ = 0, end_ = 0;
  bool ended_ = false;
  bool json_ = false;
  std::vector<int> columns_;
  std::optional<std::string> pending_;
  bool pendingTooLong_ = false;
  bool first_ = true;
  std::string readError_;
  long count_ = 0;
};

}  // namespace spurgear::cli::batch
