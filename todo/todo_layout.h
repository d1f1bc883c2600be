#pragma once
// The to-do window's layout, filled in from a texts record.
#include "forms/layout.h"
#include "todo/todo_texts.h"

constexpr forms::FormSpec TodoLayout(const TodoTexts& t) {
    using forms::ControlKind;
    return {
        .name = t.name,
        .caption = t.caption,
        .clientWidth = 4680,
        .clientHeight = 3495,
        .controls = {
            {.name = L"Label1", .kind = ControlKind::Label, .rect = {120, 120, 4455, 255}, .tabIndex = 1,
             .caption = t.heading},
            {.name = L"List", .kind = ControlKind::ListBox, .rect = {120, 600, 4455, 2595}, .tabIndex = 0},
        },
    };
}
