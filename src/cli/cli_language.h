#pragma once
// The CLI's language: chosen once as the command starts (--lang wins, else
// the environment), carried by the output streams the subcommands are
// given, and applied where texts leave the program: each line on standard
// error and the `messages` of the JSON. Japanese leaves every byte as it is.
#include <ios>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/language.h"

namespace spurgear::cli {

// Takes --lang en|ja (or --lang=…) out of `args`, wherever it stands; the
// last one wins. False with `bad` set to the refused value.
bool TakeLanguageOption(std::vector<std::string>& args, std::optional<Language>& chosen,
                        std::string& bad);

void SetLanguage(std::ios_base& stream, Language language);
Language LanguageOf(std::ios_base& stream);

// One line of standard error in `language`: the whole line from the
// catalogue (a closing full stop kept), else the part after "what: " (an
// option's name before its message) rendered and the rest kept.
std::string RenderLine(Language language, std::string_view line);
std::vector<std::string> RenderLines(Language language, const std::vector<std::string>& lines);

// The help in `language`: in English each Japanese name inside the English
// text (a button, a menu item, a table row) replaced by the longest
// catalogue entry that matches where it starts; Japanese leaves it as is.
std::string RenderHelp(Language language, std::string_view help);

}  // namespace spurgear::cli
