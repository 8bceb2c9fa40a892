// The language choice and the rendering of Japanese texts through the
// English catalogue.
#include "core/language.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "core/catalogue.h"

namespace spurgear {
namespace {

bool NamesEnglish(const char* value) {
  if (value == nullptr) return false;
  std::string_view v(value);
  // LANGUAGE is a list ("en_GB:en"); its first entry is the wish.
  v = v.substr(0, v.find(':'));
  return v == "en" || v.starts_with("en_") || v.starts_with("en.") || v.starts_with("en@");
}

bool HasJapanese(std::string_view text) {
  // Every Japanese character is at least three bytes in UTF-8, led by a
  // byte of 0xE0 or above; ASCII (numbers, English) never is.
  return std::any_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

// An entry with placeholders, cut at them: literal[0] %n literal[1] %m …
struct Pattern {
  std::vector<std::string_view> literal;
  std::vector<int> number;  // the placeholder after literal[i]
  const char* english;
  std::size_t fixed = 0;  // bytes of literal text: the more, the more specific
};

std::vector<Pattern> Patterns() {
  std::vector<Pattern> out;
  for (std::size_t i = 0; i < kEnglishCatalogueSize; ++i) {
    std::string_view s(kEnglishCatalogue[i].japanese);
    if (s.find('%') == std::string_view::npos) continue;
    Pattern p;
    p.english = kEnglishCatalogue[i].english;
    std::size_t start = 0;
    for (std::size_t at = 0; at + 1 < s.size(); ++at) {
      if (s[at] == '%' && s[at + 1] >= '1' && s[at + 1] <= '9') {
        p.literal.push_back(s.substr(start, at - start));
        p.number.push_back(s[at + 1] - '0');
        start = at + 2;
        ++at;
      }
    }
    if (p.number.empty()) continue;
    p.literal.push_back(s.substr(start));
    for (std::string_view l : p.literal) p.fixed += l.size();
    out.push_back(std::move(p));
  }
  std::stable_sort(out.begin(), out.end(),
                   [](const Pattern& a, const Pattern& b) { return a.fixed > b.fixed; });
  return out;
}

// An argument is a number or a name: never across a line, and never a
// message of its own behind a colon.
bool PlainArgument(std::string_view a) {
  return a.find('\n') == std::string_view::npos && a.find("：") == std::string_view::npos;
}

// Matches text[pos..] against the pattern from placeholder k on; each
// argument is at least one byte.
bool MatchFrom(const Pattern& p, std::string_view text, std::size_t pos, std::size_t k,
               std::vector<std::string_view>& args) {
  if (k == p.number.size()) return pos == text.size();
  const std::string_view next = p.literal[k + 1];
  const bool last = k + 1 == p.number.size();
  if (last) {
    if (text.size() < pos + 1 + next.size() || !text.ends_with(next)) return false;
    args[k] = text.substr(pos, text.size() - next.size() - pos);
    return PlainArgument(args[k]);
  }
  for (std::size_t at = text.find(next, pos + 1); at != std::string_view::npos;
       at = text.find(next, at + 1)) {
    args[k] = text.substr(pos, at - pos);
    if (!PlainArgument(args[k])) continue;
    if (MatchFrom(p, text, at + next.size(), k + 1, args)) return true;
  }
  return false;
}

std::string Filled(std::string_view english, const Pattern& p,
                   const std::vector<std::string_view>& args) {
  std::string out;
  for (std::size_t at = 0; at < english.size(); ++at) {
    if (english[at] == '%' && at + 1 < english.size() && english[at + 1] >= '1' &&
        english[at + 1] <= '9') {
      const int n = english[at + 1] - '0';
      for (std::size_t k = 0; k < p.number.size(); ++k) {
        if (p.number[k] == n) out += Render(Language::English, args[k]);
      }
      ++at;
    } else {
      out += english[at];
    }
  }
  return out;
}

}  // namespace

std::optional<Language> LanguageNamed(std::string_view name) {
  if (name == "ja") return Language::Japanese;
  if (name == "en") return Language::English;
  return std::nullopt;
}

Language LanguageOfEnvironment(const char* languageVariable, const char* langVariable) {
  // LANGUAGE speaks first when set; an empty one does not count.
  if (languageVariable != nullptr && *languageVariable != '\0') {
    return NamesEnglish(languageVariable) ? Language::English : Language::Japanese;
  }
  return NamesEnglish(langVariable) ? Language::English : Language::Japanese;
}

const char* English(std::string_view japanese) {
  const CatalogueEntry* begin = kEnglishCatalogue;
  const CatalogueEntry* end = kEnglishCatalogue + kEnglishCatalogueSize;
  const CatalogueEntry* at =
      std::lower_bound(begin, end, japanese, [](const CatalogueEntry& e, std::string_view key) {
        return std::string_view(e.japanese) < key;
      });
  if (at == end || std::string_view(at->japanese) != japanese) return nullptr;
  return at->english;
}

std::string Render(Language language, std::string_view text) {
  if (language == Language::Japanese || !HasJapanese(text)) return std::string(text);
  if (const char* e = English(text)) return e;
  static const std::vector<Pattern> patterns = Patterns();
  std::vector<std::string_view> args;
  // The first match that leaves no Japanese; else the first match at all.
  std::optional<std::string> partly;
  for (const Pattern& p : patterns) {
    if (!text.starts_with(p.literal[0])) continue;
    args.assign(p.number.size(), {});
    if (!MatchFrom(p, text, p.literal[0].size(), 0, args)) continue;
    std::string filled = Filled(p.english, p, args);
    if (!HasJapanese(filled)) return filled;
    if (!partly) partly = std::move(filled);
  }
  return partly ? *partly : std::string(text);
}

}  // namespace spurgear
