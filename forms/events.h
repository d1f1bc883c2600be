#pragma once
// Event handlers bound as data: the control (its place in the layout, found
// while compiling), the window's member function, and a number the handler
// is given (the box of a tick handler). A click or a timer tick of a control
// runs the handler bound to it.
#include <span>

namespace forms {

template <class Window>
struct Handler {
    int control = -1;
    void (Window::*plain)() = nullptr;
    void (Window::*numbered)(int) = nullptr;
    int number = 0;

    constexpr Handler() = default;
    constexpr Handler(int at, void (Window::*handler)()) : control(at), plain(handler) {}
    constexpr Handler(int at, void (Window::*handler)(int), int n) : control(at), numbered(handler), number(n) {}
};

template <class Window>
void Dispatch(std::span<const Handler<Window>> handlers, Window& window, int control) {
    for (const Handler<Window>& handler : handlers) {
        if (handler.control != control) continue;
        if (handler.plain) (window.*handler.plain)();
        else (window.*handler.numbered)(handler.number);
        return;
    }
}

}  // namespace forms
