// Time per reading (ComputePinnacles plus ComposeReport) over every date the lists offer.
// Usage: bench_reading [rounds]
#include "BirthDate.h"
#include "Pinnacle.h"
#include "Summary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct Date {
    std::string day;
    std::string month;
    std::string year;
};

std::vector<Date> ListedDates() {
    std::vector<Date> dates;
    for (int year = pinnacle::FirstYear; year <= pinnacle::LastYear; ++year) {
        for (std::string_view month : pinnacle::MonthNames) {
            for (int day = pinnacle::FirstDay; day <= pinnacle::LastDay; ++day) {
                dates.push_back({std::to_string(day), std::string(month), std::to_string(year)});
            }
        }
    }
    return dates;
}

} // namespace

int main(int argc, char **argv) {
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    const std::vector<Date> dates = ListedDates();

    // Summing the report sizes keeps the compiler from dropping the work.
    std::size_t checksum = 0;
    std::vector<double> perReading;
    for (int round = 0; round < rounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (const Date &date : dates) {
            checksum +=
                pinnacle::ComposeReport(pinnacle::ComputePinnacles(date.day, date.month, date.year))
                    .size();
        }
        const std::chrono::duration<double, std::nano> elapsed =
            std::chrono::steady_clock::now() - start;
        perReading.push_back(elapsed.count() / static_cast<double>(dates.size()));
    }

    const Summary figures = Summarise(perReading);
    std::printf("readings per round: %zu, rounds: %d (checksum %zu)\n", dates.size(), rounds,
                checksum);
    std::printf("ns per reading: min %.1f  median %.1f  mean %.1f\n", figures.min, figures.median,
                figures.mean);
    return 0;
}
