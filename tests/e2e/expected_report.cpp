// Prints the report the reading library composes for a day, month and year, for the end-to-end
// tests to compare with what the results window shows.
#include "Pinnacle.h"

#include <cstdio>
#include <iostream>

int main(int argc, char *argv[]) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: %s DAY MONTH YEAR\n", argv[0]);
        return 2;
    }
    std::cout << pinnacle::ComposeReport(pinnacle::ComputePinnacles(argv[1], argv[2], argv[3]));
    return 0;
}
