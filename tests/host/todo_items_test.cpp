// What the to-do window lists for a given state of the check boxes.
#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/player_texts.h"
#include "todo/todo_items.h"

namespace {

using Items = std::vector<std::wstring>;

// The `open` boxes hold Value 0, every other box `others` (1 ticked, 2 grayed).
Items Listed(const TodoTexts& texts, const std::set<int>& open, int others) {
    const auto items = OpenTodoItems(texts, [&](int box) { return open.contains(box) ? 0 : others; });
    return Items(items.begin(), items.end());
}

TEST(TodoItems, TheToDoTextsOfTheBoxesWithValueZeroInReadingOrder) {
    for (const auto& [seen, texts] : {std::pair{&expected::kEnglish, &kEnglishTodo}, {&expected::kTurkish, &kTurkishTodo}}) {
        EXPECT_EQ(Listed(*texts, {}, 0), expected::TodoList(*seen, [](int) { return true; }));
        EXPECT_EQ(Listed(*texts, {21, 7, 8}, 2), expected::TodoList(*seen, [](int box) { return box == 7 || box == 8 || box == 21; }));
        EXPECT_TRUE(Listed(*texts, {}, 1).empty());
    }
}

}  // namespace
