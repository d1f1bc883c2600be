#include "app/chooser_form.h"

#include <array>

#include "app/chooser_layout.h"
#include "forms/events.h"

namespace {

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
