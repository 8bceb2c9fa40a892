#pragma once
// The texts and selections the main window's controls hold when created.
#include <string_view>
#include <utility>

namespace spurgear {

inline constexpr std::pair<std::string_view, std::string_view> kInitialTexts[] = {
    {"Edit1", "1"},       {"Edit2", "15"},      {"Edit3", "25"},      {"Edit4", "0"},
    {"Edit5", "0"},       {"Edit6", "Edit6"},   {"Edit7", "Edit7"},   {"Edit8", "Edit8"},
    {"Edit9", "Edit9"},   {"Edit10", "Edit10"}, {"Edit11", "Edit11"}, {"Edit12", "Edit12"},
    {"Edit13", "Edit13"}, {"Edit14", "Edit14"}, {"Edit15", "Edit15"}, {"Edit16", "Edit16"},
    {"Edit17", "Edit17"}, {"Edit47", "Edit47"}, {"Edit48", "Edit48"}, {"Edit18", "0.0"},
    {"Edit21", "0.0"},    {"Edit19", "0.0000"}, {"Edit20", "10"},     {"Edit22", "100"},
    {"Edit23", "0"},      {"Edit24", "0"},
};

inline constexpr std::pair<std::string_view, int> kInitialIndices[] = {
    {"RG1", 0}, {"rg31", 1}, {"rg3", 0}, {"CB1", -1}, {"ScrollBar1", 80},
};

inline constexpr int kTimerInterval = 100;  // ms, when created

}  // namespace spurgear
