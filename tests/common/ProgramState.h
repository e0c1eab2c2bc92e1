#pragma once
#include "TestSupport.h"

#include <QObject>
#include <QTemporaryDir>
#include <functional>

class ResultsWindow;

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

// The results window on screen, if there is one.
ResultsWindow *VisibleResultsWindow();

// The tests that run the real start-up and EndProgram derive from this. As in the program's main,
// only EndProgram leaves the event loop; the instance lock lies in a folder of the test's own and
// is gone after each test, and whatever a test did, the next can still run an event loop.
class ProgramTest : public QObject {
    Q_OBJECT

protected:
    QString lockPath() const { return lockDir.filePath(QStringLiteral("instance.lock")); }

    ProgramState state;
    UrlRecorder &recorder = state.recorder;

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

private:
    QTemporaryDir lockDir;
};
