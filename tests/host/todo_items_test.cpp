// What the to-do window lists for a given state of the check boxes.
#include <gtest/gtest.h>

#include <set>
#include <string_view>
#include <vector>

#include "checklist/objectives.h"
#include "todo/todo_items.h"

namespace {

using Items = std::vector<std::wstring_view>;

// The `open` boxes hold Value 0, every other box `others`.
Items Listed(const TodoTexts& texts, std::set<int> open, int others = 1) {
    return OpenTodoItems(texts, [&](int box) { return open.contains(box) ? 0 : others; });
}

TEST(TodoItems, NothingTickedListsAllInReadingOrder) {
    const struct {
        const TodoTexts& texts;
        std::wstring_view third, sixth;  // boxes 5 and 10
    } cases[] = {
        {kEnglishTodo, L"Races for Brucie", L"Complete all 30 car thefts"},
        {kTurkishTodo, L"Brucie için yarışlar", L"Stevie için 30 araba hırsızlığı"},
    };
    for (const auto& c : cases) {
        const Items items = Listed(c.texts, {}, 0);
        ASSERT_EQ(items.size(), 21u);
        for (int i = 0; i < kObjectiveCount; ++i) EXPECT_EQ(items[i], c.texts.items[kObjectives[i].box - 1]) << i;
        EXPECT_EQ(items[2], c.third);
        EXPECT_EQ(items[5], c.sixth);
    }
}

TEST(TodoItems, TickedAndGrayedBoxesAreDone) {
    EXPECT_TRUE(Listed(kEnglishTodo, {}).empty());
    EXPECT_TRUE(Listed(kTurkishTodo, {}).empty());
    EXPECT_EQ(Listed(kEnglishTodo, {16}, 2), (Items{L"Get the high score in the Cub3d arcade game"}));
}

TEST(TodoItems, ListsTheToDoTextsNotTheGridTexts) {
    EXPECT_EQ(Listed(kEnglishTodo, {10}), (Items{L"Complete all 30 car thefts"}));
    EXPECT_EQ(Listed(kTurkishTodo, {21, 7, 8}),
              (Items{L"Jacob - Özel Yetenek", L"Packie - Özel Yetenek", L"50 tane akrobasi uçuşu yap"}));
}

}  // namespace
