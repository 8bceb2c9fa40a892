#pragma once
// The ports held in memory: the headless CLI runs the commands over these,
// and the tests use them as fakes.
#include <array>
#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "commands/commands.h"

namespace spurgear {

// The window's fields with their initial texts and selections; a name the
// window has no control for throws std::logic_error.
class MemoryFields : public FieldPort {
 public:
  MemoryFields();
  std::string Text(std::string_view name) const override;
  bool SetText(std::string_view name, std::string_view text) override;
  int Index(std::string_view name) const override;
  void SetIndex(std::string_view name, int index) override;
  void SetRed(std::string_view name, bool red) override;
  bool Red(std::string_view name) const;
  int writes = 0;  // writes that changed a text

 private:
  using TextEntry = std::pair<const std::string_view, std::string>;
  TextEntry& Find(std::string_view name) const;

  // Keyed by the control names of the initial tables, which live as long as
  // the program; hashed because batch looks names up millions of times.
  std::unordered_map<std::string_view, std::string> texts_;
  // The commands pass the same few name constants again and again: a small
  // table indexed by the name's address finds them without hashing. An
  // entry is only taken when its key reads the same as the name, so an
  // address reused by another text can never give the wrong field.
  // A copy starts with it empty: its entries are the original's.
  static constexpr int kRecentBits = 8;
  struct Recent {
    std::array<TextEntry*, std::size_t{1} << kRecentBits> at{};
    Recent() = default;
    Recent(const Recent&) {}
    Recent& operator=(const Recent&) {
      at = {};
      return *this;
    }
  };
  mutable Recent recent_;
  std::unordered_map<std::string_view, int> indices_;
  std::unordered_set<std::string_view> red_;
};

class MemoryMessages : public MessagePort {
 public:
  void Clear() override { lines.clear(); }
  void Add(std::string_view line) override { lines.emplace_back(line); }
  void SetColor(ListColor c) override { color = c; }
  std::vector<std::string> lines;
  ListColor color = ListColor::Red;
};

class MemoryTimer : public TimerPort {
 public:
  void SetEnabled(bool e) override { enabled = e; }
  bool Enabled() const override { return enabled; }
  void SetInterval(int ms) override { interval = ms; }
  int Interval() const override { return interval; }
  bool enabled = true;
  int interval = 100;
};

// Keeps visibility and the busy label; drawing is counted, not done.
class MemoryPictures : public PicturePort {
 public:
  void DrawOutlines(std::string_view image, int, int, int, const ViewWindow&,
                    std::span<const Point2D>, std::span<const Point2D>, int) override {
    ++draws[std::string(image)];
  }
  void DrawSegment(std::string_view image, const ViewWindow&, double, double, double,
                   double) override {
    ++segments[std::string(image)];
  }
  void DrawScaleBar(std::string_view, double, double) override {}
  void SetVisible(std::string_view image, bool v) override { visible[std::string(image)] = v; }
  bool Visible(std::string_view image) const override;
  void SetBusy(std::string_view text) override { busy = std::string(text); }
  std::map<std::string, bool, std::less<>> visible;
  std::map<std::string, int, std::less<>> draws;
  std::map<std::string, int, std::less<>> segments;
  std::string busy;
};

// Answers each dialog from a queue; an empty queue is a cancel.
class ScriptedDialogs : public DialogPort {
 public:
  std::optional<std::string> Open(std::string_view dialog) override { return Next(dialog); }
  std::optional<std::string> Save(std::string_view dialog) override { return Next(dialog); }
  void WriteFailed(std::string_view dialog) override { failed.emplace_back(dialog); }
  std::deque<std::optional<std::string>> answers;
  std::vector<std::string> asked;
  std::vector<std::string> failed;

 private:
  std::optional<std::string> Next(std::string_view dialog);
};

class MemoryBox : public MessageBoxPort {
 public:
  void ShowError(std::string_view text, std::string_view detail = {}) override {
    errors.emplace_back(text);
    details.emplace_back(detail);
  }
  bool Ask(std::string_view question) override {
    questions.emplace_back(question);
    return yes;
  }
  std::vector<std::string> errors;
  std::vector<std::string> details;  // one for each error, empty where none
  std::vector<std::string> questions;
  bool yes = false;  // the answer to every question
};

class MemoryHistory : public HistoryPort {
 public:
  void SetCell(int column, int row, std::string_view text) override;
  std::string Cell(int column, int row) const override;
  void ShowWindow() override { shown = true; }
  std::string cells[11][10];
  bool shown = false;
};

class MemoryDesktop : public DesktopPort {
 public:
  void SetClipboard(std::string_view text) override { clipboard = std::string(text); }
  bool PrintWindow() override { ++prints; return hasPrinter; }
  void WriteWindowPdf(const std::string& path) override { pdfs.push_back(path); }
  void OpenHelp() override { ++helps; }
  void Close() override { closed = true; }
  std::string clipboard;
  bool hasPrinter = false;
  int prints = 0;
  std::vector<std::string> pdfs;
  int helps = 0;
  bool closed = false;
};

// A whole headless program: the state, every port in memory and the
// commands over them.
struct MemoryProgram {
  MemoryProgram();
  // The start-up of the program: the main window's creation (with its
  // calculation) and the history window's.
  void StartUp();

  std::unique_ptr<AppState> owned;
  AppState& state;
  MemoryFields fields;
  MemoryMessages messages;
  MemoryTimer timer;
  MemoryPictures pictures;
  ScriptedDialogs dialogs;
  MemoryBox box;
  MemoryHistory history;
  MemoryDesktop desktop;
  Commands commands;
};

}  // namespace spurgear
