#pragma once

// Asks, when the update reminder is due, whether to look for a newer version, and opens the
// download page on Yes. The start-up runs it before the main window shows, and the main window's
// loading once more, which asks nothing unless the date has changed in between.
void CheckUpdateReminder();
