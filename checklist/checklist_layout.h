#pragma once
// The checklist window's layout: one table of 97 controls in stored order,
// shared by both languages, which differ only in their texts and in three
// settings (Label1's width, Label6's alignment, Label8's place and width).
#include "checklist/language.h"
#include "forms/layout.h"

// Valid for the whole run (static storage).
const forms::FormSpec& ChecklistFormSpec(Language language);
