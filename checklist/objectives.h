#pragma once
// The 21 objectives of the game's 100% checklist: where each stands in the
// two-page grid, what ticking it is worth and what each language calls it.
// Constant data, laid out in the header so that window layouts can be built
// from it while compiling.
#include <array>
#include <span>
#include <string_view>

#include "forms/runtime_error.h"

struct ObjectiveTexts {
    std::wstring_view category;
    std::wstring_view objective;
    std::wstring_view percentage;
};

struct Objective {
    int box;        // N of CheckN
    int page;       // 1 or 2
    int row;        // 1..14 on page 1, 1..7 on page 2
    double weight;  // percentage points
    ObjectiveTexts english;
    ObjectiveTexts turkish;
};

inline constexpr int kObjectiveCount = 21;
inline constexpr int kPageOneRows = 14;

// In reading order: page 1 rows 1 to 14, then page 2 rows 1 to 7. Box numbers
// do not follow the rows: page-1 rows 3 to 5 hold boxes 5, 4, 3 and rows 6 to
// 10 hold boxes 10 down to 6. The percentage texts are fixed, not formatted
// from the weight.
inline constexpr std::array<Objective, kObjectiveCount> kObjectives{{
    {1, 1, 1, 60,
     {L"Missions", L"Complete the main story missions", L"60%"},
     {L"Görev", L"Ana hikaye görevlerini bitir", L"%60"}},
    {2, 1, 2, 2,
     {L"Missions", L"Drug deliveries for Jacob", L"2%"},
     {L"Görev", L"Jacob için uyuşturucu teslimatları", L"%2"}},
    {5, 1, 3, 2,
     {L"Missions", L"Races for Brucie", L"2%"},
     {L"Görev", L"Brucie için yarışlar", L"%2"}},
    {4, 1, 4, 2,
     {L"Missions", L"Exotic Imports for Brucie", L"2%"},
     {L"Görev", L"Brucie için araba hırsızlığı", L"%2"}},
    {3, 1, 5, 2,
     {L"Missions", L"Assassinations", L"2%"},
     {L"Görev", L"Suikastler", L"%2"}},
    {10, 1, 6, 2,
     {L"Car Theft", L"Complete all 30 car thefts for Stevie", L"2%"},
     {L"Araba Hırsızlığı", L"Stevie için 30 araba hırsızlığı", L"%2"}},
    {9, 1, 7, 1.67,
     {L"Friends", L"Brucie - Special ability", L"1.67%"},
     {L"Arkadaş", L"Brucie - Özel Yetenek", L"%1.67"}},
    {8, 1, 8, 1.67,
     {L"Friends", L"Jacob - Special ability", L"1.67%"},
     {L"Arkadaş", L"Jacob - Özel yetenek", L"%1.67"}},
    {7, 1, 9, 1.67,
     {L"Friends", L"Packie - Special ability", L"1.67%"},
     {L"Arkadaş", L"Packie - Özel yetenek", L"%1.67"}},
    {6, 1, 10, 1.67,
     {L"Friends", L"Brucie - Do all available activities", L"1.67%"},
     {L"Arkadaş", L"Brucie - Mümkün olan tüm aktiviteleri yap", L"%1.67"}},
    {11, 1, 11, 1.67,
     {L"Friends", L"Jacob - Do all available activities", L"1.67%"},
     {L"Arkadaş", L"Jacob - Mümkün olan tüm aktiviteleri yap", L"%1.67"}},
    {12, 1, 12, 1.67,
     {L"Friends", L"Packie - Do all available activities", L"1.67%"},
     {L"Arkadaş", L"Packie - Mümkün olan tüm aktiviteleri yap", L"%1.67"}},
    {13, 1, 13, 1.25,
     {L"Activities", L"Beat computer or friend pool", L"1.25%"},
     {L"Aktiviteler", L"Bilardoda bilgisayarı/arkadaşını yen", L"%1.25"}},
    {14, 1, 14, 1.25,
     {L"Activities", L"Beat computer or friend darts", L"1.25%"},
     {L"Aktiviteler", L"Dartta bilgisayarı/arkadaşını yen", L"%1.25"}},
    {15, 2, 1, 1.25,
     {L"Activities", L"Beat computer/friend bowling (FULL GAME)", L"1.25%"},
     {L"Aktiviteler", L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)", L"%1.25"}},
    {16, 2, 2, 1.25,
     {L"Activities", L"Get the high score in the Cub3d arcade game", L"1.25%"},
     {L"Aktiviteler", L"Cub3d oyununda en yüksek skoru al", L"%1.25"}},
    {17, 2, 3, 5,
     {L"Random Chars", L"Do all random character missions", L"5%"},
     {L"Karakterler", L"Tüm rastgele karakter görevlerini yap", L"%5"}},
    {18, 2, 4, 2.5,
     {L"Most Wanted", L"Kill 10 most wanted on each island", L"2.5%"},
     {L"En Çok Aranan", L"Her adada 10 en çok arananı öldür", L"%2.5"}},
    {19, 2, 5, 2.5,
     {L"Vigilante", L"Bust random 20 criminals", L"2.5%"},
     {L"Suçlular", L"Rastgele 20 suçluyu öldür", L"%2.5"}},
    {20, 2, 6, 2.5,
     {L"Flying Rats", L"Kill all 200 Pigeons", L"2.5%"},
     {L"Kuşlar", L"Toplam 200 tane güvercin öldür", L"%2.5"}},
    {21, 2, 7, 2.5,
     {L"Unique Stunts", L"Complete all 50 unique stunts", L"2.5%"},
     {L"Özel Akrobasi", L"50 tane akrobasi uçuşu yap.", L"%2.5"}},
}};

// The objective ticked by CheckN (1..21).
constexpr const Objective& ObjectiveOfBox(int box) {
    for (const Objective& objective : kObjectives)
        if (objective.box == box) return objective;
    forms::Raise(forms::kInvalidProcedureCall);
}

// The objective shown in a row of a page, or nullptr where the row is empty.
constexpr const Objective* ObjectiveAt(int page, int row) {
    const int first = page == 1 ? 0 : kPageOneRows, rows = page == 1 ? kPageOneRows : kObjectiveCount - kPageOneRows;
    if ((page != 1 && page != 2) || row < 1 || row > rows) return nullptr;
    return &kObjectives[static_cast<std::size_t>(first + row - 1)];
}
