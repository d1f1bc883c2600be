// The About text: nine CR LF lines per language.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "about/about_text.h"

namespace {

std::vector<std::wstring_view> Lines(std::wstring_view text) {
    std::vector<std::wstring_view> lines;
    while (!text.empty()) {
        const size_t end = text.find(L"\r\n");
        if (end == std::wstring_view::npos) {
            lines.push_back(text);  // an unterminated last line
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

TEST(AboutText, NineLinesEachEndingWithCrLf) {
    for (Language language : {Language::English, Language::Turkish}) {
        const std::wstring_view text = AboutText(language);
        EXPECT_TRUE(text.ends_with(L"\r\n"));
        const auto lines = Lines(text);
        ASSERT_EQ(lines.size(), 9u);
        for (std::wstring_view line : lines) {
            EXPECT_EQ(line.find_first_of(L"\r\n"), std::wstring_view::npos);
        }
        EXPECT_TRUE(lines[2].empty());
        EXPECT_TRUE(lines[6].empty());
        EXPECT_TRUE(lines[5].starts_with(L"https://"));
        EXPECT_EQ(lines[5], Lines(AboutText(Language::English))[5]);
    }
}

TEST(AboutText, LinesThatAreEasyToGetWrong) {
    const auto english = Lines(AboutText(Language::English));
    const auto turkish = Lines(AboutText(Language::Turkish));
    EXPECT_EQ(english[0], L"About:");
    EXPECT_EQ(english[1], L"This program written by [Brannock] / [Veltran].");
    EXPECT_EQ(english[7], L"No one translated to Turkish because I'm Turkish so, ");
    EXPECT_EQ(english[8], L"I know Turkish and English both.");
    EXPECT_EQ(turkish[0], L"Hakkında:");
    EXPECT_EQ(turkish[3], L"%100 kontrol listesini Vexmoor hazırlamıştır.");
    EXPECT_EQ(turkish[7], L"Türkçe'ye tercüme eden olmadı çünkü ben Türküm.");
    EXPECT_EQ(turkish[8], L"Dolayısıyla her 2 dili de biliyorum.");
}

}  // namespace
