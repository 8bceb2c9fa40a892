#pragma once
// spurgear-cli batch: many pairs from one stream, each calculated as calc
// calculates it, the rows written in input order.
#include <iosfwd>
#include <optional>
#include <string>

namespace spurgear::cli {

enum class BatchFormat { JsonLines, Csv };

struct BatchOptions {
  std::optional<std::string> load;  // the file every row starts from
  BatchFormat format = BatchFormat::JsonLines;
  unsigned jobs = 0;      // worker threads; 0 for one per core
  bool progress = false;  // a running count on `err`
};

// Reads CSV with a header naming any of module,z1,z2,x1,x2,correction, or
// JSON lines with those keys, and writes one result per row. Returns 0 when
// every row calculated, 1 when any did not (or --load failed), 64 when the
// input cannot be read as rows at all (a header naming an unknown column).
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& options);

}  // namespace spurgear::cli
