#pragma once
// Everything in which the English and the Turkish to-do windows differ.
#include <array>
#include <string_view>

#include "checklist/objectives.h"

struct TodoTexts {
    std::wstring_view name, caption;
    std::wstring_view heading;  // Label1
    // The to-do text of each box, at [box - 1]. Held apart from the grid texts
    // because four differ: box 10 in English drops "for Stevie", boxes 7 and 8
    // in Turkish have a capital "Y", and box 21 in Turkish has no full stop.
    std::array<std::wstring_view, kObjectiveCount> items;
};

inline constexpr TodoTexts kEnglishTodo{
    .name = L"frmTodo",
    .caption = L"To do list",
    .heading = L"You have to do these objectives:",
    .items = {
        /* 1 */ L"Complete the main story missions",
        /* 2 */ L"Drug deliveries for Jacob",
        /* 3 */ L"Assassinations",
        /* 4 */ L"Exotic Imports for Brucie",
        /* 5 */ L"Races for Brucie",
        /* 6 */ L"Brucie - Do all available activities",
        /* 7 */ L"Packie - Special ability",
        /* 8 */ L"Jacob - Special ability",
        /* 9 */ L"Brucie - Special ability",
        /* 10 */ L"Complete all 30 car thefts",
        /* 11 */ L"Jacob - Do all available activities",
        /* 12 */ L"Packie - Do all available activities",
        /* 13 */ L"Beat computer or friend pool",
        /* 14 */ L"Beat computer or friend darts",
        /* 15 */ L"Beat computer/friend bowling (FULL GAME)",
        /* 16 */ L"Get the high score in the Cub3d arcade game",
        /* 17 */ L"Do all random character missions",
        /* 18 */ L"Kill 10 most wanted on each island",
        /* 19 */ L"Bust random 20 criminals",
        /* 20 */ L"Kill all 200 Pigeons",
        /* 21 */ L"Complete all 50 unique stunts",
    },
};

inline constexpr TodoTexts kTurkishTodo{
    .name = L"frmTodoTR",
    .caption = L"Yapılacaklar",
    .heading = L"Bu görevleri yapmalısınız:",
    .items = {
        /* 1 */ L"Ana hikaye görevlerini bitir",
        /* 2 */ L"Jacob için uyuşturucu teslimatları",
        /* 3 */ L"Suikastler",
        /* 4 */ L"Brucie için araba hırsızlığı",
        /* 5 */ L"Brucie için yarışlar",
        /* 6 */ L"Brucie - Mümkün olan tüm aktiviteleri yap",
        /* 7 */ L"Packie - Özel Yetenek",
        /* 8 */ L"Jacob - Özel Yetenek",
        /* 9 */ L"Brucie - Özel Yetenek",
        /* 10 */ L"Stevie için 30 araba hırsızlığı",
        /* 11 */ L"Jacob - Mümkün olan tüm aktiviteleri yap",
        /* 12 */ L"Packie - Mümkün olan tüm aktiviteleri yap",
        /* 13 */ L"Bilardoda bilgisayarı/arkadaşını yen",
        /* 14 */ L"Dartta bilgisayarı/arkadaşını yen",
        /* 15 */ L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)",
        /* 16 */ L"Cub3d oyununda en yüksek skoru al",
        /* 17 */ L"Tüm rastgele karakter görevlerini yap",
        /* 18 */ L"Her adada 10 en çok arananı öldür",
        /* 19 */ L"Rastgele 20 suçluyu öldür",
        /* 20 */ L"Toplam 200 tane güvercin öldür",
        /* 21 */ L"50 tane akrobasi uçuşu yap",
    },
};
