#pragma once
// Everything in which the English and the Turkish About windows differ.
#include <string_view>

struct AboutTexts {
    std::wstring_view name, caption;
    std::wstring_view text;  // nine lines, each ending with CR LF, the last one too
};

inline constexpr AboutTexts kEnglishAbout{
    .name = L"Form1",
    .caption = L"About",
    // Line 8 keeps its trailing blank: line 9 continues the sentence.
    .text = L"About:\r\n"
            L"This program written by [Brannock] / [Veltran].\r\n"
            L"\r\n"
            L"The 100% checklist by Vexmoor.\r\n"
            L"You can see it with this URL:\r\n"
            L"https://forum.example.com/topic/corvane-100-percent-checklist\r\n"
            L"\r\n"
            L"No one translated to Turkish because I'm Turkish so, \r\n"
            L"I know Turkish and English both.\r\n",
};

inline constexpr AboutTexts kTurkishAbout{
    .name = L"Form2",
    .caption = L"Hakkında",
    .text = L"Hakkında:\r\n"
            L"Bu program [Brannock] / [Veltran] tarafından yazılmıştır.\r\n"
            L"\r\n"
            L"%100 kontrol listesini Vexmoor hazırlamıştır.\r\n"
            L"Listeye bu link ile bakabilirsiniz:\r\n"
            L"https://forum.example.com/topic/corvane-100-percent-checklist\r\n"
            L"\r\n"
            L"Türkçe'ye tercüme eden olmadı çünkü ben Türküm.\r\n"
            L"Dolayısıyla her 2 dili de biliyorum.\r\n",
};
