#include "Clock.h"

#include "TestSeams.h"

namespace {
std::optional<QDate> &testDate() {
    static std::optional<QDate> date;
    return date;
}
} // namespace

QDate Today() {
    return testDate().value_or(QDate::currentDate());
}

void SetTodayForTesting(std::optional<QDate> date) {
    testDate() = date;
}
