#include "checklist/checklist_layout.h"

#include <array>

#include "checklist/objectives.h"

namespace {

using forms::Alignment;
using forms::ControlKind;
using forms::ControlSpec;
using forms::FormSpec;
using forms::TwipRect;

inline constexpr std::size_t kControlCount = 97;

// A grid column as its cells see it: their Left and Width, and which of an
// objective's texts they show.
struct CellColumn {
    int left, width;
    std::wstring_view ObjectiveTexts::*text;
};

constexpr CellColumn kCategoryCells{240, 1215, &ObjectiveTexts::category};
constexpr CellColumn kObjectiveCells{1680, 3255, &ObjectiveTexts::objective};
constexpr CellColumn kPercentageCells{5160, 975, &ObjectiveTexts::percentage};

// Everything in which the two windows differ.
struct WindowVariant {
    std::wstring_view name, caption;
    std::wstring_view help, helpParagraph;                      // Label1, Label2
    std::wstring_view category, objective, percentage, check;   // Label3..Label6
    std::wstring_view note;                                     // Label49
    std::wstring_view calculate, toDoList, about;               // Command1, Command2, Command4
    int helpWidth;                       // Label1
    Alignment checkAlignment;            // Label6
    CellColumn firstObjectiveCell;       // Label8
    std::wstring_view row7ObjectiveDesign;  // Label26 at load; empty: the table's text
};

constexpr WindowVariant kEnglish{
    L"frmEnglish", L"Corvane 100% Checklist Calculator",
    L"Help:",
    L"Check the boxs to calculate what percentage of game done and see what you need to do. "
    L"The percantage will shown on your screen when you click \"Calculate\" button. "
    L"If you want to see what you have to do, click \"To Do List\" button.",
    L"Category", L"Objective", L"Percantage", L"Check",
    L"Note: The calculator usually calculates extra 0,02%.",
    L"Calculate", L"To Do List", L"About",
    495, Alignment::Right, kObjectiveCells, {},
};

constexpr WindowVariant kTurkish{
    L"frmTurkish", L"Corvane %100 Kontrol Listesi Hesaplayıcısı",
    L"Yardım:",
    L"Oyunun yüzde kaçının bittiğini hesaplamak ve neler yapmanız gerektiğini görmek için "
    L"kutuları çekleyin/tıklayın. \"Hesapla\" butonuna bastığınızda ekranınızda yüzdeyi "
    L"göreceksiniz. Neler yapmanız gerektiğini görmek için \"Yapılacaklar\" butonuna tıklayın.",
    L"Sınıf", L"Amaç", L"Yüzde", L"Çek",
    L"Not: Hesaplayıcı genellikle fazladan %0,02 hesaplar.",
    L"Hesapla", L"Yapılacaklar", L"Hakkında",
    // Label8 reaches 120 twips past both side lines of the objective column.
    615, Alignment::Center, {1440, 3735, &ObjectiveTexts::objective}, kTurkishRow7DesignCaption,
};

constexpr int RowTop(int row) { return 1200 + 360 * row; }

// Row boxes overlap their neighbours by one pixel so that they share a line.
constexpr TwipRect RowBoxRect(int row) { return {120, 1080 + 360 * row, 6855, 375}; }

ControlSpec Control(std::wstring_view name, ControlKind kind, TwipRect rect, int tabIndex) {
    ControlSpec c;
    c.name = name;
    c.kind = kind;
    c.rect = rect;
    c.tabIndex = tabIndex;
    return c;
}

ControlSpec Label(std::wstring_view name, TwipRect rect, int tabIndex, std::wstring_view caption,
                  std::uint32_t color = forms::kDefaultColor, Alignment alignment = Alignment::Left) {
    ControlSpec c = Control(name, ControlKind::Label, rect, tabIndex);
    c.caption = caption;
    c.color = color;
    c.alignment = alignment;
    return c;
}

ControlSpec Hidden(ControlSpec c) {
    c.visible = false;
    return c;
}

ControlSpec Button(std::wstring_view name, TwipRect rect, int tabIndex, std::wstring_view caption) {
    ControlSpec c = Control(name, ControlKind::CommandButton, rect, tabIndex);
    c.caption = caption;
    return c;
}

ControlSpec Box(std::wstring_view name, TwipRect rect) {
    ControlSpec c = Control(name, ControlKind::Shape, rect, -1);
    c.color = forms::kSystemHighlight;
    return c;
}

ControlSpec Timer(std::wstring_view name, int interval) {
    ControlSpec c = Control(name, ControlKind::Timer, {}, -1);
    c.interval = interval;
    return c;
}

ControlSpec ScrollBar(std::wstring_view name, TwipRect rect, int tabIndex, int min, int max, int smallChange,
                      int largeChange) {
    ControlSpec c = Control(name, ControlKind::VScrollBar, rect, tabIndex);
    c.min = min;
    c.max = max;
    c.smallChange = smallChange;
    c.largeChange = largeChange;
    return c;
}

// A check box of page 1 (shown at load) or page 2 (hidden until its page is).
ControlSpec Check(std::wstring_view name, int row, int tabIndex, std::wstring_view caption, bool visible) {
    ControlSpec c = Control(name, ControlKind::CheckBox, {6480, RowTop(row), 255, 195}, tabIndex);
    c.caption = caption;
    c.visible = visible;
    return c;
}
ControlSpec Page1Check(std::wstring_view name, int row, int tabIndex, std::wstring_view caption = L"Check2") {
    return Check(name, row, tabIndex, caption, true);
}
ControlSpec Page2Check(std::wstring_view name, int row, int tabIndex) {
    return Check(name, row, tabIndex, L"Check1", false);
}

std::array<ControlSpec, kControlCount> BuildControls(Language language) {
    const WindowVariant& v = language == Language::English ? kEnglish : kTurkish;

    // A grid cell carries at load the page-1 text of its row.
    auto cell = [language](std::wstring_view name, int row, const CellColumn& column, int tabIndex,
                           std::wstring_view design = {}) {
        const std::wstring_view caption =
            design.empty() ? ObjectiveAt(1, row)->Texts(language).*column.text : design;
        return Label(name, {column.left, RowTop(row), column.width, 255}, tabIndex, caption,
                     forms::kDefaultColor, Alignment::Center);
    };
    const CellColumn& cat = kCategoryCells;
    const CellColumn& obj = kObjectiveCells;
    const CellColumn& pct = kPercentageCells;

    // Stored order is stacking order: the rectangles stand before the labels
    // they cross (all but Shape13, whose lines its neighbours draw too).
    return {{
        Button(L"Command2", {1560, 6600, 1455, 375}, 74, v.toDoList),
        Timer(L"Timer1", 1),
        // One click on an arrow or in the trough moves between 0 (page 1) and 21 (page 2).
        ScrollBar(L"Scroll", {7080, 1080, 255, 5415}, 73, 0, 21, 21, 50),
        Button(L"Command4", {5760, 6600, 1455, 375}, 72, v.about),
        Page2Check(L"Check21", 7, 70),
        Page2Check(L"Check20", 6, 69),
        Page2Check(L"Check19", 5, 68),
        Page2Check(L"Check18", 4, 67),
        Page2Check(L"Check17", 3, 66),
        Page2Check(L"Check16", 2, 65),
        Page2Check(L"Check15", 1, 64),
        Button(L"Command1", {120, 6600, 1455, 375}, 63, v.calculate),
        Page1Check(L"Check10", 6, 15),
        Page1Check(L"Check9", 7, 14),
        Page1Check(L"Check8", 8, 13),
        Page1Check(L"Check7", 9, 12),
        Page1Check(L"Check6", 10, 11),
        Page1Check(L"Check5", 3, 10),
        Page1Check(L"Check4", 4, 9),
        Page1Check(L"Check3", 5, 8),
        Page1Check(L"Check2", 2, 7),
        Page1Check(L"Check1", 1, 6, L"Check1"),
        Page1Check(L"Check12", 12, 51),
        Page1Check(L"Check11", 11, 47),
        Page1Check(L"Check13", 13, 55),
        Page1Check(L"Check14", 14, 59),
        Label(L"Label49", {3120, 6600, 2055, 495}, 71, v.note, forms::kDarkRed),
        Box(L"Shape21", RowBoxRect(14)),
        Box(L"Shape20", RowBoxRect(11)),
        Box(L"Shape19", RowBoxRect(12)),
        Box(L"Shape18", RowBoxRect(13)),
        Box(L"Shape17", RowBoxRect(9)),  // row 10 has no box: Shape17 and Shape20 close it
        Box(L"Shape16", RowBoxRect(8)),
        Box(L"Shape15", RowBoxRect(7)),
        Box(L"Shape14", RowBoxRect(6)),
        Box(L"Shape12", RowBoxRect(4)),
        Box(L"Shape11", RowBoxRect(3)),
        Box(L"Shape10", RowBoxRect(2)),
        Box(L"Shape9", RowBoxRect(1)),
        Box(L"Shape8", {6240, 1440, 735, 5055}),
        Box(L"Shape7", {5040, 1440, 1215, 5055}),
        Box(L"Shape6", {1560, 1440, 3495, 5055}),
        Box(L"Shape5", {120, 1440, 1455, 5055}),
        Box(L"Shape4", {6240, 1080, 735, 375}),
        Box(L"Shape3", {5040, 1080, 1215, 375}),
        Box(L"Shape2", {1560, 1080, 3495, 375}),
        Box(L"Shape1", {120, 1080, 1455, 375}),
        Label(L"Label2", {120, 360, 7095, 615}, 1, v.helpParagraph, forms::kSystemHighlight),
        Label(L"Label1", {120, 120, v.helpWidth, 255}, 0, v.help, forms::kDarkRed),
        Hidden(Label(L"lbYuzde", {840, 120, 1695, 255}, 19, L"0")),  // the completion total, never shown
        Label(L"Label3", {240, 1200, 1215, 255}, 2, v.category, forms::kDefaultColor, Alignment::Center),
        Label(L"Label4", {1680, 1200, 3255, 255}, 3, v.objective, forms::kDefaultColor, Alignment::Center),
        Label(L"Label5", {5160, 1200, 975, 255}, 4, v.percentage, forms::kDefaultColor, Alignment::Center),
        Label(L"Label6", {6360, 1200, 495, 255}, 5, v.check, forms::kDefaultColor, v.checkAlignment),
        cell(L"Label7", 1, cat, 16),
        cell(L"Label8", 1, v.firstObjectiveCell, 17),
        cell(L"Label9", 1, pct, 18),
        cell(L"Label12", 2, pct, 22),
        cell(L"Label11", 2, obj, 21),
        cell(L"Label10", 2, cat, 20),
        cell(L"Label15", 3, pct, 25),
        cell(L"Label14", 3, obj, 24),
        cell(L"Label13", 3, cat, 23),
        cell(L"Label18", 4, pct, 28),
        cell(L"Label17", 4, obj, 27),
        cell(L"Label16", 4, cat, 26),
        Box(L"Shape13", RowBoxRect(5)),
        cell(L"Label21", 5, pct, 31),
        cell(L"Label20", 5, obj, 30),
        cell(L"Label19", 5, cat, 29),
        cell(L"Label24", 6, pct, 34),
        cell(L"Label23", 6, obj, 33),
        cell(L"Label22", 6, cat, 32),
        cell(L"Label30", 8, pct, 40),
        cell(L"Label29", 8, obj, 39),
        cell(L"Label28", 8, cat, 38),
        cell(L"Label27", 7, pct, 37),
        cell(L"Label26", 7, obj, 36, v.row7ObjectiveDesign),
        cell(L"Label25", 7, cat, 35),
        cell(L"Label33", 9, pct, 43),
        cell(L"Label32", 9, obj, 42),
        cell(L"Label31", 9, cat, 41),
        cell(L"Label36", 10, pct, 46),
        cell(L"Label35", 10, obj, 45),
        cell(L"Label34", 10, cat, 44),
        cell(L"Label42", 12, cat, 54),
        cell(L"Label41", 12, obj, 53),
        cell(L"Label40", 12, pct, 52),
        cell(L"Label39", 11, cat, 50),
        cell(L"Label38", 11, obj, 49),
        cell(L"Label37", 11, pct, 48),
        cell(L"Label45", 13, cat, 58),
        cell(L"Label44", 13, obj, 57),
        cell(L"Label43", 13, pct, 56),
        cell(L"Label48", 14, cat, 62),
        cell(L"Label47", 14, obj, 61),
        cell(L"Label46", 14, pct, 60),
    }};
}

FormSpec MakeForm(const WindowVariant& v, const std::array<ControlSpec, kControlCount>& controls) {
    FormSpec form;
    form.name = v.name;
    form.caption = v.caption;
    form.clientWidth = 7365;
    form.clientHeight = 7110;
    form.border = forms::BorderStyle::FixedSingle;
    form.minButton = true;
    form.maxButton = false;
    form.showInTaskbar = true;
    form.controls = controls;
    return form;
}

}  // namespace

const forms::FormSpec& ChecklistFormSpec(Language language) {
    if (language == Language::English) {
        static const std::array<ControlSpec, kControlCount> controls = BuildControls(Language::English);
        static const FormSpec form = MakeForm(kEnglish, controls);
        return form;
    }
    static const std::array<ControlSpec, kControlCount> controls = BuildControls(Language::Turkish);
    static const FormSpec form = MakeForm(kTurkish, controls);
    return form;
}
