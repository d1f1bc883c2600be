#pragma once
// Window layouts as data: a window is its settings and a table of controls in
// stored order (which is also the stacking order: earlier stands on top).
// Positions and sizes are in twips; colours are OLE colours. The tables are
// built by constexpr functions, so that code can find a control's place while
// compiling.
#include <cstdint>
#include <string_view>
#include <vector>

namespace forms {

enum class ControlKind : std::uint8_t { CommandButton, CheckBox, Label, VScrollBar, Timer, Shape, ListBox, TextBox };
enum class Alignment : std::uint8_t { Left = 0, Right = 1, Center = 2 };
enum class BorderStyle : std::uint8_t { FixedSingle = 1, FixedDialog = 3 };

// OLE colours: 0x800000nn is system colour nn, anything else 0x00BBGGRR.
inline constexpr std::uint32_t kDefaultColor = 0xFFFFFFFFu;  // the toolkit's default
inline constexpr std::uint32_t kSystemHighlight = 0x8000000Du;
inline constexpr std::uint32_t kDarkRed = 0x00000080u;

struct TwipRect {
    int left = 0, top = 0, width = 0, height = 0;
};

struct ControlSpec {
    std::wstring_view name;
    ControlKind kind = ControlKind::Label;
    TwipRect rect;
    int tabIndex = -1;              // -1: the control has no TabIndex (shapes, timers)
    std::wstring_view caption;      // caption, or a text box's text
    std::uint32_t color = kDefaultColor;  // label text colour, shape border colour
    Alignment alignment = Alignment::Left;
    bool visible = true;
    int min = 0, max = 0, smallChange = 1, largeChange = 1;  // vertical scroll bar
    int interval = 0;               // timer, in milliseconds
    bool rounded = false;           // shape drawn as a rounded rectangle
    bool multiLine = false, locked = false;  // text box
};

struct FormSpec {
    std::wstring_view name;         // the window class's name, e.g. "frmEnglish"
    std::wstring_view caption;
    int clientWidth = 0, clientHeight = 0;  // twips
    BorderStyle border = BorderStyle::FixedSingle;
    bool minButton = true;
    bool maxButton = false;
    bool showInTaskbar = true;
    std::uint32_t backColor = kDefaultColor;
    std::vector<ControlSpec> controls;  // stored order
};

// Not constexpr on purpose: reaching it while compiling stops the build.
inline void ControlNotInLayout() {}

// The place in stored order of the control of that name. Used to initialise
// a constexpr constant, it is found while compiling, and a name the layout
// lacks is a compile error.
constexpr int IndexOf(const FormSpec& form, std::wstring_view name) {
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (form.controls[i].name == name) return static_cast<int>(i);
    ControlNotInLayout();
    return -1;
}

// True for a name made of the prefix and the number, e.g. "Check7".
constexpr bool IsNumbered(std::wstring_view name, std::wstring_view prefix, int number) {
    if (!name.starts_with(prefix)) return false;
    std::wstring_view digits = name.substr(prefix.size());
    do {
        if (digits.empty() || digits.back() != L'0' + number % 10) return false;
        digits.remove_suffix(1);
        number /= 10;
    } while (number > 0);
    return digits.empty();
}

// The same for a numbered control, e.g. ("Check", 7) for Check7.
constexpr int IndexOf(const FormSpec& form, std::wstring_view prefix, int number) {
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (IsNumbered(form.controls[i].name, prefix, number)) return static_cast<int>(i);
    ControlNotInLayout();
    return -1;
}

// A pixel holds the twips from its own left (or top) edge on. Every edge of a
// rectangle is converted on its own, so that controls that share an edge in
// twips share it in pixels at any DPI, and a line 15 twips wide stays one
// pixel wide where it meets its neighbour's.
constexpr int TwipsToPixels(int twips, int dpi) { return static_cast<int>(static_cast<long long>(twips) * dpi / 1440); }

struct PixelRect {
    int left, top, right, bottom;
};

constexpr PixelRect ToPixels(const TwipRect& r, int dpi) {
    return {TwipsToPixels(r.left, dpi), TwipsToPixels(r.top, dpi), TwipsToPixels(r.left + r.width, dpi),
            TwipsToPixels(r.top + r.height, dpi)};
}

}  // namespace forms
