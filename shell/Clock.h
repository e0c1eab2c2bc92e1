#pragma once
#include <QDate>
#include <optional>

// Today's local date, as the update reminder sees it. Tests pin it.
QDate Today();
void SetTodayForTesting(std::optional<QDate> date);
