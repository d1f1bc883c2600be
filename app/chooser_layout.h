#pragma once
// The language chooser's layout: one window whose texts carry both languages.
#include "forms/layout.h"

constexpr forms::FormSpec ChooserLayout() {
    using forms::Alignment;
    using forms::ControlKind;
    using forms::kSystemHighlight;
    return {
        .name = L"frmOpen",
        .caption = L"Language/Dil",
        .clientWidth = 4575,
        .clientHeight = 2760,
        .controls = {
            // Command3 lies below the client area and has the lowest TabIndex: it holds
            // the focus at start, so Space or Enter chooses no language by accident.
            {.name = L"Command3", .kind = ControlKind::CommandButton, .rect = {1320, 3000, 495, 195}, .tabIndex = 0,
             .caption = L"Command3"},
            {.name = L"Command2", .kind = ControlKind::CommandButton, .rect = {2520, 1080, 1815, 615}, .tabIndex = 2,
             .caption = L"Türkçe"},
            {.name = L"Command1", .kind = ControlKind::CommandButton, .rect = {240, 1080, 1815, 615}, .tabIndex = 4,
             .caption = L"English"},
            {.name = L"Label2", .kind = ControlKind::Label, .rect = {120, 240, 4335, 255}, .tabIndex = 1,
             .caption = L"Choose Your Language/Dilini Seç", .color = kSystemHighlight, .alignment = Alignment::Center},
            // Stands before Shape1, so it is drawn over the frame's top edge like a group caption.
            {.name = L"Label1", .kind = ControlKind::Label, .rect = {360, 600, 735, 255}, .tabIndex = 3,
             .caption = L"Lang/Dil", .color = kSystemHighlight, .alignment = Alignment::Center},
            {.name = L"Shape1", .kind = ControlKind::Shape, .rect = {120, 720, 4335, 1335}, .color = kSystemHighlight,
             .rounded = true},
        },
    };
}
