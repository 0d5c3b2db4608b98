// The catalogue of games: each game is the pair (FormG, VidG), listed in the
// fixed order of the game menus, with its names in both languages and the
// names of the menu items that choose it.
#pragma once

#include <string>
#include <string_view>

#include "core/edition.h"

struct CatalogueEntry {
  int FormG;
  int VidG;
  const char* nameRu;  // UTF-8
  const char* nameEn;
  const char* menuRu;  // item of the Russian menu, e.g. "MMSimple_s"
  const char* menuEn;  // item of the English menu, e.g. "MMSimple1_s"
};

constexpr int kFormSlots = 10;  // form slots per kind and language in the name table

// Index of the pair in the edition's catalogue, or -1.
int CatalogueIndex(const Edition& e, int formg, int vidg);
// The game's name in the language (0 Russian, 1 English); empty outside the catalogue.
std::string GameName(const Edition& e, int vidg, int lang, int formg);
