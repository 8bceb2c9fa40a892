#pragma once
// One batch worker: a program started once, and each row calculated in it
// from the started state and written as one output line.
#include <array>
#include <iosfwd>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch.h"
#include "cli/batch_input.h"
#include "commands/memory_ports.h"

namespace spurgear::cli::batch {

// The CSV output's header line, its columns in the order rows write them.
std::string CsvHeader();

class PairWorker {
 public:
  // Starts the program with `load`'s file; a failure goes to `err` and
  // leaves ok() false.
  PairWorker(const std::optional<std::string>& load, std::ostream& err);
  bool ok() const { return ok_; }

  // Appends the row's line to `out`; false when the row did not calculate.
  bool Calculate(const Row& row, BatchFormat format, std::string& out);

 private:
  MemoryProgram p_;
  bool ok_ = false;
  GearPairRecord started_{};
  std::array<std::string, kColumns.size()> startedTexts_;
  std::string startedRotation_;
  std::ostringstream unsaid_;  // the row's own line says what calc would say
  // Most rows end in the same few message lists: the last one written, kept
  // with its JSON.
  std::vector<std::string> lastLines_;
  std::string lastLinesJson_;
};

}  // namespace spurgear::cli::batch
