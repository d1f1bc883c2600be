#pragma once
// Everything in which the English and the Turkish checklist windows differ:
// their texts, the column of the objective table they show, the words around
// the total in the result message, and three label settings.
#include <string_view>

#include "checklist/objectives.h"
#include "forms/layout.h"

struct ChecklistTexts {
    std::wstring_view name, caption;
    std::wstring_view help, helpParagraph;                     // Label1, Label2
    std::wstring_view category, objective, percentage, check;  // Label3..Label6
    std::wstring_view note;                                    // Label49
    std::wstring_view calculate, toDoList, about;              // Command1, Command2, Command4
    std::wstring_view promptBefore, promptAfter;               // the result message reads before + total + after
    ObjectiveTexts Objective::*grid;                           // the objective table's texts in this language
    std::wstring_view row7ObjectiveAtLoad;                     // Label26 until the first page-1 refresh
    int helpWidth;                                             // Label1
    forms::Alignment checkAlignment;                           // Label6
    int objectiveCellLeft, objectiveCellWidth;                 // Label8
};

inline constexpr ChecklistTexts kEnglishChecklist{
    .name = L"frmEnglish",
    .caption = L"Corvane 100% Checklist Calculator",
    .help = L"Help:",
    .helpParagraph = L"Check the boxs to calculate what percentage of game done and see what you need to do. "
                     L"The percantage will shown on your screen when you click \"Calculate\" button. "
                     L"If you want to see what you have to do, click \"To Do List\" button.",
    .category = L"Category",
    .objective = L"Objective",
    .percentage = L"Percantage",
    .check = L"Check",
    .note = L"Note: The calculator usually calculates extra 0,02%.",
    .calculate = L"Calculate",
    .toDoList = L"To Do List",
    .about = L"About",
    .promptBefore = L"You have completed ",
    .promptAfter = L"% of the game!",
    .grid = &Objective::english,
    .row7ObjectiveAtLoad = L"Brucie - Special ability",
    .helpWidth = 495,
    .checkAlignment = forms::Alignment::Right,
    .objectiveCellLeft = 1680,
    .objectiveCellWidth = 3255,
};

inline constexpr ChecklistTexts kTurkishChecklist{
    .name = L"frmTurkish",
    .caption = L"Corvane %100 Kontrol Listesi Hesaplayıcısı",
    .help = L"Yardım:",
    .helpParagraph = L"Oyunun yüzde kaçının bittiğini hesaplamak ve neler yapmanız gerektiğini görmek için "
                     L"kutuları çekleyin/tıklayın. \"Hesapla\" butonuna bastığınızda ekranınızda yüzdeyi "
                     L"göreceksiniz. Neler yapmanız gerektiğini görmek için \"Yapılacaklar\" butonuna tıklayın.",
    .category = L"Sınıf",
    .objective = L"Amaç",
    .percentage = L"Yüzde",
    .check = L"Çek",
    .note = L"Not: Hesaplayıcı genellikle fazladan %0,02 hesaplar.",
    .calculate = L"Hesapla",
    .toDoList = L"Yapılacaklar",
    .about = L"Hakkında",
    .promptBefore = L"Oyun %",
    .promptAfter = L" bitti!",
    .grid = &Objective::turkish,
    // Designed with a lower-case "y", as in rows 8 and 9; the first page-1
    // refresh writes the table's "Yetenek" over it.
    .row7ObjectiveAtLoad = L"Brucie - Özel yetenek",
    .helpWidth = 615,
    .checkAlignment = forms::Alignment::Center,
    // Reaches 120 twips past both side lines of the objective column.
    .objectiveCellLeft = 1440,
    .objectiveCellWidth = 3735,
};
