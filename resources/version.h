#pragma once
// The program's version, in the one place the resource script reads it from.
#define CORVANE_VERSION_NUMBERS 1, 0, 1, 0
#define CORVANE_VERSION_TEXT "1.01"
#define CORVANE_PRODUCT_NAME "Corvane 100% Checklist"
#define CORVANE_COMPANY_NAME "Corvane Checklist developers"
#define CORVANE_FILE_NAME "corvane-checklist.exe"
