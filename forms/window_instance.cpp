#include "forms/window_instance.h"

#include <utility>

namespace forms {
namespace {

int g_loaded = 0;
std::function<void()>& LastUnloadedCallback() {
    static std::function<void()> callback;
    return callback;
}

// Restores the state if a step throws (a run-time error ends the program,
// but the bookkeeping must not be left half-way for whoever reports it).
template <class Fn>
struct OnExit {
    Fn fn;
    bool armed = true;
    ~OnExit() { if (armed) fn(); }
};

}  // namespace

void WindowInstance::OnLastUnloaded(std::function<void()> callback) {
    LastUnloadedCallback() = std::move(callback);
}

int WindowInstance::LoadedCount() { return g_loaded; }

void WindowInstance::Show() {
    switch (state_) {
    case State::Loaded:
        BringToFront();
        return;
    case State::Loading:
    case State::Unloading:
        return;  // a handler of this very window asked; the load or unload under way wins
    case State::NotLoaded:
        break;
    }
    state_ = State::Loading;
    OnExit reset{[this] { state_ = State::NotLoaded; }};
    CreateWindowAndControls();
    ++g_loaded;
    OnExit uncount{[] { --g_loaded; }};
    Form_Load();
    reset.armed = uncount.armed = false;
    state_ = State::Loaded;
    ShowLoaded();
}

void WindowInstance::Unload() {
    if (state_ != State::Loaded) return;
    state_ = State::Unloading;
    OnExit restore{[this] { state_ = State::Loaded; }};
    Form_Unload();
    restore.armed = false;
    DestroyWindowAndControls();
    state_ = State::NotLoaded;
    if (--g_loaded == 0 && LastUnloadedCallback()) LastUnloadedCallback()();
}

}  // namespace forms
