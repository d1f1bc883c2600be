// What the to-do window lists for a given state of the check boxes.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string_view>
#include <vector>

#include "checklist/objectives.h"
#include "todo/todo_items.h"

namespace {

using Items = std::vector<std::wstring_view>;

// Box values by box number, all cleared unless set.
struct Boxes {
    std::array<int, kObjectiveCount + 1> value{};

    static Boxes AllTicked() {
        Boxes b;
        b.value.fill(1);
        return b;
    }
    Boxes& Set(std::initializer_list<int> boxes, int v) {
        for (int box : boxes) value[box] = v;
        return *this;
    }
    std::function<int(int)> Reader() const {
        return [this](int box) { return value.at(box); };
    }
};

TEST(TodoItems, NothingTickedListsEverythingInReadingOrder) {
    for (Language language : {Language::English, Language::Turkish}) {
        const Boxes none;
        const Items items = OpenTodoItems(language, none.Reader());
        ASSERT_EQ(items.size(), 21u);
        for (int i = 0; i < kObjectiveCount; ++i) EXPECT_EQ(items[i], TodoText(language, ReadingOrder()[i])) << i;
    }
    const Boxes none;
    const Items english = OpenTodoItems(Language::English, none.Reader());
    const Items turkish = OpenTodoItems(Language::Turkish, none.Reader());
    EXPECT_EQ(english[2], L"Races for Brucie");
    EXPECT_EQ(turkish[2], L"Brucie için yarışlar");
    EXPECT_EQ(english[5], L"Complete all 30 car thefts");
    EXPECT_EQ(turkish[5], L"Stevie için 30 araba hırsızlığı");
}

TEST(TodoItems, EverythingTickedListsNothing) {
    const Boxes all = Boxes::AllTicked();
    EXPECT_TRUE(OpenTodoItems(Language::English, all.Reader()).empty());
    EXPECT_TRUE(OpenTodoItems(Language::Turkish, all.Reader()).empty());
}

TEST(TodoItems, OnlyValueZeroIsOpen) {
    Boxes boxes = Boxes::AllTicked();
    boxes.Set({4, 15}, 2).Set({16}, 0);
    EXPECT_EQ(OpenTodoItems(Language::English, boxes.Reader()), (Items{L"Get the high score in the Cub3d arcade game"}));
}

TEST(TodoItems, ListsTheToDoTextsNotTheGridTexts) {
    Boxes english = Boxes::AllTicked();
    english.Set({10}, 0);
    EXPECT_EQ(OpenTodoItems(Language::English, english.Reader()), (Items{L"Complete all 30 car thefts"}));

    Boxes turkish = Boxes::AllTicked();
    turkish.Set({21, 7, 8}, 0);
    EXPECT_EQ(OpenTodoItems(Language::Turkish, turkish.Reader()),
              (Items{L"Jacob - Özel Yetenek", L"Packie - Özel Yetenek", L"50 tane akrobasi uçuşu yap"}));
}

TEST(TodoItems, DifferFromTheGridInExactlyFourPlaces) {
    std::set<std::pair<int, int>> differing;  // language, box
    for (int box = 1; box <= kObjectiveCount; ++box) {
        const Objective& o = ObjectiveOfBox(box);
        if (TodoText(Language::English, box) != o.english.objective) differing.insert({0, box});
        if (TodoText(Language::Turkish, box) != o.turkish.objective) differing.insert({1, box});
    }
    EXPECT_EQ(differing, (std::set<std::pair<int, int>>{{0, 10}, {1, 7}, {1, 8}, {1, 21}}));
}

TEST(TodoItems, OpenBoxesOfPageTwoAreListedAfterPageOne) {
    Boxes boxes = Boxes::AllTicked();
    boxes.Set({17, 3, 14}, 0);
    EXPECT_EQ(OpenTodoItems(Language::English, boxes.Reader()),
              (Items{L"Assassinations", L"Beat computer or friend darts", L"Do all random character missions"}));
}

}  // namespace
