#include "ProgramState.h"

#include "Clock.h"
#include "Program.h"
#include "Random.h"
#include "ShowMessage.h"
#include "SingleInstance.h"

void ProgramState::init(std::function<void()> endProgramHook) {
    settings.clear();
    recorder.clear();
    MessageCapture::start();
    Program::SetEndProgramHookForTesting(std::move(endProgramHook));
}

void ProgramState::cleanup() {
    CloseAllTopLevelWindows();
    SingleInstance::Release();
    Program::SetEnding(false);
    Program::SetEndProgramHookForTesting({});
    PinRandomSeedForTesting(std::nullopt);
    SetTodayForTesting(std::nullopt);
    recorder.onOpen = nullptr;
    MessageCapture::stop();
}
