#include "about/about_form.h"

#include <array>

#include "about/about_text.h"

namespace {

forms::FormSpec MakeLayout(Language language, const forms::ControlSpec* text) {
    return {.name = language == Language::English ? L"Form1" : L"Form2",
            .caption = language == Language::English ? L"About" : L"Hakkında",
            .clientWidth = 4605,
            .clientHeight = 3090,
            .border = forms::BorderStyle::FixedDialog,
            .minButton = false,
            .maxButton = false,
            .showInTaskbar = false,
            .backColor = forms::kSystemHighlight,
            .controls = {text, 1}};
}

forms::ControlSpec TextBox(Language language) {
    return {.name = L"Text1", .kind = forms::ControlKind::TextBox, .rect = {120, 120, 4335, 2775}, .tabIndex = 0,
            .caption = AboutText(language), .multiLine = true, .locked = true};
}

}  // namespace

const forms::FormSpec& AboutForm::Layout() const {
    static const std::array<forms::ControlSpec, 2> texts{TextBox(Language::English), TextBox(Language::Turkish)};
    static const std::array<forms::FormSpec, 2> layouts{MakeLayout(Language::English, &texts[0]),
                                                        MakeLayout(Language::Turkish, &texts[1])};
    return layouts[language_ == Language::English ? 0 : 1];
}
