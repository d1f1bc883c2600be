// The About text: nine CR LF lines per language.
#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "about/about_texts.h"

namespace {

TEST(AboutText, NineLinesEachEndingWithCrLf) {
    for (const AboutTexts* about : {&kEnglishAbout, &kTurkishAbout}) {
        const std::wstring_view text = about->text;
        EXPECT_TRUE(text.ends_with(L"\r\n"));
        size_t lines = 0;
        for (size_t at = text.find(L"\r\n"); at != std::wstring_view::npos; at = text.find(L"\r\n", at + 2)) ++lines;
        EXPECT_EQ(lines, 9u);
        // No CR or LF outside the pairs.
        EXPECT_EQ(std::ranges::count(text, L'\r') + std::ranges::count(text, L'\n'), 18);
    }
    // The sentence runs on into line 9 after a trailing blank.
    EXPECT_NE(kEnglishAbout.text.find(L"I'm Turkish so, \r\nI know"), std::wstring_view::npos);
}

}  // namespace
