#include "app/chooser_form.h"

#include "app/windows.h"
#include "checklist/checklist_form.h"

namespace {

using forms::Alignment;
using forms::ControlKind;
using forms::kSystemHighlight;

// Command3 lies below the client area and has the lowest TabIndex: it holds
// the focus at start, so Space or Enter chooses no language by accident.
constexpr forms::ControlSpec kControls[] = {
    {.name = L"Command3", .kind = ControlKind::CommandButton, .rect = {1320, 3000, 495, 195}, .tabIndex = 0, .caption = L"Command3"},
    {.name = L"Command2", .kind = ControlKind::CommandButton, .rect = {2520, 1080, 1815, 615}, .tabIndex = 2, .caption = L"Türkçe"},
    {.name = L"Command1", .kind = ControlKind::CommandButton, .rect = {240, 1080, 1815, 615}, .tabIndex = 4, .caption = L"English"},
    {.name = L"Label2", .kind = ControlKind::Label, .rect = {120, 240, 4335, 255}, .tabIndex = 1,
     .caption = L"Choose Your Language/Dilini Seç", .color = kSystemHighlight, .alignment = Alignment::Center},
    {.name = L"Label1", .kind = ControlKind::Label, .rect = {360, 600, 735, 255}, .tabIndex = 3,
     .caption = L"Lang/Dil", .color = kSystemHighlight, .alignment = Alignment::Center},
    {.name = L"Shape1", .kind = ControlKind::Shape, .rect = {120, 720, 4335, 1335}, .color = kSystemHighlight, .rounded = true},
};

constexpr forms::FormSpec kLayout{
    .name = L"frmOpen",
    .caption = L"Language/Dil",
    .clientWidth = 4575,
    .clientHeight = 2760,
    .controls = kControls,
};

}  // namespace

const forms::FormSpec& ChooserForm::Layout() const { return kLayout; }

void ChooserForm::Click(forms::Control& control) {
    if (control.Name() == L"Command1") Command1_Click();
    else if (control.Name() == L"Command2") Command2_Click();
}

// The checklist window opens before the chooser closes, never the other way round.
void ChooserForm::Command1_Click() {
    frmEnglish().Show();
    Unload();
}

void ChooserForm::Command2_Click() {
    frmTurkish().Show();
    Unload();
}
