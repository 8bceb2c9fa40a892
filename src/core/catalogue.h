#pragma once
// The English catalogue as a table, generated at build time from
// i18n/spurgear_en.ts: Japanese source and English text, sorted by the
// Japanese bytes. Read it through core/language.h.
#include <cstddef>

namespace spurgear {

struct CatalogueEntry {
  const char* japanese;
  const char* english;
};

extern const CatalogueEntry kEnglishCatalogue[];
extern const std::size_t kEnglishCatalogueSize;

}  // namespace spurgear
