#include "todo/todo_items.h"

#include <array>

#include "checklist/objectives.h"
#include "forms/runtime_error.h"

namespace {

struct TodoTexts {
    std::wstring_view english;
    std::wstring_view turkish;
};

// By box number, at [box - 1]. Held apart from the grid texts because four of
// them differ: box 10 in English drops "for Stevie", boxes 7 and 8 in Turkish
// have a capital "Y", and box 21 in Turkish has no final full stop.
constexpr std::array<TodoTexts, kObjectiveCount> kTodoTexts{{
    /* 1 */ {L"Complete the main story missions", L"Ana hikaye görevlerini bitir"},
    /* 2 */ {L"Drug deliveries for Jacob", L"Jacob için uyuşturucu teslimatları"},
    /* 3 */ {L"Assassinations", L"Suikastler"},
    /* 4 */ {L"Exotic Imports for Brucie", L"Brucie için araba hırsızlığı"},
    /* 5 */ {L"Races for Brucie", L"Brucie için yarışlar"},
    /* 6 */ {L"Brucie - Do all available activities", L"Brucie - Mümkün olan tüm aktiviteleri yap"},
    /* 7 */ {L"Packie - Special ability", L"Packie - Özel Yetenek"},
    /* 8 */ {L"Jacob - Special ability", L"Jacob - Özel Yetenek"},
    /* 9 */ {L"Brucie - Special ability", L"Brucie - Özel Yetenek"},
    /* 10 */ {L"Complete all 30 car thefts", L"Stevie için 30 araba hırsızlığı"},
    /* 11 */ {L"Jacob - Do all available activities", L"Jacob - Mümkün olan tüm aktiviteleri yap"},
    /* 12 */ {L"Packie - Do all available activities", L"Packie - Mümkün olan tüm aktiviteleri yap"},
    /* 13 */ {L"Beat computer or friend pool", L"Bilardoda bilgisayarı/arkadaşını yen"},
    /* 14 */ {L"Beat computer or friend darts", L"Dartta bilgisayarı/arkadaşını yen"},
    /* 15 */ {L"Beat computer/friend bowling (FULL GAME)", L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)"},
    /* 16 */ {L"Get the high score in the Cub3d arcade game", L"Cub3d oyununda en yüksek skoru al"},
    /* 17 */ {L"Do all random character missions", L"Tüm rastgele karakter görevlerini yap"},
    /* 18 */ {L"Kill 10 most wanted on each island", L"Her adada 10 en çok arananı öldür"},
    /* 19 */ {L"Bust random 20 criminals", L"Rastgele 20 suçluyu öldür"},
    /* 20 */ {L"Kill all 200 Pigeons", L"Toplam 200 tane güvercin öldür"},
    /* 21 */ {L"Complete all 50 unique stunts", L"50 tane akrobasi uçuşu yap"},
}};

}  // namespace

std::wstring_view TodoText(Language language, int box) {
    if (box < 1 || box > kObjectiveCount) {
        throw forms::RuntimeError{forms::kInvalidProcedureCall, L"Invalid procedure call or argument"};
    }
    const TodoTexts& texts = kTodoTexts[box - 1];
    return language == Language::English ? texts.english : texts.turkish;
}

std::vector<std::wstring_view> OpenTodoItems(Language language, const std::function<int(int box)>& valueOfBox) {
    std::vector<std::wstring_view> items;
    for (int box : ReadingOrder()) {
        if (valueOfBox(box) == 0) items.push_back(TodoText(language, box));
    }
    return items;
}
