#include "core/catalogue.h"

#include <array>

namespace {

constexpr CatalogueEntry kCatalogue285[] = {
    {0, 0, "Простой дурак", "Simple fool", "MMSimple_s", "MMSimple1_s"},
    {1, 0, "Подкидной дурак", "Thrown up fool", "MMThrowUp_s", "MMThrowUp1_s"},
    {2, 0, "Переводной дурак", "Transfer fool", "MMTransfer_s", "MMTransfer1_s"},
    {0, 1, "Японский дурак - простой", "Japanese fool - simple", "MMSimple_j", "MMSimple1_j"},
    {1, 1, "Японский дурак - подкидной", "Japanese fool - thrown up", "MMThrowUp_j",
     "MMThrowUp1_j"},
    {2, 1, "Японский дурак - переводной", "Japanese fool - transfer", "MMTransfer_j",
     "MMTransfer1_j"},
    {0, 2, "Оборотный дурак - простой", "Reverse fool - simple", "MMSimple_r", "MMSimple1_r"},
    {1, 2, "Оборотный дурак - подкидной", "Reverse fool - thrown up", "MMThrowUp_r",
     "MMThrowUp1_r"},
    {2, 2, "Оборотный дурак - переводной", "Reverse fool - transfer", "MMTransfer_r",
     "MMTransfer1_r"},
    {0, 3, "Наваленный дурак - простой", "Piled fool - simple", "MMSimple_p", "MMSimple1_p"},
    {1, 3, "Наваленный дурак - подкидной", "Piled fool - thrown up", "MMThrowUp_p",
     "MMThrowUp1_p"},
    {2, 3, "Наваленный дурак - переводной", "Piled fool - transfer", "MMTransfer_p",
     "MMTransfer1_p"},
    {1, 4, "Дорожный дурак - подкидной", "Road fool - thrown up", "MMThrowUp_road",
     "MMThrowUp1_road"},
    {2, 4, "Дорожный дурак - переводной", "Road fool - transfer", "MMTransfer_road",
     "MMTransfer1_road"},
    {3, 5, "Чешский дурак - простой", "Czech fool - simple", "MMSimple", "MMSimple1"},
    {4, 5, "Чешский дурак - 1 вариант", "Czech fool - 1 variety", "MM1Version", "MM1Version1"},
    {5, 5, "Чешский дурак - 2 вариант", "Czech fool - 2 variety", "MM2Version", "MM2Version1"},
    {6, 5, "Чешский дурак - 3 вариант", "Czech fool - 3 variety", "MM3Version", "MM3Version1"},
    {7, 5, "Чешский дурак - английский вариант", "Czech fool - english version", "MMEnglish",
     "MMEnglish1"},
    {8, 5, "Чешский дурак - фараон", "Czech fool - pharaoh", "MMPharaoh", "MMPharaoh1"},
    {9, 5, "Чешский дурак - пентагон", "Czech fool - pentagon", "MMPentagon", "MMPentagon1"},
    {0, 6, "Восьмерки", "Eights", "MMEights", "MMEights1"},
    {0, 7, "Девятка", "Nine", "MMNine", "MMNine1"},
    {0, 8, "Косынка", "Scarf", "MMScarf", "MMScarf1"},
    {0, 9, "Солитер", "Tape-warm", "MMTapeWarm", "MMTapeWarm1"},
    {0, 10, "Платок", "Kerchief", "MMKerchief", "MMKerchief1"},
    {0, 11, "Пары", "Pairs", "MMPairs", "MMPairs1"},
    {0, 12, "Баян", "Bard", "MMBard", "MMBard1"},
    {0, 13, "Пирамида", "Piramida", "MMPiramida", "MMPiramida1"},
    {0, 14, "Узник", "Prisoner", "MMPrisoner", "MMPrisoner1"},
    {0, 15, "Дважды два", "Two by two", "MMTwoByTwo", "MMTwoByTwo1"},
    {0, 16, "Старый друг", "Old friend", "MMOldFriend", "MMOldFriend1"},
    {0, 17, "Часы", "Clock", "MMClock", "MMClock1"},
    {0, 18, "Джокер", "Joker", "MMJoker", "MMJoker1"},
    {0, 19, "Паганини", "Paganini", "MMPaganini", "MMPaganini1"},
    {0, 20, "Перекресток", "Cross-roads", "MMCross", "MMCross1"},
    {0, 21, "Елочки", "Fir-trees", "MMFirTrees", "MMFirTrees1"},
    {0, 22, "Улица", "Street", "MMStreet", "MMStreet1"},
    {0, 23, "Червы", "Hearts", "MMHearts", "MMHearts1"},
    {0, 24, "Память 36", "Memory 36", "MMMemory36", "MMMemory361"},
    {0, 25, "Память 52", "Memory 52", "MMMemory52", "MMMemory521"},
};

// Edition 2.84: the same games up to Cross-roads, then its one Memory game.
constexpr int kShared284 = 36;
constexpr CatalogueEntry kMemory284 = {0, 21, "Память", "Memory", "MMMemory", "MMMemory1"};

constexpr std::array<CatalogueEntry, kShared284 + 1> MakeCatalogue284() {
  std::array<CatalogueEntry, kShared284 + 1> c{};
  for (int i = 0; i < kShared284; ++i) c[i] = kCatalogue285[i];
  c[kShared284] = kMemory284;
  return c;
}
constexpr auto kCatalogue284 = MakeCatalogue284();

constexpr Edition kEdition285{EditionId::Kalvenar285, 285, "Kalvenor2_85", 26, 78, true, true,
                              kCatalogue285, 41};
constexpr Edition kEdition284{EditionId::Kalvenor284, 284, "Kalvenor2_84", 22, 66, false, false,
                              kCatalogue284.data(), static_cast<int>(kCatalogue284.size())};

}  // namespace

const Edition& Edition285() { return kEdition285; }
const Edition& Edition284() { return kEdition284; }

const Edition* EditionByName(std::string_view name) {
  if (name == "2.85") return &kEdition285;
  if (name == "2.84") return &kEdition284;
  return nullptr;
}

bool Edition::HasPair(int formg, int vidg) const { return CatalogueIndex(*this, formg, vidg) >= 0; }

int CatalogueIndex(const Edition& e, int formg, int vidg) {
  for (int i = 0; i < e.catalogueSize; ++i) {
    if (e.catalogue[i].FormG == formg && e.catalogue[i].VidG == vidg) return i;
  }
  return -1;
}

std::string GameName(const Edition& e, int vidg, int lang, int formg) {
  const int i = CatalogueIndex(e, formg, vidg);
  if (i < 0) return {};
  return lang == 1 ? e.catalogue[i].nameEn : e.catalogue[i].nameRu;
}
