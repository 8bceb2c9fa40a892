// Rendering through the English catalogue: whole texts, texts with numbers
// and names inside, and texts the catalogue does not know.
#include <gtest/gtest.h>

#include "core/language.h"

namespace spurgear {
namespace {

TEST(Language, RendersWholeTextsAndTextsWithArguments) {
  struct Case {
    const char* japanese;
    const char* english;
  };
  const Case cases[] = {
      {"エラー = 0, 警告 = 0 !", "Errors = 0, warnings = 0 !"},
      // A number inside.
      {"注意：噛合率が１未満（0.941）、かみ合いが途切れる",
       "note: contact ratio below 1 (0.941), the mesh is interrupted"},
      // Names inside are rendered in turn, in the English order.
      {"注意：ギア１の歯先がギア２の歯元に干渉する",
       "note: the tip of Gear 1 interferes with the root of Gear 2"},
      {"注意：ギア２の転位係数 -0.2 が限界 0.12 より小さい、ｱﾝﾀﾞｰｶｯﾄ発生",
       "note: profile shift coefficient -0.2 of Gear 2 is below the limit 0.12, undercut"},
      // A message inside a message.
      {"ファイル /tmp/ギア.hgd を作成できません 理由: Permission denied",
       "Cannot create file /tmp/ギア.hgd Reason: Permission denied"},
      // Unknown, or nothing to render: unchanged.
      {"未知の文", "未知の文"},
      {"1.547", "1.547"},
      {"", ""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Render(Language::English, c.japanese), c.english) << c.japanese;
    EXPECT_EQ(Render(Language::Japanese, c.japanese), c.japanese);
  }
}

TEST(Language, EnvironmentChoosesEnglishOnlyWhenItNamesIt) {
  struct Case {
    const char* language;
    const char* lang;
    Language expected;
  };
  const Case cases[] = {
      {nullptr, nullptr, Language::Japanese},
      {nullptr, "C", Language::Japanese},
      {nullptr, "POSIX", Language::Japanese},
      {nullptr, "C.UTF-8", Language::Japanese},
      {nullptr, "ja_JP.UTF-8", Language::Japanese},
      {nullptr, "english", Language::Japanese},
      {nullptr, "en_US.UTF-8", Language::English},
      {nullptr, "en", Language::English},
      {"", "en_GB.UTF-8", Language::English},
      {"en_GB:en", "C", Language::English},
      {"ja:en", "en_US.UTF-8", Language::Japanese},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(LanguageOfEnvironment(c.language, c.lang), c.expected)
        << (c.language ? c.language : "(unset)") << " / " << (c.lang ? c.lang : "(unset)");
  }
  EXPECT_EQ(LanguageNamed("en"), Language::English);
  EXPECT_EQ(LanguageNamed("ja"), Language::Japanese);
  EXPECT_EQ(LanguageNamed("EN"), std::nullopt);
}

}  // namespace
}  // namespace spurgear
