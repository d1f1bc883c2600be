#include "about/about_text.h"

namespace {

// Every line ends with CR LF, the last one too; English line 8 keeps its
// trailing blank because line 9 continues the sentence.
constexpr std::wstring_view kEnglish =
    L"About:\r\n"
    L"This program written by [Brannock] / [Veltran].\r\n"
    L"\r\n"
    L"The 100% checklist by Vexmoor.\r\n"
    L"You can see it with this URL:\r\n"
    L"https://forum.example.com/topic/corvane-100-percent-checklist\r\n"
    L"\r\n"
    L"No one translated to Turkish because I'm Turkish so, \r\n"
    L"I know Turkish and English both.\r\n";

constexpr std::wstring_view kTurkish =
    L"Hakkında:\r\n"
    L"Bu program [Brannock] / [Veltran] tarafından yazılmıştır.\r\n"
    L"\r\n"
    L"%100 kontrol listesini Vexmoor hazırlamıştır.\r\n"
    L"Listeye bu link ile bakabilirsiniz:\r\n"
    L"https://forum.example.com/topic/corvane-100-percent-checklist\r\n"
    L"\r\n"
    L"Türkçe'ye tercüme eden olmadı çünkü ben Türküm.\r\n"
    L"Dolayısıyla her 2 dili de biliyorum.\r\n";

}  // namespace

std::wstring_view AboutText(Language language) {
    return language == Language::English ? kEnglish : kTurkish;
}
