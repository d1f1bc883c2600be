#pragma once
// The life of one window instance, without the platform: Show loads once and
// otherwise brings to the front; Unload raises the unload event and tears the
// window down, and does nothing for a window that is not loaded or is already
// unloading. The program ends when the last loaded window unloads.
#include <functional>

namespace forms {

class WindowInstance {
public:
    enum class State { NotLoaded, Loading, Loaded, Unloading };

    WindowInstance() = default;
    WindowInstance(const WindowInstance&) = delete;
    WindowInstance& operator=(const WindowInstance&) = delete;
    virtual ~WindowInstance() = default;

    void Show();
    void Unload();

    State CurrentState() const { return state_; }
    bool IsLoaded() const { return state_ == State::Loaded || state_ == State::Unloading; }

    // Called when the count of loaded windows drops to zero (the message loop ends).
    static void OnLastUnloaded(std::function<void()> callback);
    static int LoadedCount();

protected:
    virtual void CreateWindowAndControls() = 0;
    virtual void Form_Load() {}
    virtual void ShowLoaded() = 0;         // first show after loading
    virtual void BringToFront() = 0;
    virtual void Form_Unload() {}  // the unload goes ahead whatever it does
    virtual void DestroyWindowAndControls() = 0;

private:
    State state_ = State::NotLoaded;
};

}  // namespace forms
