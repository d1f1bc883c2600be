#pragma once
// The About window's layout, filled in from a texts record. The window has no
// code of its own: a read-only text box on the highlight colour.
#include "about/about_texts.h"
#include "forms/layout.h"

constexpr forms::FormSpec AboutLayout(const AboutTexts& t) {
    return {
        .name = t.name,
        .caption = t.caption,
        .clientWidth = 4605,
        .clientHeight = 3090,
        .border = forms::BorderStyle::FixedDialog,
        .minButton = false,
        .maxButton = false,
        .showInTaskbar = false,
        .backColor = forms::kSystemHighlight,
        .controls = {{.name = L"Text1", .kind = forms::ControlKind::TextBox, .rect = {120, 120, 4335, 2775},
                      .tabIndex = 0, .caption = t.text, .multiLine = true, .locked = true}},
    };
}
