// spurgear-cli batch: reads pairs as CSV or JSON lines and calculates each
// one as calc does, on every core, writing the rows in input order.
//
// Each worker keeps one started program and puts its pair and its input
// fields back to the started state before every row, so a row sees exactly
// what a fresh calc would. Rows travel in chunks through a bounded window:
// the reader stops when that many chunks are waiting to be written, so the
// memory used does not grow with the input.
#include "cli/batch.h"

#include <unistd.h>

#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <istream>
#include <map>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>
#include <vector>

#include "cli/cli_common.h"

namespace spurgear::cli {
namespace {

constexpr std::array<const char*, 6> kColumns = {"module", "z1", "z2", "x1", "x2", "correction"};
// The fields the columns go into, in the same order.
constexpr std::array<const char*, 6> kFields = {"Edit1", "Edit2", "Edit3", "Edit4", "Edit5", "Edit15"};
constexpr std::size_t kChunkRows = 128;

struct Row {
  long number = 0;
  std::array<std::optional<std::string>, 6> texts;
  std::string inputError;  // the row could not be read
};

struct Chunk {
  std::size_t seq = 0;
  std::vector<Row> rows;
  std::string output;
  long failed = 0;
};

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

// The rows of the input, one at a time.
class RowReader {
 public:
  explicit RowReader(std::istream& in) : in_(in) {}

  // Reads up to the first row; false with `problem` set when the input
  // cannot be taken as rows.
  bool Start(std::string& problem) {
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

  bool Next(Row& row) {
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

 private:
  void ReadCsv(const std::string& line, Row& row) const {
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

  static void ReadJson(const std::string& line, Row& row) {
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

  std::istream& in_;
  bool json_ = false;
  std::vector<int> columns_;
  std::optional<std::string> pending_;
  long count_ = 0;
};

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string CsvNumber(const nlohmann::json& v) { return v.is_null() ? "" : v.dump(); }

std::string CsvHeader() {
  return "row,module,z1,z2,x1,x2,pressure_angle_deg,working_pressure_angle_deg,"
         "center_modification_coefficient,center_distance,distance_correction,"
         "corrected_center_distance,working_pitch_diameter1,working_pitch_diameter2,"
         "tip_diameter1,tip_diameter2,root_diameter1,root_diameter2,base_diameter1,"
         "base_diameter2,contact_ratio,tip_thickness1,tip_thickness2,normal_backlash,check,"
         "error\n";
}

std::string Join(const std::vector<std::string>& lines, const char* between) {
  std::string s;
  for (const std::string& l : lines) s += (s.empty() ? "" : between) + l;
  return s;
}

// One worker's program, started once.
class PairWorker {
 public:
  PairWorker(const std::optional<std::string>& load, std::ostream& err) {
    ok_ = StartPair(p_, load, err);
    // Rows have no pictures; the outlines are still built, as they decide
    // whether a pair calculates.
    p_.commands.drawViews = false;
    started_ = p_.state.slot0();
    for (std::size_t i = 0; i < kFields.size(); ++i) startedTexts_[i] = p_.fields.Text(kFields[i]);
    startedRotation_ = p_.fields.Text("Edit19");
  }
  bool ok() const { return ok_; }

  // Appends the row's line to `out`; false when the row did not calculate.
  bool Calculate(const Row& row, BatchFormat format, std::string& out) {
    if (!row.inputError.empty()) return Fail(row, row.inputError, {}, format, out);
    // Back to the started pair: the inputs the row leaves out are the ones
    // the program started with, and nothing of the previous row remains.
    p_.state.slot0() = started_;
    for (std::size_t i = 0; i < kFields.size(); ++i) p_.fields.SetText(kFields[i], startedTexts_[i]);
    p_.fields.SetText("Edit19", startedRotation_);
    p_.box.errors.clear();

    PairOptions o;
    o.module = row.texts[0];
    if (row.texts[1] || row.texts[2]) {
      o.teeth = {row.texts[1].value_or(startedTexts_[1]), row.texts[2].value_or(startedTexts_[2])};
    }
    if (row.texts[3] || row.texts[4]) {
      o.shift = {row.texts[3].value_or(startedTexts_[3]), row.texts[4].value_or(startedTexts_[4])};
    }
    o.correction = row.texts[5];
    std::ostringstream why;
    const CalcOutcome outcome = CalculatePair(p_, o, why);
    const std::vector<std::string>& lines = p_.messages.lines;
    if (outcome == CalcOutcome::Failed) {
      std::string text = why.str();
      while (!text.empty() && text.back() == '\n') text.pop_back();
      return Fail(row, text, {}, format, out);
    }
    if (outcome == CalcOutcome::Refused) {
      std::vector<std::string> errors;
      for (const std::string& l : lines) {
        if (l.rfind("error", 0) == 0) errors.push_back(l);
      }
      return Fail(row, Join(errors, "; "), lines, format, out);
    }
    const nlohmann::json r = ResultsJson(p_.state.slot0());
    if (format == BatchFormat::JsonLines) {
      out += "{\"row\":" + std::to_string(row.number) + ",\"results\":" + Dump(r) +
             ",\"check\":" + Dump(nlohmann::json(lines)) + "}\n";
    } else {
      out += std::to_string(row.number);
      for (const char* key : {"module"}) out += "," + CsvNumber(r[key]);
      for (const char* key : {"teeth", "shift"}) {
        out += "," + CsvNumber(r[key][0]) + "," + CsvNumber(r[key][1]);
      }
      for (const char* key : {"pressure_angle_deg", "working_pressure_angle_deg",
                              "center_modification_coefficient", "center_distance",
                              "distance_correction", "corrected_center_distance"}) {
        out += "," + CsvNumber(r[key]);
      }
      for (const char* key :
           {"working_pitch_diameter", "tip_diameter", "root_diameter", "base_diameter"}) {
        out += "," + CsvNumber(r[key][0]) + "," + CsvNumber(r[key][1]);
      }
      out += "," + CsvNumber(r["contact_ratio"]);
      out += "," + CsvNumber(r["tip_thickness"][0]) + "," + CsvNumber(r["tip_thickness"][1]);
      out += "," + CsvNumber(r["normal_backlash"]);
      out += "," + CsvCell(Join(lines, "; ")) + ",\n";
    }
    return true;
  }

 private:
  static std::string Dump(const nlohmann::json& j) {
    return j.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
  }

  static bool Fail(const Row& row, const std::string& error, const std::vector<std::string>& check,
                   BatchFormat format, std::string& out) {
    if (format == BatchFormat::JsonLines) {
      out += "{\"row\":" + std::to_string(row.number) + ",\"error\":" + Dump(error);
      if (!check.empty()) out += ",\"check\":" + Dump(nlohmann::json(check));
      out += "}\n";
    } else {
      out += std::to_string(row.number) + std::string(23, ',') + "," +
             CsvCell(Join(check, "; ")) + "," + CsvCell(error) + "\n";
    }
    return false;
  }

  MemoryProgram p_;
  bool ok_ = false;
  GearPairRecord started_{};
  std::array<std::string, 6> startedTexts_;
  std::string startedRotation_;
};

// Chunks waiting for a worker, and finished chunks waiting for their turn.
class Pipeline {
 public:
  Pipeline(const BatchOptions& o, unsigned jobs, std::ostream& out)
      : options_(o), window_(jobs * 4), out_(out) {
    for (unsigned i = 0; i < jobs; ++i) workers_.emplace_back([this] { Work(); });
  }
  ~Pipeline() {
    {
      std::lock_guard lock(mutex_);
      closing_ = true;
    }
    workReady_.notify_all();
    for (std::thread& t : workers_) t.join();
  }

  // Hands a chunk to the workers, first writing finished chunks until the
  // window has room.
  void Submit(std::unique_ptr<Chunk> chunk) {
    std::unique_lock lock(mutex_);
    WriteReady(lock);
    while (inFlight_ >= window_) {
      doneReady_.wait(lock, [&] { return done_.count(nextOut_) > 0; });
      WriteReady(lock);
    }
    ++inFlight_;
    todo_.push_back(std::move(chunk));
    lock.unlock();
    workReady_.notify_one();
  }

  // Writes everything submitted; with `progress`, calls it between chunks.
  template <class F>
  void Finish(F&& progress) {
    std::unique_lock lock(mutex_);
    while (inFlight_ > 0) {
      doneReady_.wait_for(lock, std::chrono::milliseconds(250),
                          [&] { return done_.count(nextOut_) > 0; });
      WriteReady(lock);
      progress();
    }
  }

  long written() const { return written_; }
  long failed() const { return failed_; }

 private:
  void Work() {
    std::ostringstream startErr;
    PairWorker worker(options_.load, startErr);
    for (;;) {
      std::unique_ptr<Chunk> chunk;
      {
        std::unique_lock lock(mutex_);
        workReady_.wait(lock, [&] { return closing_ || !todo_.empty(); });
        if (todo_.empty()) return;
        chunk = std::move(todo_.front());
        todo_.pop_front();
      }
      for (const Row& row : chunk->rows) {
        if (!worker.Calculate(row, options_.format, chunk->output)) ++chunk->failed;
      }
      {
        std::lock_guard lock(mutex_);
        done_[chunk->seq] = std::move(chunk);
      }
      doneReady_.notify_all();
    }
  }

  void WriteReady(std::unique_lock<std::mutex>& lock) {
    for (auto it = done_.find(nextOut_); it != done_.end(); it = done_.find(nextOut_)) {
      std::unique_ptr<Chunk> chunk = std::move(it->second);
      done_.erase(it);
      ++nextOut_;
      lock.unlock();
      out_ << chunk->output;
      written_ += static_cast<long>(chunk->rows.size());
      failed_ += chunk->failed;
      lock.lock();
      --inFlight_;
    }
    out_.flush();
  }

  const BatchOptions& options_;
  const std::size_t window_;
  std::ostream& out_;
  std::mutex mutex_;
  std::condition_variable workReady_, doneReady_;
  std::deque<std::unique_ptr<Chunk>> todo_;
  std::map<std::size_t, std::unique_ptr<Chunk>> done_;
  std::size_t nextOut_ = 0;
  std::size_t inFlight_ = 0;
  bool closing_ = false;
  long written_ = 0, failed_ = 0;
  std::vector<std::thread> workers_;
};

}  // namespace

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const BatchOptions& o) {
  // The file is tried once here, so that a file that cannot be opened is
  // one message and not one per row.
  if (o.load) {
    MemoryProgram probe;
    if (!StartPair(probe, o.load, err)) return 1;
  }
  RowReader reader(in);
  std::string problem;
  if (!reader.Start(problem)) {
    err << "batch: " << problem << "\n";
    return 64;
  }
  if (o.format == BatchFormat::Csv) out << CsvHeader();

  const unsigned jobs = o.jobs > 0 ? o.jobs : std::max(1u, std::thread::hardware_concurrency());
  auto lastShown = std::chrono::steady_clock::now();
  long read = 0;
  auto progress = [&](bool last) {
    if (!o.progress) return;
    const auto now = std::chrono::steady_clock::now();
    if (!last && now - lastShown < std::chrono::milliseconds(250)) return;
    lastShown = now;
    err << "\rbatch: " << read << " rows read" << (last ? "\n" : "") << std::flush;
  };
  long written = 0, failed = 0;
  {
    Pipeline pipeline(o, jobs, out);
    std::size_t seq = 0;
    for (;;) {
      auto chunk = std::make_unique<Chunk>();
      chunk->seq = seq++;
      chunk->rows.reserve(kChunkRows);
      Row row;
      while (chunk->rows.size() < kChunkRows && reader.Next(row)) chunk->rows.push_back(std::move(row));
      if (chunk->rows.empty()) break;
      read += static_cast<long>(chunk->rows.size());
      const bool end = chunk->rows.size() < kChunkRows;
      pipeline.Submit(std::move(chunk));
      progress(false);
      if (end) break;
    }
    pipeline.Finish([&] { progress(false); });
    written = pipeline.written();
    failed = pipeline.failed();
  }
  out.flush();
  if (o.progress) {
    err << "\rbatch: " << written << " rows, " << failed << " not calculated\n" << std::flush;
  }
  return failed == 0 ? 0 : 1;
}

Subcommand AddBatch(CLI::App& app, std::istream& in, std::ostream& out, std::ostream& err) {
  struct Options {
    BatchOptions batch;
    std::string format = "json";
  };
  auto o = std::make_shared<Options>();
  CLI::App* c = app.add_subcommand(
      "batch",
      "Calculate many pairs read from standard input, each as calc would, and write one\n"
      "result per row in input order. The input is CSV with a header naming any of\n"
      "module,z1,z2,x1,x2,correction, or JSON lines with those keys; a column left out\n"
      "takes the default (or the --load file's value). Each output line is\n"
      "{\"row\": n, \"results\": {...}, \"check\": [...]} or {\"row\": n, \"error\": \"...\"}.\n"
      "A bad row never stops the run; the exit status is 1 when any row failed.");
  AddLoadOption(*c, o->batch.load);
  c->add_option("--format", o->format, "json (JSON lines, the default) or csv (with a header)")
      ->type_name("json|csv")
      ->check(CLI::IsMember({"json", "csv"}));
  c->add_option("--jobs", o->batch.jobs, "worker threads (default: one per core)")
      ->type_name("N")
      ->check(CLI::Range(0u, 1024u));
  return {c, [o, &in, &out, &err]() {
            o->batch.format = o->format == "csv" ? BatchFormat::Csv : BatchFormat::JsonLines;
            o->batch.progress = isatty(2) != 0;
            return RunBatch(in, out, err, o->batch);
          }};
}

}  // namespace spurgear::cli
