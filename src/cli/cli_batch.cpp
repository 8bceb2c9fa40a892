// spurgear-cli batch: reads pairs as CSV or JSON lines and calculates each
// one as calc does, on every core, writing the rows in input order.
//
// Each worker keeps one started program (batch_worker.h); the rows come from
// batch_input.h. Rows travel in chunks through a bounded window: the reader
// stops when that many chunks are waiting to be written, so the memory used
// does not grow with the input.
#include "cli/batch.h"

#include <unistd.h>

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

#include "cli/batch_input.h"
#include "cli/batch_worker.h"
#include "cli/cli_common.h"

namespace spurgear::cli {
namespace {

using batch::CsvHeader;
using batch::PairWorker;
using batch::Row;
using batch::RowReader;

constexpr std::size_t kChunkRows = 128;

struct Chunk {
  std::size_t seq = 0;
  std::vector<Row> rows;
  std::string output;
  long failed = 0;
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
  // True once a write to the output failed (a closed pipe with SIGPIPE
  // ignored, a full disk): the reading stops there.
  bool writeFailed() const {
    std::lock_guard lock(mutex_);
    return writeFailed_;
  }
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
      // About what a JSON row takes, so that the text is not copied as it grows.
      chunk->output.reserve(chunk->rows.size() * 768);
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
      if (!writeFailed_) out_ << chunk->output;
      written_ += static_cast<long>(chunk->rows.size());
      failed_ += chunk->failed;
      lock.lock();
      --inFlight_;
      if (!out_) writeFailed_ = true;
    }
    if (!writeFailed_ && !out_.flush()) writeFailed_ = true;
  }

  const BatchOptions& options_;
  const std::size_t window_;
  std::ostream& out_;
  mutable std::mutex mutex_;
  std::condition_variable workReady_, doneReady_;
  std::deque<std::unique_ptr<Chunk>> todo_;
  std::map<std::size_t, std::unique_ptr<Chunk>> done_;
  std::size_t nextOut_ = 0;
  std::size_t inFlight_ = 0;
  bool closing_ = false;
  bool writeFailed_ = false;
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
  bool writeFailed = false;
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
      if (end || pipeline.writeFailed()) break;
    }
    pipeline.Finish([&] { progress(false); });
    written = pipeline.written();
    failed = pipeline.failed();
    writeFailed = pipeline.writeFailed();
  }
  out.flush();
  if (!reader.readError().empty()) {
    err << "入力を読み込めません: " << reader.readError() << "\n";
    return 1;
  }
  if (o.progress) {
    err << "\rbatch: " << written << " rows, " << failed << " not calculated\n" << std::flush;
  }
  return failed == 0 && !writeFailed ? 0 : 1;
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
      "{\"row\": n, \"results\": {...}, \"check\": 0|1, \"messages\": [...]} as calc prints\n"
      "them, {\"row\": n, \"error\": \"...\", \"check\": 2, \"messages\": [...]} for a pair the\n"
      "check refused, or {\"row\": n, \"error\": \"...\"}; the CSV has the same columns, its\n"
      "messages joined by \"; \". A bad row never stops the run; the exit status is 1 when\n"
      "any row failed.");
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
