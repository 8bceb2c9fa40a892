#include "fuzz/harness.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "cli/cli.h"
#include "commands/memory_ports.h"
#include "core/errors.h"
#include "core/gear_record.h"
#include "core/number_text.h"

namespace spurgear::fuzz {
namespace {

[[noreturn]] void Fail() { __builtin_trap(); }

MemoryProgram& Program() {
  static MemoryProgram* program = [] {
    auto* p = new MemoryProgram();
    p->StartUp();
    return p;
  }();
  return *program;
}

}  // namespace

void HgdReader(const uint8_t* data, std::size_t size) {
  HistoryTable table{};
  InitHistoryTable(table);
  const TableBytes before = EncodeTable(table);
  try {
    ApplyGearFileBytes(table, data, size, "fuzz.hgd");
  } catch (const FileError&) {
    if (EncodeTable(table) != before) Fail();  // a refused file changes nothing
    return;
  }
  const std::size_t n = size < kTableBytes ? size : kTableBytes;
  const TableBytes after = EncodeTable(table);
  if (n > 0 && std::memcmp(after.data(), data, n) != 0) Fail();
  if (std::memcmp(after.data() + n, before.data() + n, kTableBytes - n) != 0) Fail();
}

void HgdCommands(const uint8_t* data, std::size_t size) {
  MemoryProgram& p = Program();
  Commands& c = p.commands;
  InitHistoryTable(p.state.table);
  try {
    ApplyGearFileBytes(p.state.table, data, size, "fuzz.hgd");
  } catch (const FileError&) {
    return;
  }
  c.MarkResultsBelong();
  // What the file read command does after loading, then every command.
  c.Run([&] { c.ClearHistoryGrid(); c.ShowResults(); c.PushHistory(); });
  using Handler = void (Commands::*)();
  static const Handler handlers[] = {
      &Commands::BitBtn33Click, &Commands::N4Click,       &Commands::N6Click,
      &Commands::N7Click,       &Commands::RG1Click,      &Commands::BitBtn6Click,
      &Commands::BitBtn5Click,  &Commands::Timer1Timer,   &Commands::BitBtn8Click,
      &Commands::BitBtn9Click,  &Commands::BitBtn13Click, &Commands::BitBtn14Click,
      &Commands::BitBtn10Click, &Commands::BitBtn11Click, &Commands::BitBtn12Click,
      &Commands::BitBtn15Click, &Commands::BitBtn18Click, &Commands::BitBtn19Click,
      &Commands::BitBtn20Click, &Commands::BitBtn1Click,  &Commands::BitBtn2Click,
      &Commands::BitBtn3Click,  &Commands::BitBtn4Click,  &Commands::BitBtn7Click,
      &Commands::Print1Click,   &Commands::Help2Click,    &Commands::N2Click,
  };
  for (Handler h : handlers) c.Run([&] { (c.*h)(); });
  for (int row = 0; row <= 10; ++row) c.Run([&] { c.sg1Click(row); });
  c.Run([&] { c.N1Click(); });  // cancelled: pushes and shows the history
  p.messages.lines.clear();
  p.box.errors.clear();
}

void Parsers(const uint8_t* data, std::size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  double d;
  if (TryParseDecimal(text, d)) {
    if (!std::isfinite(d)) Fail();
    // The C library reads the same text to the same bits.
    const std::size_t b = text.find_first_not_of(' ');
    const std::string trimmed(text.substr(b, text.find_last_not_of(' ') + 1 - b));
    const double c = std::strtod(trimmed.c_str(), nullptr);
    if (std::memcmp(&c, &d, sizeof d) != 0) Fail();
    for (int precision : {6, 11, 15}) {
      double back;
      std::string g = FormatGeneral(d, precision);
      if (!TryParseDecimal(g, back)) Fail();  // what we print, we read
      std::string f = FormatFixed(d, 3, precision);
      if (!TryParseDecimal(f, back)) Fail();
    }
    if (ParseDecimal(FormatGeneral(d, 17)) != d) Fail();
  }
  int32_t w;
  if (TryParseWhole(text, w)) {
    if (ParseWhole(FormatGeneral(w, 11)) != w) Fail();
  }
}

void CliArgs(const uint8_t* data, std::size_t size) {
  std::vector<std::string> args;
  std::string current;
  for (std::size_t i = 0; i < size && args.size() < 24; ++i) {
    if (data[i] == 0) {
      args.push_back(current);
      current.clear();
    } else {
      current.push_back(static_cast<char>(data[i]));
    }
  }
  if (!current.empty() && args.size() < 24) args.push_back(current);
  // Never let generated arguments write files.
  for (std::string& a : args) {
    if (a.find("--save") != std::string::npos || a.find("--output") != std::string::npos) {
      a = "--help";
    }
  }
  std::ostringstream out, err;
  RunCli(args, out, err);
}

}  // namespace spurgear::fuzz
