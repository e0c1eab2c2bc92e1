#include "Program.h"

#include "frmMain.h"
#include "frmNagScreen2.h"

#include <QCoreApplication>
#include <QPointer>

namespace {
QPointer<frmMain> mainWindow;
QPointer<frmNagScreen2> closingWindow;
std::function<void()> endProgramHandler;
bool ending = false;
} // namespace

namespace Program {

void SetMainWindow(frmMain *window) {
    mainWindow = window;
}

frmMain *MainWindow() {
    return mainWindow.data();
}

frmNagScreen2 *ClosingWindow() {
    return closingWindow.data();
}

void ShowClosingWindow() {
    // While the program ends, windows close without bringing up any other.
    if (ending)
        return;
    if (!closingWindow)
        closingWindow = new frmNagScreen2;
    closingWindow->show();
    // The window the user was in has just gone; the keyboard should reach the way out.
    closingWindow->raise();
    closingWindow->activateWindow();
}

void HideClosingWindow() {
    if (closingWindow)
        closingWindow->hide();
}

void SetEndProgramHandler(std::function<void()> handler) {
    endProgramHandler = std::move(handler);
}

void EndProgram() {
    if (endProgramHandler) {
        endProgramHandler();
        return;
    }
    if (ending)
        return;
    ending = true;
    QCoreApplication::exit(0);
}

bool IsEnding() {
    return ending;
}

void SetEnding(bool value) {
    ending = value;
}

} // namespace Program
