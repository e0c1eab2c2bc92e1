#include "Startup.h"

#include "Program.h"
#include "Random.h"
#include "ShowMessage.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>
#include <algorithm>

qint16 intCoBrandRandomNumber = 0;

void RunStartup(const QString &lockPath) {
    Program::SetEndProgramHandler(&EndProgram);

    if (SingleInstance::AnotherInstanceIsRunning(lockPath)) {
        ShowMessage(QStringLiteral("Application is already running"), MessageIcon::Information);
        EndProgram();
        return;
    }

    Randomize();
    modHelp::CheckUpdateReminder();

    auto *main = new frmMain;
    Program::SetMainWindow(main);
    main->show();

    CoBrand_Randomize();
}

void CoBrand_Randomize() {
    const double r = Rnd();
    intCoBrandRandomNumber = static_cast<qint16>(std::clamp(1 + static_cast<int>(6 * r), 1, 6));

    frmMain *main = Program::MainWindow();
    if (!main)
        return;
    main->BringOfferToFront(intCoBrandRandomNumber % 2 == 0);
}

void EndProgram() {
    // A window's own close handling may lead back here while the windows are being closed.
    if (Program::IsEnding())
        return;
    Program::SetEnding(true);

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
