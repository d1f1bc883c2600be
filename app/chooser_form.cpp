#include "app/chooser_form.h"

#include <array>

#include "forms/events.h"

namespace {

using forms::Alignment;
using forms::ControlKind;
using forms::kSystemHighlight;

// One window whose texts carry both languages.
constexpr forms::FormSpec ChooserLayout() {
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

constexpr int kEnglish = forms::IndexOf(ChooserLayout(), L"Command1");
constexpr int kTurkish = forms::IndexOf(ChooserLayout(), L"Command2");

}  // namespace

ChooserForm::ChooserForm(ChooserLinks links) : Form(ChooserLayout()), links_(std::move(links)) {}

void ChooserForm::Event(int place) {
    static constexpr std::array<forms::Handler<ChooserForm>, 2> kHandlers{{
        {kEnglish, &ChooserForm::Command1_Click},
        {kTurkish, &ChooserForm::Command2_Click},
    }};
    forms::Dispatch<ChooserForm>(kHandlers, *this, place);
}

// The checklist window opens before the chooser closes, never the other way round.
void ChooserForm::Command1_Click() {
    links_.showEnglish();
    Unload();
}

void ChooserForm::Command2_Click() {
    links_.showTurkish();
    Unload();
}
