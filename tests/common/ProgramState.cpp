#include "ProgramState.h"

#include "Clock.h"
#include "Program.h"
#include "Random.h"
#include "ResultsWindow.h"
#include "ShowMessage.h"
#include "SingleInstance.h"

#include <QApplication>
#include <QFile>
#include <QTest>

void ProgramState::init(std::function<void()> endProgramHook) {
    settings.clear();
    recorder.clear();
    MessageCapture::start();
    Program::ResetForTesting(std::move(endProgramHook));
}

void ProgramState::cleanup() {
    CloseAllTopLevelWindows();
    SingleInstance::Release();
    Program::ResetForTesting();
    PinRandomSeedForTesting(std::nullopt);
    SetTodayForTesting(std::nullopt);
    recorder.onOpen = nullptr;
    MessageCapture::stop();
}

ResultsWindow *VisibleResultsWindow() {
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *results = qobject_cast<ResultsWindow *>(window); results && results->isVisible())
            return results;
    }
    return nullptr;
}

void ProgramTest::initTestCase() {
    QVERIFY(lockDir.isValid());
    QVERIFY(state.isValid());
    QApplication::setQuitOnLastWindowClosed(false);
}

void ProgramTest::init() {
    state.init();
}

void ProgramTest::cleanup() {
    state.cleanup();
    QFile::remove(lockPath());
    QVERIFY(LocalEventLoopsRun());
}
