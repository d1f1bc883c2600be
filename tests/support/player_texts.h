#pragma once
// Every text the player sees, written out once for the tests. The windows are
// compared with these literals, never with the program's own tables.
#include <array>
#include <functional>
#include <string>
#include <vector>

namespace expected {

inline const std::wstring kChooserCaption = L"Language/Dil";
inline const std::wstring kChooserTitle = L"Choose Your Language/Dilini Seç";
inline const std::wstring kChooserFrame = L"Lang/Dil";
inline const std::wstring kInfoTitle = L"Info";
inline const std::wstring kErrorTitle = L"Corvane Checklist";  // above a run-time error

// One grid row in one language: its three cells, and the to-do window's text
// where it differs from the objective's.
struct Cells {
    std::wstring category, objective, percentage, otherTodo;
    const std::wstring& todo() const { return otherTodo.empty() ? objective : otherTodo; }
};

// The grid's rows, page 1 rows 1 to 14 then page 2 rows 1 to 7: each with its
// box, its weight in hundredths and its cells in English and in Turkish.
struct Row {
    int box, hundredths;
    Cells english, turkish;
};

inline const std::array<Row, 21> kRows{{
    {1, 6000, {L"Missions", L"Complete the main story missions", L"60%"}, {L"Görev", L"Ana hikaye görevlerini bitir", L"%60"}},
    {2, 200, {L"Missions", L"Drug deliveries for Jacob", L"2%"}, {L"Görev", L"Jacob için uyuşturucu teslimatları", L"%2"}},
    {5, 200, {L"Missions", L"Races for Brucie", L"2%"}, {L"Görev", L"Brucie için yarışlar", L"%2"}},
    {4, 200, {L"Missions", L"Exotic Imports for Brucie", L"2%"}, {L"Görev", L"Brucie için araba hırsızlığı", L"%2"}},
    {3, 200, {L"Missions", L"Assassinations", L"2%"}, {L"Görev", L"Suikastler", L"%2"}},
    {10, 200, {L"Car Theft", L"Complete all 30 car thefts for Stevie", L"2%", L"Complete all 30 car thefts"}, {L"Araba Hırsızlığı", L"Stevie için 30 araba hırsızlığı", L"%2"}},
    {9, 167, {L"Friends", L"Brucie - Special ability", L"1.67%"}, {L"Arkadaş", L"Brucie - Özel Yetenek", L"%1.67"}},
    {8, 167, {L"Friends", L"Jacob - Special ability", L"1.67%"}, {L"Arkadaş", L"Jacob - Özel yetenek", L"%1.67", L"Jacob - Özel Yetenek"}},
    {7, 167, {L"Friends", L"Packie - Special ability", L"1.67%"}, {L"Arkadaş", L"Packie - Özel yetenek", L"%1.67", L"Packie - Özel Yetenek"}},
    {6, 167, {L"Friends", L"Brucie - Do all available activities", L"1.67%"}, {L"Arkadaş", L"Brucie - Mümkün olan tüm aktiviteleri yap", L"%1.67"}},
    {11, 167, {L"Friends", L"Jacob - Do all available activities", L"1.67%"}, {L"Arkadaş", L"Jacob - Mümkün olan tüm aktiviteleri yap", L"%1.67"}},
    {12, 167, {L"Friends", L"Packie - Do all available activities", L"1.67%"}, {L"Arkadaş", L"Packie - Mümkün olan tüm aktiviteleri yap", L"%1.67"}},
    {13, 125, {L"Activities", L"Beat computer or friend pool", L"1.25%"}, {L"Aktiviteler", L"Bilardoda bilgisayarı/arkadaşını yen", L"%1.25"}},
    {14, 125, {L"Activities", L"Beat computer or friend darts", L"1.25%"}, {L"Aktiviteler", L"Dartta bilgisayarı/arkadaşını yen", L"%1.25"}},
    {15, 125, {L"Activities", L"Beat computer/friend bowling (FULL GAME)", L"1.25%"}, {L"Aktiviteler", L"Bowlingde bilgisayarı/arkadaşını yen(TAM OYUN)", L"%1.25"}},
    {16, 125, {L"Activities", L"Get the high score in the Cub3d arcade game", L"1.25%"}, {L"Aktiviteler", L"Cub3d oyununda en yüksek skoru al", L"%1.25"}},
    {17, 500, {L"Random Chars", L"Do all random character missions", L"5%"}, {L"Karakterler", L"Tüm rastgele karakter görevlerini yap", L"%5"}},
    {18, 250, {L"Most Wanted", L"Kill 10 most wanted on each island", L"2.5%"}, {L"En Çok Aranan", L"Her adada 10 en çok arananı öldür", L"%2.5"}},
    {19, 250, {L"Vigilante", L"Bust random 20 criminals", L"2.5%"}, {L"Suçlular", L"Rastgele 20 suçluyu öldür", L"%2.5"}},
    {20, 250, {L"Flying Rats", L"Kill all 200 Pigeons", L"2.5%"}, {L"Kuşlar", L"Toplam 200 tane güvercin öldür", L"%2.5"}},
    {21, 250, {L"Unique Stunts", L"Complete all 50 unique stunts", L"2.5%"}, {L"Özel Akrobasi", L"50 tane akrobasi uçuşu yap.", L"%2.5", L"50 tane akrobasi uçuşu yap"}},
}};

struct Language {
    std::wstring chooserButton, caption, help, helpParagraph, note, calculate, toDoList, about;
    std::array<std::wstring, 4> headings;    // above the grid's columns
    std::wstring promptBefore, promptAfter;  // the result message reads before + total + after
    std::wstring row7AtLoad;                 // row 7's objective cell before the first tick
    Cells Row::*cells;                       // this language's cells of a row
    std::wstring todoCaption, todoHeading, aboutCaption, aboutText;
};

inline const Language kEnglish{
    .chooserButton = L"English", .caption = L"Corvane 100% Checklist Calculator", .help = L"Help:",
    .helpParagraph = L"Check the boxs to calculate what percentage of game done and see what you need to do. The percantage "
                     L"will shown on your screen when you click \"Calculate\" button. If you want to see what you have to do, click \"To Do List\" button.",
    .note = L"Note: The calculator usually calculates extra 0,02%.",
    .calculate = L"Calculate", .toDoList = L"To Do List", .about = L"About",
    .headings = {L"Category", L"Objective", L"Percantage", L"Check"},
    .promptBefore = L"You have completed ", .promptAfter = L"% of the game!",
    .row7AtLoad = L"Brucie - Special ability", .cells = &Row::english,
    .todoCaption = L"To do list", .todoHeading = L"You have to do these objectives:", .aboutCaption = L"About",
    .aboutText = L"About:\r\nThis program written by [Brannock] / [Veltran].\r\n\r\nThe 100% checklist by Vexmoor.\r\n"
                 L"You can see it with this URL:\r\nhttps://forum.example.com/topic/corvane-100-percent-checklist\r\n\r\n"
                 L"No one translated to Turkish because I'm Turkish so, \r\nI know Turkish and English both.\r\n",
};

inline const Language kTurkish{
    .chooserButton = L"Türkçe", .caption = L"Corvane %100 Kontrol Listesi Hesaplayıcısı", .help = L"Yardım:",
    .helpParagraph = L"Oyunun yüzde kaçının bittiğini hesaplamak ve neler yapmanız gerektiğini görmek için kutuları çekleyin/tıklayın. "
                     L"\"Hesapla\" butonuna bastığınızda ekranınızda yüzdeyi göreceksiniz. Neler yapmanız gerektiğini görmek için \"Yapılacaklar\" butonuna tıklayın.",
    .note = L"Not: Hesaplayıcı genellikle fazladan %0,02 hesaplar.",
    .calculate = L"Hesapla", .toDoList = L"Yapılacaklar", .about = L"Hakkında",
    .headings = {L"Sınıf", L"Amaç", L"Yüzde", L"Çek"},
    .promptBefore = L"Oyun %", .promptAfter = L" bitti!",
    .row7AtLoad = L"Brucie - Özel yetenek", .cells = &Row::turkish,
    .todoCaption = L"Yapılacaklar", .todoHeading = L"Bu görevleri yapmalısınız:", .aboutCaption = L"Hakkında",
    .aboutText = L"Hakkında:\r\nBu program [Brannock] / [Veltran] tarafından yazılmıştır.\r\n\r\n"
                 L"%100 kontrol listesini Vexmoor hazırlamıştır.\r\nListeye bu link ile bakabilirsiniz:\r\n"
                 L"https://forum.example.com/topic/corvane-100-percent-checklist\r\n\r\n"
                 L"Türkçe'ye tercüme eden olmadı çünkü ben Türküm.\r\nDolayısıyla her 2 dili de biliyorum.\r\n",
};

// The to-do window's list: the to-do texts of the open boxes, in reading order.
inline std::vector<std::wstring> TodoList(const Language& language, const std::function<bool(int box)>& open) {
    std::vector<std::wstring> items;
    for (const Row& row : kRows)
        if (open(row.box)) items.push_back((row.*language.cells).todo());
    return items;
}

}  // namespace expected
