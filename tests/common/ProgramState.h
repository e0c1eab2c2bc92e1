#pragma once
#include "TestSupport.h"

#include <functional>

// What every test of the program's windows and start-up sets aside and puts back: the settings
// store and the browser of the test's own, message boxes answered ahead of time, and after each
// test no window left, the program running again with no pinned seed, date or lock.
class ProgramState {
public:
    bool isValid() const { return settings.isValid(); }
    // For each test's init(). A hook stands in for EndProgram, so the test process goes on.
    void init(std::function<void()> endProgramHook = {});
    // For each test's cleanup().
    void cleanup();

    IsolatedSettings settings;
    UrlRecorder recorder;
};
