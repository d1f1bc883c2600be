#pragma once
// What the to-do window lists: the to-do text of every open objective (box
// value 0), in the grid's reading order.
#include <functional>
#include <string_view>
#include <vector>

#include "todo/todo_texts.h"

// Only Value 0 is open; 1 (ticked) and 2 (grayed) are done.
std::vector<std::wstring_view> OpenTodoItems(const TodoTexts& texts, const std::function<int(int box)>& valueOfBox);
