#include "checklist/objectives.h"

#include <array>

#include "forms/runtime_error.h"

namespace {

// In reading order. Box numbers do not follow the rows: page-1 rows 3 to 5
// hold boxes 5, 4, 3 and rows 6 to 10 hold boxes 10 down to 6. The
// percentage texts are fixed, not formatted from the weight.
constexpr std::array<Objective, kObjectiveCount> kObjectives{{
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

constexpr int kPageOneRows = 14;
constexpr int kPageTwoRows = kObjectiveCount - kPageOneRows;

constexpr std::array<int, kObjectiveCount> MakeReadingOrder() {
    std::array<int, kObjectiveCount> order{};
    for (int i = 0; i < kObjectiveCount; ++i) order[i] = kObjectives[i].box;
    return order;
}

constexpr std::array<int, kObjectiveCount> kReadingOrder = MakeReadingOrder();

// Index into kObjectives of each box, at [box - 1].
constexpr std::array<int, kObjectiveCount> MakeIndexOfBox() {
    std::array<int, kObjectiveCount> index{};
    for (int i = 0; i < kObjectiveCount; ++i) index[kObjectives[i].box - 1] = i;
    return index;
}

constexpr std::array<int, kObjectiveCount> kIndexOfBox = MakeIndexOfBox();

}  // namespace

std::span<const Objective, kObjectiveCount> ObjectivesInReadingOrder() {
    return kObjectives;
}

const Objective& ObjectiveOfBox(int box) {
    if (box < 1 || box > kObjectiveCount) {
        throw forms::RuntimeError{forms::kInvalidProcedureCall, L"Invalid procedure call or argument"};
    }
    return kObjectives[kIndexOfBox[box - 1]];
}

const Objective* ObjectiveAt(int page, int row) {
    if (page == 1 && row >= 1 && row <= kPageOneRows) return &kObjectives[row - 1];
    if (page == 2 && row >= 1 && row <= kPageTwoRows) return &kObjectives[kPageOneRows + row - 1];
    return nullptr;
}

std::span<const int, kObjectiveCount> ReadingOrder() {
    return kReadingOrder;
}
