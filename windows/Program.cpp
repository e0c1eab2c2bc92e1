#include "Program.h"

#include "ClosingWindow.h"
#include "TestSeams.h"

#include <QApplication>
#include <QPointer>

namespace {
std::function<void()> endProgramHook;
bool ending = false;

ClosingWindow *ClosingWindowMadeOnce() {
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *window : topLevels) {
        if (auto *closing = qobject_cast<ClosingWindow *>(window))
            return closing;
    }
    return new ClosingWindow;
}
} // namespace

namespace Program {

void LoadClosingWindow() {
    if (!ending)
        ClosingWindowMadeOnce();
}

void ShowClosingWindow() {
    // While the program ends, windows close without bringing up any other.
    if (ending)
        return;
    ClosingWindow *closingWindow = ClosingWindowMadeOnce();
    closingWindow->show();
    // The window the user was in has just gone; the keyboard should reach the way out.
    closingWindow->raise();
    closingWindow->activateWindow();
}

void EndProgram() {
    if (endProgramHook) {
        endProgramHook();
        return;
    }
    // A window's own close handling may lead back here while the windows are being closed.
    if (ending)
        return;
    ending = true;

    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *window : topLevels) {
        const Qt::WindowType type = window->windowType();
        if (type != Qt::Popup && type != Qt::ToolTip && type != Qt::Desktop)
            windows.append(window);
    }
    for (const QPointer<QWidget> &window : std::as_const(windows)) {
        if (!window)
            continue;
        window->close();
        // Windows that are only ever hidden would otherwise outlive the program's end.
        if (window && !window->testAttribute(Qt::WA_DeleteOnClose) && !window->parentWidget())
            window->deleteLater();
    }

    QCoreApplication::exit(0);
}

bool IsEnding() {
    return ending;
}

void ResetForTesting(std::function<void()> hook) {
    ending = false;
    endProgramHook = std::move(hook);
}

} // namespace Program
