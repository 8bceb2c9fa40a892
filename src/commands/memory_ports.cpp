#include "commands/memory_ports.h"

#include <cstdint>
#include <memory>
#include <stdexcept>

#include "commands/form_defaults.h"

namespace spurgear {
namespace {

// The fields are those of the window: a name no control carries is a
// programming error, not an empty field.
[[noreturn]] void NoSuchControl(std::string_view name) {
  throw std::logic_error("no control named " + std::string(name));
}

}  // namespace

MemoryFields::MemoryFields() {
  for (const auto& [name, text] : kInitialTexts) texts_.emplace(name, text);
  for (const auto& [name, index] : kInitialIndices) indices_.emplace(name, index);
}

MemoryFields::TextEntry& MemoryFields::Find(std::string_view name) const {
  const auto address = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(name.data()));
  TextEntry*& recent = recent_.at[(address * 0x9E3779B97F4A7C15u) >> (64 - kRecentBits)];
  if (recent != nullptr &&
      ((recent->first.data() == name.data() && recent->first.size() == name.size()) ||
       recent->first == name)) {
    return *recent;
  }
  auto it = texts_.find(name);
  if (it == texts_.end()) NoSuchControl(name);
  recent = const_cast<TextEntry*>(&*it);
  return *recent;
}

std::string MemoryFields::Text(std::string_view name) const { return Find(name).second; }

bool MemoryFields::SetText(std::string_view name, std::string_view text) {
  std::string& shown = Find(name).second;
  if (shown == text) return false;
  shown.assign(text);
  ++writes;
  return true;
}

int MemoryFields::Index(std::string_view name) const {
  auto it = indices_.find(name);
  if (it == indices_.end()) NoSuchControl(name);
  return it->second;
}

void MemoryFields::SetIndex(std::string_view name, int index) {
  auto it = indices_.find(name);
  if (it == indices_.end()) NoSuchControl(name);
  it->second = index;
}

void MemoryFields::SetRed(std::string_view name, bool red) {
  const std::string_view key = Find(name).first;
  if (red) {
    red_.insert(key);
  } else {
    red_.erase(name);
  }
}

bool MemoryFields::Red(std::string_view name) const { return red_.contains(name); }

bool MemoryPictures::Visible(std::string_view image) const {
  auto it = visible.find(image);
  return it != visible.end() && it->second;
}

std::optional<std::string> ScriptedDialogs::Next(std::string_view dialog) {
  asked.emplace_back(dialog);
  if (answers.empty()) return std::nullopt;
  std::optional<std::string> a = answers.front();
  answers.pop_front();
  return a;
}

void MemoryHistory::SetCell(int column, int row, std::string_view text) {
  if (column >= 0 && column < 10 && row >= 0 && row < 11) cells[row][column] = std::string(text);
}

std::string MemoryHistory::Cell(int column, int row) const {
  if (column >= 0 && column < 10 && row >= 0 && row < 11) return cells[row][column];
  return {};
}

MemoryProgram::MemoryProgram()
    : owned(std::make_unique<AppState>()),
      state(*owned),
      commands(state, Ports{fields, messages, timer, pictures, dialogs, box, history, desktop}) {}

void MemoryProgram::StartUp() {
  commands.Run([&] { commands.FormCreate(); });
  commands.Run([&] { commands.Form2Create(); });
}

}  // namespace spurgear
