#pragma once
// The checklist window's layout: one table of 97 controls in stored order,
// shared by both languages, filled in from a texts record.
#include "checklist/checklist_texts.h"
#include "checklist/objectives.h"
#include "forms/layout.h"

constexpr forms::FormSpec ChecklistLayout(const ChecklistTexts& t) {
    using forms::Alignment;
    using forms::ControlKind;
    using forms::ControlSpec;
    using forms::kDefaultColor;
    using forms::kSystemHighlight;

    constexpr auto rowTop = [](int row) { return 1200 + 360 * row; };
    const auto label = [](std::wstring_view name, forms::TwipRect rect, int tabIndex, std::wstring_view caption,
                          std::uint32_t color = kDefaultColor, Alignment alignment = Alignment::Left) {
        return ControlSpec{.name = name, .kind = ControlKind::Label, .rect = rect, .tabIndex = tabIndex,
                           .caption = caption, .color = color, .alignment = alignment};
    };
    const auto button = [](std::wstring_view name, forms::TwipRect rect, int tabIndex, std::wstring_view caption) {
        return ControlSpec{.name = name, .kind = ControlKind::CommandButton, .rect = rect, .tabIndex = tabIndex,
                           .caption = caption};
    };
    // Outlines in the highlight colour. Row boxes overlap their neighbours by
    // 15 twips, one pixel, so that two rows share a line.
    const auto box = [](std::wstring_view name, forms::TwipRect rect) {
        return ControlSpec{.name = name, .kind = ControlKind::Shape, .rect = rect, .color = kSystemHighlight};
    };
    const auto rowBox = [&](std::wstring_view name, int row) { return box(name, {120, 1080 + 360 * row, 6855, 375}); };
    // Page-1 boxes show at load; page 2's wait hidden on the spot of rows 1 to 7.
    const auto check = [&](std::wstring_view name, int row, int tabIndex, bool pageOne,
                           std::wstring_view caption = L"Check2") {
        return ControlSpec{.name = name, .kind = ControlKind::CheckBox, .rect = {6480, rowTop(row), 255, 195},
                           .tabIndex = tabIndex, .caption = pageOne ? caption : L"Check1", .visible = pageOne};
    };
    // A grid cell carries at load the page-1 text of its row, centred in its column.
    struct Column {
        int left, width;
        std::wstring_view ObjectiveTexts::*text;
    };
    constexpr Column cat{240, 1215, &ObjectiveTexts::category};
    constexpr Column obj{1680, 3255, &ObjectiveTexts::objective};
    constexpr Column pct{5160, 975, &ObjectiveTexts::percentage};
    const auto cell = [&](std::wstring_view name, int row, const Column& column, int tabIndex) {
        const std::wstring_view caption = name == L"Label26" ? t.row7ObjectiveAtLoad
                                                             : ObjectiveAt(1, row)->*t.grid.*column.text;
        return label(name, {column.left, rowTop(row), column.width, 255}, tabIndex, caption, kDefaultColor,
                     Alignment::Center);
    };

    // Stored order is stacking order: the rectangles stand before the labels
    // they cross (all but Shape13, whose lines its neighbours draw too).
    return {
        .name = t.name,
        .caption = t.caption,
        .clientWidth = 7365,
        .clientHeight = 7110,
        .controls = {
            button(L"Command2", {1560, 6600, 1455, 375}, 74, t.toDoList),
            {.name = L"Timer1", .kind = ControlKind::Timer, .interval = 1},
            // One click on an arrow or in the trough moves between 0 (page 1) and 21 (page 2).
            {.name = L"Scroll", .kind = ControlKind::VScrollBar, .rect = {7080, 1080, 255, 5415}, .tabIndex = 73,
             .min = 0, .max = 21, .smallChange = 21, .largeChange = 50},
            button(L"Command4", {5760, 6600, 1455, 375}, 72, t.about),
            check(L"Check21", 7, 70, false),
            check(L"Check20", 6, 69, false),
            check(L"Check19", 5, 68, false),
            check(L"Check18", 4, 67, false),
            check(L"Check17", 3, 66, false),
            check(L"Check16", 2, 65, false),
            check(L"Check15", 1, 64, false),
            button(L"Command1", {120, 6600, 1455, 375}, 63, t.calculate),
            check(L"Check10", 6, 15, true),
            check(L"Check9", 7, 14, true),
            check(L"Check8", 8, 13, true),
            check(L"Check7", 9, 12, true),
            check(L"Check6", 10, 11, true),
            check(L"Check5", 3, 10, true),
            check(L"Check4", 4, 9, true),
            check(L"Check3", 5, 8, true),
            check(L"Check2", 2, 7, true),
            check(L"Check1", 1, 6, true, L"Check1"),
            check(L"Check12", 12, 51, true),
            check(L"Check11", 11, 47, true),
            check(L"Check13", 13, 55, true),
            check(L"Check14", 14, 59, true),
            label(L"Label49", {3120, 6600, 2055, 495}, 71, t.note, forms::kDarkRed),
            rowBox(L"Shape21", 14),
            rowBox(L"Shape20", 11),
            rowBox(L"Shape19", 12),
            rowBox(L"Shape18", 13),
            rowBox(L"Shape17", 9),  // row 10 has no box: Shape17 and Shape20 close it
            rowBox(L"Shape16", 8),
            rowBox(L"Shape15", 7),
            rowBox(L"Shape14", 6),
            rowBox(L"Shape12", 4),
            rowBox(L"Shape11", 3),
            rowBox(L"Shape10", 2),
            rowBox(L"Shape9", 1),
            box(L"Shape8", {6240, 1440, 735, 5055}),
            box(L"Shape7", {5040, 1440, 1215, 5055}),
            box(L"Shape6", {1560, 1440, 3495, 5055}),
            box(L"Shape5", {120, 1440, 1455, 5055}),
            box(L"Shape4", {6240, 1080, 735, 375}),
            box(L"Shape3", {5040, 1080, 1215, 375}),
            box(L"Shape2", {1560, 1080, 3495, 375}),
            box(L"Shape1", {120, 1080, 1455, 375}),
            label(L"Label2", {120, 360, 7095, 615}, 1, t.helpParagraph, kSystemHighlight),
            label(L"Label1", {120, 120, t.helpWidth, 255}, 0, t.help, forms::kDarkRed),
            // The completion total, never shown.
            {.name = L"lbYuzde", .kind = ControlKind::Label, .rect = {840, 120, 1695, 255}, .tabIndex = 19,
             .caption = L"0", .visible = false},
            label(L"Label3", {240, 1200, 1215, 255}, 2, t.category, kDefaultColor, Alignment::Center),
            label(L"Label4", {1680, 1200, 3255, 255}, 3, t.objective, kDefaultColor, Alignment::Center),
            label(L"Label5", {5160, 1200, 975, 255}, 4, t.percentage, kDefaultColor, Alignment::Center),
            label(L"Label6", {6360, 1200, 495, 255}, 5, t.check, kDefaultColor, t.checkAlignment),
            cell(L"Label7", 1, cat, 16),
            cell(L"Label8", 1, {t.objectiveCellLeft, t.objectiveCellWidth, &ObjectiveTexts::objective}, 17),
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
            rowBox(L"Shape13", 5),
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
            cell(L"Label26", 7, obj, 36),
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
        },
    };
}
