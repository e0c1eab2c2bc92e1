#pragma once

// Asks, at most once in fifteen days, whether to look for a newer version. The date it last asked
// is the one setting the program keeps between runs.
void CheckUpdateReminder();
