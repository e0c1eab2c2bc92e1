#pragma once
#include <QString>

// Trimming as the program's forms do it: only the blank (code 32) is padding; tabs and line
// breaks are part of the text.
QString TrimBlanks(const QString &text);
