#include "cli/cli_language.h"

#include "core/catalogue.h"

namespace spurgear::cli {
namespace {

bool HasJapanese(std::string_view text) {
  for (char c : text) {
    if (static_cast<unsigned char>(c) >= 0xE0) return true;
  }
  return false;
}

// Whether a CJK character or a full-width form starts at `at`.
bool StartsJapanese(std::string_view text, std::size_t at) {
  const auto lead = static_cast<unsigned char>(text[at]);
  if (lead >= 0xE3 && lead <= 0xE9) return true;
  return lead == 0xEF && at + 1 < text.size() &&
         static_cast<unsigned char>(text[at + 1]) >= 0xBC &&
         static_cast<unsigned char>(text[at + 1]) <= 0xBD;
}

int LanguageSlot() {
  static const int slot = std::ios_base::xalloc();
  return slot;
}

}  // namespace

bool TakeLanguageOption(std::vector<std::string>& args, std::optional<Language>& chosen,
                        std::string& bad) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    std::string value;
    if (args[i] == "--lang" && i + 1 < args.size()) {
      value = args[++i];
    } else if (args[i].starts_with("--lang=")) {
      value = args[i].substr(7);
    } else if (args[i] == "--lang") {
      bad = "";
      return false;
    } else {
      rest.push_back(args[i]);
      continue;
    }
    chosen = LanguageNamed(value);
    if (!chosen) {
      bad = value;
      return false;
    }
  }
  args = std::move(rest);
  return true;
}

void SetLanguage(std::ios_base& stream, Language language) {
  stream.iword(LanguageSlot()) = language == Language::English ? 1 : 0;
}

Language LanguageOf(std::ios_base& stream) {
  return stream.iword(LanguageSlot()) == 1 ? Language::English : Language::Japanese;
}

std::string RenderLine(Language language, std::string_view line) {
  if (language == Language::Japanese) return std::string(line);
  // The whole line; a message closed with a full stop where it is printed;
  // an option's name before its message. The first wholly English wins,
  // else the first that changed.
  std::vector<std::string> tries;
  tries.push_back(Render(language, line));
  if (line.ends_with(".")) tries.push_back(RenderLine(language, line.substr(0, line.size() - 1)) + ".");
  if (const auto colon = line.find(": "); colon != std::string_view::npos) {
    tries.push_back(std::string(line.substr(0, colon + 2)) +
                    RenderLine(language, line.substr(colon + 2)));
  }
  for (const std::string& t : tries) {
    if (!HasJapanese(t)) return t;
  }
  for (const std::string& t : tries) {
    if (t != line) return t;
  }
  return std::string(line);
}

std::vector<std::string> RenderLines(Language language, const std::vector<std::string>& lines) {
  if (language == Language::Japanese) return lines;
  std::vector<std::string> out;
  out.reserve(lines.size());
  for (const std::string& l : lines) out.push_back(RenderLine(language, l));
  return out;
}

std::string RenderHelp(Language language, std::string_view help) {
  if (language == Language::Japanese) return std::string(help);
  std::string out;
  out.reserve(help.size() + help.size() / 4);
  for (std::size_t i = 0; i < help.size();) {
    std::string_view best;
    const char* english = nullptr;
    if (StartsJapanese(help, i)) {
      for (std::size_t k = 0; k < kEnglishCatalogueSize; ++k) {
        const std::string_view j = kEnglishCatalogue[k].japanese;
        if (j.size() > best.size() && j.find('%') == std::string_view::npos &&
            help.substr(i).starts_with(j)) {
          best = j;
          english = kEnglishCatalogue[k].english;
        }
      }
    }
    if (english) {
      out += english;
      i += best.size();
    } else {
      out += help[i++];
    }
  }
  return out;
}

}  // namespace spurgear::cli
