#pragma once
// The language a user reads: Japanese, the texts as the code writes them,
// or English from the one catalogue (i18n/spurgear_en.ts) that the window
// and the CLI both read. Messages are made in Japanese where they happen;
// each face renders them in its language at the place it shows them.
//
//   Render(Language::English, "エラー = 0, 警告 = 0 !")  // "Errors = 0, warnings = 0 !"
//   Render(Language::English, "注意：噛合率が１未満（0.941）、かみ合いが途切れる")
//     // the entry "注意：噛合率が１未満（%1）、かみ合いが途切れる" with 0.941 put in
#include <optional>
#include <string>
#include <string_view>

namespace spurgear {

enum class Language { Japanese, English };

// "ja" or "en" (as --lang takes them); nullopt for anything else.
std::optional<Language> LanguageNamed(std::string_view name);
// What the environment asks for: English only when LANGUAGE (its first
// entry) or else LANG names English ("en", "en_US.UTF-8"); C, POSIX, unset
// and every other language stay Japanese. Either argument may be null.
Language LanguageOfEnvironment(const char* languageVariable, const char* langVariable);

// The catalogue's English for a Japanese text exactly as written; null when
// the catalogue has none.
const char* English(std::string_view japanese);

// The text in `language`: Japanese texts pass unchanged; in English, the
// catalogue's entry for the whole text, else the first entry with
// placeholders (%1, %2 …) that matches it, its arguments rendered in turn
// (a gear's name inside a message), else the text unchanged. Texts without
// a Japanese character are returned as they are.
std::string Render(Language language, std::string_view text);

}  // namespace spurgear
