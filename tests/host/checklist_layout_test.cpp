#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "checklist/checklist_layout.h"
#include "checklist/objectives.h"

namespace {

using forms::Alignment;
using forms::ControlKind;
using forms::ControlSpec;
using forms::FormSpec;

constexpr std::array kLanguages{Language::English, Language::Turkish};

// The stacking order the window is drawn in; lbYuzde may stand anywhere.
constexpr std::array<std::wstring_view, 96> kStoredOrder{
    L"Command2", L"Timer1",  L"Scroll",  L"Command4", L"Check21", L"Check20", L"Check19", L"Check18",
    L"Check17",  L"Check16", L"Check15", L"Command1", L"Check10", L"Check9",  L"Check8",  L"Check7",
    L"Check6",   L"Check5",  L"Check4",  L"Check3",   L"Check2",  L"Check1",  L"Check12", L"Check11",
    L"Check13",  L"Check14", L"Label49", L"Shape21",  L"Shape20", L"Shape19", L"Shape18", L"Shape17",
    L"Shape16",  L"Shape15", L"Shape14", L"Shape12",  L"Shape11", L"Shape10", L"Shape9",  L"Shape8",
    L"Shape7",   L"Shape6",  L"Shape5",  L"Shape4",   L"Shape3",  L"Shape2",  L"Shape1",  L"Label2",
    L"Label1",   L"Label3",  L"Label4",  L"Label5",   L"Label6",  L"Label7",  L"Label8",  L"Label9",
    L"Label12",  L"Label11", L"Label10", L"Label15",  L"Label14", L"Label13", L"Label18", L"Label17",
    L"Label16",  L"Shape13", L"Label21", L"Label20",  L"Label19", L"Label24", L"Label23", L"Label22",
    L"Label30",  L"Label29", L"Label28", L"Label27",  L"Label26", L"Label25", L"Label33", L"Label32",
    L"Label31",  L"Label36", L"Label35", L"Label34",  L"Label42", L"Label41", L"Label40", L"Label39",
    L"Label38",  L"Label37", L"Label45", L"Label44",  L"Label43", L"Label48", L"Label47", L"Label46",
};

struct GridRow {
    std::wstring_view category, objective, percentage;
    std::wstring_view page1Box, page2Box;  // page2Box empty below row 7
    std::wstring_view rowBox;              // empty on row 10
};

// Index 0 is row 1.
constexpr std::array<GridRow, 14> kRows{{
    {L"Label7", L"Label8", L"Label9", L"Check1", L"Check15", L"Shape9"},
    {L"Label10", L"Label11", L"Label12", L"Check2", L"Check16", L"Shape10"},
    {L"Label13", L"Label14", L"Label15", L"Check5", L"Check17", L"Shape11"},
    {L"Label16", L"Label17", L"Label18", L"Check4", L"Check18", L"Shape12"},
    {L"Label19", L"Label20", L"Label21", L"Check3", L"Check19", L"Shape13"},
    {L"Label22", L"Label23", L"Label24", L"Check10", L"Check20", L"Shape14"},
    {L"Label25", L"Label26", L"Label27", L"Check9", L"Check21", L"Shape15"},
    {L"Label28", L"Label29", L"Label30", L"Check8", {}, L"Shape16"},
    {L"Label31", L"Label32", L"Label33", L"Check7", {}, L"Shape17"},
    {L"Label34", L"Label35", L"Label36", L"Check6", {}, {}},
    {L"Label39", L"Label38", L"Label37", L"Check11", {}, L"Shape20"},
    {L"Label42", L"Label41", L"Label40", L"Check12", {}, L"Shape19"},
    {L"Label45", L"Label44", L"Label43", L"Check13", {}, L"Shape18"},
    {L"Label48", L"Label47", L"Label46", L"Check14", {}, L"Shape21"},
}};

std::string Narrow(std::wstring_view text) { return {text.begin(), text.end()}; }

std::wstring Numbered(std::wstring_view prefix, int n) { return std::wstring(prefix) + std::to_wstring(n); }

int IndexOf(const FormSpec& form, std::wstring_view name) {
    for (std::size_t i = 0; i < form.controls.size(); ++i)
        if (form.controls[i].name == name) return static_cast<int>(i);
    ADD_FAILURE() << "no control " << Narrow(name);
    return -1;
}

const ControlSpec& Get(const FormSpec& form, std::wstring_view name) {
    static const ControlSpec missing;
    const int i = IndexOf(form, name);
    return i < 0 ? missing : form.controls[i];
}

// Pixel lines of an outline at 15 twips a pixel.
int TopLine(const ControlSpec& c) { return c.rect.top / 15; }
int BottomLine(const ControlSpec& c) { return (c.rect.top + c.rect.height) / 15 - 1; }
int LeftLine(const ControlSpec& c) { return c.rect.left / 15; }
int RightLine(const ControlSpec& c) { return (c.rect.left + c.rect.width) / 15 - 1; }

bool IsGridCell(std::wstring_view name) {
    for (int n = 7; n <= 48; ++n)
        if (name == Numbered(L"Label", n)) return true;
    return false;
}

bool IsHeaderOrCell(std::wstring_view name) {
    return IsGridCell(name) || name == L"Label3" || name == L"Label4" || name == L"Label5" || name == L"Label6";
}

// TabIndex by the numbering rules, independent of how the table spells it.
int ExpectedTabIndex(std::wstring_view name) {
    static const std::map<std::wstring, int> outside{
        {L"Label1", 0},   {L"Label2", 1},    {L"Label3", 2},    {L"Label4", 3},    {L"Label5", 4},
        {L"Label6", 5},   {L"lbYuzde", 19},  {L"Command1", 63}, {L"Label49", 71},  {L"Command4", 72},
        {L"Scroll", 73},  {L"Command2", 74}, {L"Check11", 47},  {L"Check12", 51},  {L"Check13", 55},
        {L"Check14", 59},
    };
    if (auto it = outside.find(std::wstring(name)); it != outside.end()) return it->second;
    for (int box = 1; box <= 10; ++box)
        if (name == Numbered(L"Check", box)) return box + 5;
    for (int box = 15; box <= 21; ++box)
        if (name == Numbered(L"Check", box)) return box + 49;
    for (int label = 7; label <= 48; ++label) {
        if (name != Numbered(L"Label", label)) continue;
        if (label <= 9) return label + 9;
        if (label <= 36) return label + 10;
        // From Label37 on, each row's three cells skip the number its box holds.
        return 48 + (label - 37) / 3 * 4 + (label - 37) % 3;
    }
    return -1;  // rectangles and the timer
}

TEST(ChecklistLayout, HoldsTheControlsInStoredOrderWithUniqueNames) {
    for (Language language : kLanguages) {
        const FormSpec& form = ChecklistFormSpec(language);
        ASSERT_EQ(form.controls.size(), 97u);

        std::set<std::wstring_view> names;
        std::vector<std::wstring_view> order;
        for (const ControlSpec& c : form.controls) {
            EXPECT_TRUE(names.insert(c.name).second) << "twice: " << Narrow(c.name);
            if (c.name != L"lbYuzde") order.push_back(c.name);
        }
        EXPECT_TRUE(std::ranges::equal(order, kStoredOrder));

        const ControlSpec& total = Get(form, L"lbYuzde");
        EXPECT_EQ(total.kind, ControlKind::Label);
        EXPECT_FALSE(total.visible);
        EXPECT_EQ(total.caption, L"0");

        const ControlSpec& timer = Get(form, L"Timer1");
        EXPECT_EQ(timer.kind, ControlKind::Timer);
        EXPECT_EQ(timer.interval, 1);

        // The window opens on page 1 and page 2 (Value 12 and up) is reachable.
        const ControlSpec& scroll = Get(form, L"Scroll");
        EXPECT_EQ(scroll.kind, ControlKind::VScrollBar);
        EXPECT_EQ(scroll.min, 0);
        EXPECT_GE(scroll.max, 12);

        for (int n = 1; n <= 21; ++n) EXPECT_EQ(Get(form, Numbered(L"Shape", n)).color, forms::kSystemHighlight);
    }
}

TEST(ChecklistLayout, TabIndexNumbersEveryControlButRectanglesAndTimerOnce) {
    for (Language language : kLanguages) {
        const FormSpec& form = ChecklistFormSpec(language);
        std::vector<int> numbers;
        for (const ControlSpec& c : form.controls) {
            EXPECT_EQ(c.tabIndex, ExpectedTabIndex(c.name)) << Narrow(c.name);
            if (c.tabIndex >= 0) numbers.push_back(c.tabIndex);
        }
        std::ranges::sort(numbers);
        std::vector<int> expected(75);
        for (int i = 0; i < 75; ++i) expected[i] = i;
        EXPECT_EQ(numbers, expected);
    }
}

TEST(ChecklistLayout, FocusRunsThroughBoxesThenButtonsAndScrollBar) {
    std::vector<std::wstring> expected;
    for (int box = 1; box <= 14; ++box) expected.push_back(Numbered(L"Check", box));
    expected.push_back(L"Command1");
    for (int box = 15; box <= 21; ++box) expected.push_back(Numbered(L"Check", box));
    for (auto name : {L"Command4", L"Scroll", L"Command2"}) expected.push_back(name);

    for (Language language : kLanguages) {
        std::vector<const ControlSpec*> focusable;
        for (const ControlSpec& c : ChecklistFormSpec(language).controls)
            if (c.kind == ControlKind::CheckBox || c.kind == ControlKind::CommandButton ||
                c.kind == ControlKind::VScrollBar)
                focusable.push_back(&c);
        std::ranges::sort(focusable, {}, &ControlSpec::tabIndex);
        std::vector<std::wstring> names;
        for (const ControlSpec* c : focusable) names.emplace_back(c->name);
        EXPECT_EQ(names, expected);
    }
}

TEST(ChecklistLayout, GridLinesMeetAndEveryCellEndsOnItsRowLine) {
    for (Language language : kLanguages) {
        const FormSpec& form = ChecklistFormSpec(language);

        // Rectangles drawn over the labels keep every line whole; Shape13
        // may stand among the labels because its neighbours draw its lines.
        int firstLabel = 97;
        for (int i = 0; i < 97; ++i)
            if (IsHeaderOrCell(form.controls[i].name)) firstLabel = std::min(firstLabel, i);
        for (int n = 1; n <= 21; ++n) {
            if (n != 13) EXPECT_LT(IndexOf(form, Numbered(L"Shape", n)), firstLabel) << "Shape" << n;
        }
        const ControlSpec& shape13 = Get(form, L"Shape13");
        EXPECT_EQ(TopLine(shape13), BottomLine(Get(form, L"Shape12")));
        EXPECT_EQ(BottomLine(shape13), TopLine(Get(form, L"Shape14")));
        EXPECT_EQ(LeftLine(shape13), LeftLine(Get(form, L"Shape5")));
        EXPECT_EQ(RightLine(shape13), RightLine(Get(form, L"Shape8")));

        // Columns: header box over column box, neighbours sharing a line.
        for (int column = 1; column <= 4; ++column) {
            const ControlSpec& header = Get(form, Numbered(L"Shape", column));
            const ControlSpec& body = Get(form, Numbered(L"Shape", column + 4));
            EXPECT_EQ(BottomLine(header), TopLine(body)) << "column " << column;
            EXPECT_EQ(LeftLine(header), LeftLine(body));
            EXPECT_EQ(RightLine(header), RightLine(body));
            if (column < 4) {
                EXPECT_EQ(RightLine(header), LeftLine(Get(form, Numbered(L"Shape", column + 1))));
                EXPECT_EQ(RightLine(body), LeftLine(Get(form, Numbered(L"Shape", column + 5))));
            }
        }
        const ControlSpec& firstColumn = Get(form, L"Shape5");
        const ControlSpec& lastColumn = Get(form, L"Shape8");
        for (auto header : {L"Label3", L"Label4", L"Label5", L"Label6"})
            EXPECT_EQ(BottomLine(Get(form, header)), BottomLine(Get(form, L"Shape1"))) << Narrow(header);

        // Rows: each line between two rows is drawn by both; row 10 has no
        // box of its own and is closed by Shape17 above and Shape20 below.
        int rowTopLine = TopLine(firstColumn);
        for (int row = 1; row <= 14; ++row) {
            const GridRow& r = kRows[row - 1];
            int rowBottomLine;
            if (r.rowBox.empty()) {
                rowBottomLine = TopLine(Get(form, kRows[row].rowBox));
            } else {
                const ControlSpec& box = Get(form, r.rowBox);
                EXPECT_EQ(TopLine(box), rowTopLine) << "row " << row;
                EXPECT_EQ(LeftLine(box), LeftLine(firstColumn));
                EXPECT_EQ(RightLine(box), RightLine(lastColumn));
                rowBottomLine = BottomLine(box);
            }
            EXPECT_EQ(rowBottomLine - rowTopLine, 24) << "row " << row;
            for (auto cell : {r.category, r.objective, r.percentage}) {
                EXPECT_EQ(BottomLine(Get(form, cell)), rowBottomLine) << Narrow(cell);
                EXPECT_GT(TopLine(Get(form, cell)), rowTopLine) << Narrow(cell);
            }
            rowTopLine = rowBottomLine;
        }
        EXPECT_EQ(rowTopLine, BottomLine(firstColumn));
        EXPECT_EQ(BottomLine(firstColumn), BottomLine(lastColumn));
    }
}

TEST(ChecklistLayout, RowsHoldTheirCellsAndBoxes) {
    for (Language language : kLanguages) {
        const FormSpec& form = ChecklistFormSpec(language);
        for (int row = 1; row <= 14; ++row) {
            const GridRow& r = kRows[row - 1];
            const int top = 1200 + 360 * row;
            struct Cell {
                std::wstring_view name;
                const ControlSpec& column;
            };
            for (const Cell& cell : {Cell{r.category, Get(form, L"Shape5")}, Cell{r.objective, Get(form, L"Shape6")},
                                     Cell{r.percentage, Get(form, L"Shape7")}}) {
                const ControlSpec& c = Get(form, cell.name);
                EXPECT_EQ(c.kind, ControlKind::Label);
                EXPECT_EQ(c.rect.top, top) << Narrow(cell.name);
                EXPECT_EQ(c.rect.height, 255);
                EXPECT_EQ(c.alignment, Alignment::Center);
                EXPECT_TRUE(c.visible);
                if (cell.name == L"Label8") continue;  // differs by language, checked below
                // 120 twips inside the column's lines on both sides.
                EXPECT_EQ(c.rect.left, cell.column.rect.left + 120) << Narrow(cell.name);
                EXPECT_EQ(c.rect.left + c.rect.width, cell.column.rect.left + cell.column.rect.width - 120)
                    << Narrow(cell.name);
            }

            // The box of each row ticks the objective the row shows.
            const ControlSpec& box = Get(form, r.page1Box);
            EXPECT_EQ(r.page1Box, Numbered(L"Check", ObjectiveAt(1, row)->box));
            EXPECT_EQ(box.rect.top, top);
            EXPECT_TRUE(box.visible);
            if (!r.page2Box.empty()) {
                const ControlSpec& hidden = Get(form, r.page2Box);
                EXPECT_EQ(r.page2Box, Numbered(L"Check", ObjectiveAt(2, row)->box));
                EXPECT_FALSE(hidden.visible) << Narrow(r.page2Box);
                EXPECT_EQ(hidden.rect.left, box.rect.left);
                EXPECT_EQ(hidden.rect.top, box.rect.top);
            }
        }
        for (int n = 1; n <= 21; ++n) {
            const ControlSpec& box = Get(form, Numbered(L"Check", n));
            EXPECT_EQ(box.kind, ControlKind::CheckBox);
            EXPECT_EQ(box.rect.left, 6480);
            EXPECT_EQ(box.rect.width, 255);  // room for the tick square alone
            EXPECT_EQ(box.rect.height, 195);
            EXPECT_EQ(box.caption, n >= 2 && n <= 14 ? L"Check2" : L"Check1") << "Check" << n;
        }
    }
}

TEST(ChecklistLayout, GridCaptionsAreThePage1TextsOfTheirRows) {
    for (Language language : kLanguages) {
        const FormSpec& form = ChecklistFormSpec(language);
        for (int row = 1; row <= 14; ++row) {
            const GridRow& r = kRows[row - 1];
            const ObjectiveTexts& texts = ObjectiveAt(1, row)->Texts(language);
            EXPECT_EQ(Get(form, r.category).caption, texts.category) << "row " << row;
            EXPECT_EQ(Get(form, r.percentage).caption, texts.percentage) << "row " << row;
            if (language == Language::Turkish && row == 7) continue;
            EXPECT_EQ(Get(form, r.objective).caption, texts.objective) << "row " << row;
        }
    }
    // Designed with a lower-case "y"; the first page-1 refresh corrects it.
    EXPECT_EQ(Get(ChecklistFormSpec(Language::Turkish), L"Label26").caption, L"Brucie - Özel yetenek");
    EXPECT_NE(ObjectiveAt(1, 7)->turkish.objective, L"Brucie - Özel yetenek");
}

TEST(ChecklistLayout, LanguagesDifferOnlyInTextsAndThreeSettings) {
    const FormSpec& english = ChecklistFormSpec(Language::English);
    const FormSpec& turkish = ChecklistFormSpec(Language::Turkish);
    ASSERT_EQ(english.controls.size(), turkish.controls.size());

    std::set<std::string> differences;
    for (std::size_t i = 0; i < english.controls.size(); ++i) {
        const ControlSpec& e = english.controls[i];
        const ControlSpec& t = turkish.controls[i];
        const std::string name = Narrow(e.name);
        ASSERT_EQ(e.name, t.name);
        auto note = [&](bool same, const char* field) {
            if (!same) differences.insert(name + " " + field);
        };
        note(e.kind == t.kind, "kind");
        note(e.rect.left == t.rect.left, "left");
        note(e.rect.top == t.rect.top, "top");
        note(e.rect.width == t.rect.width, "width");
        note(e.rect.height == t.rect.height, "height");
        note(e.tabIndex == t.tabIndex, "tabIndex");
        note(e.color == t.color, "color");
        note(e.alignment == t.alignment, "alignment");
        note(e.visible == t.visible, "visible");
        note(e.min == t.min && e.max == t.max && e.smallChange == t.smallChange && e.largeChange == t.largeChange,
             "range");
        note(e.interval == t.interval, "interval");
        note(e.rounded == t.rounded && e.multiLine == t.multiLine && e.locked == t.locked, "style");

        // Every label and button speaks its window's language; the boxes'
        // captions and the total's "0" are not texts the user reads.
        const bool translated = (e.kind == ControlKind::Label && e.name != L"lbYuzde") ||
                                e.kind == ControlKind::CommandButton;
        if (translated)
            EXPECT_NE(e.caption, t.caption) << name;
        else
            EXPECT_EQ(e.caption, t.caption) << name;
    }
    EXPECT_EQ(differences, (std::set<std::string>{"Label1 width", "Label6 alignment", "Label8 left", "Label8 width"}));

    EXPECT_EQ(Get(english, L"Label1").rect.width, 495);
    EXPECT_EQ(Get(turkish, L"Label1").rect.width, 615);
    EXPECT_EQ(Get(english, L"Label6").alignment, Alignment::Right);
    EXPECT_EQ(Get(turkish, L"Label6").alignment, Alignment::Center);
    // English Label8 keeps inside the objective column, Turkish crosses both lines.
    const ControlSpec& column = Get(english, L"Shape6");
    EXPECT_EQ(Get(english, L"Label8").rect.left, column.rect.left + 120);
    EXPECT_EQ(Get(english, L"Label8").rect.width, column.rect.width - 240);
    EXPECT_EQ(Get(turkish, L"Label8").rect.left, column.rect.left - 120);
    EXPECT_EQ(Get(turkish, L"Label8").rect.width, column.rect.width + 240);
}

TEST(ChecklistLayout, WindowsAreFixedAndTheHelpNamesTheButtons) {
    for (Language language : kLanguages) {
        const FormSpec& form = ChecklistFormSpec(language);
        EXPECT_EQ(form.name, language == Language::English ? L"frmEnglish" : L"frmTurkish");
        EXPECT_EQ(form.clientWidth, 7365);
        EXPECT_EQ(form.clientHeight, 7110);
        EXPECT_EQ(form.border, forms::BorderStyle::FixedSingle);
        EXPECT_FALSE(form.maxButton);
        EXPECT_TRUE(form.minButton);
        EXPECT_TRUE(form.showInTaskbar);
        EXPECT_EQ(form.backColor, forms::kDefaultColor);

        // The help paragraph quotes the buttons by their captions.
        const std::wstring_view help = Get(form, L"Label2").caption;
        for (auto button : {L"Command1", L"Command2"}) {
            const std::wstring quoted = L"\"" + std::wstring(Get(form, button).caption) + L"\"";
            EXPECT_NE(help.find(quoted), std::wstring_view::npos) << Narrow(button);
        }
        EXPECT_EQ(Get(form, L"Label2").color, forms::kSystemHighlight);
        EXPECT_EQ(Get(form, L"Label1").color, forms::kDarkRed);
        EXPECT_EQ(Get(form, L"Label49").color, forms::kDarkRed);
    }
}

}  // namespace
