#include "todo/todo_items.h"

#include "checklist/objectives.h"

std::vector<std::wstring_view> OpenTodoItems(const TodoTexts& texts, const std::function<int(int box)>& valueOfBox) {
    std::vector<std::wstring_view> items;
    for (const Objective& objective : kObjectives) {  // in reading order
        if (valueOfBox(objective.box) == 0) items.push_back(texts.items[static_cast<std::size_t>(objective.box - 1)]);
    }
    return items;
}
