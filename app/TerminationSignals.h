#pragma once

// Log-out, kill, Ctrl+C in a terminal and closing that terminal (on Windows: the session's end,
// taskkill without /F and WM_CLOSE to the program's hidden window) end the program as its Exit
// button does: every window closes without showing another, the event loop ends with status 0 and
// the single-instance lock is released as the process ends. A signal handler may do almost nothing,
// so it wakes the event loop, which then calls Program::EndProgram; on Unix, a start stuck before
// any event loop runs is ended a few seconds later by an alarm, with status 0 and the lock
// removed, as the loop would have left it. Returns false where the platform offers no such
// signals or the wake-up channel cannot be made; the signals then keep their default effect.
bool EndProgramOnTerminationSignals();
