#include "Startup.h"

#include "Branding.h"
#include "BuildConfig.h"
#include "MainWindow.h"
#include "Program.h"
#include "ProgramIcon.h"
#include "Random.h"
#include "ShowMessage.h"
#include "UpdateReminder.h"
#include "WindowLook.h"

#include <QApplication>
#include <QPixmapCache>
#include <algorithm>

void SetUpApplication() {
    QApplication::setApplicationName(ApplicationName());
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ZT_APP_ID));
    QApplication::setWindowIcon(ProgramWindowIcon());
    InstallFontSubstitutions();
    QApplication::setQuitOnLastWindowClosed(false);
    // The style caches what it draws under keys that hold the palette's identity, and the style
    // sheets give the lists a new palette at every paint, each results window its own: those
    // drawings are never asked for again, and Qt 6.4 keeps a key for each one it has ever cached,
    // so even a small cache grows for as long as the program stays open (about 2 MB per 1,000
    // readings). Drawing these few controls afresh costs less than that.
    QPixmapCache::setCacheLimit(PixmapCacheLimitKiB);
}

void RunStartup(const QString &lockPath) {
    if (SingleInstance::AnotherInstanceIsRunning(lockPath)) {
        ShowMessage(QStringLiteral("Application is already running"), MessageIcon::Information);
        Program::EndProgram();
        return;
    }

    Randomize();
    CheckUpdateReminder();
    // A termination signal may have ended the program while the reminder's question was open.
    if (Program::IsEnding())
        return;

    auto *main = new MainWindow;
    main->show();

    CoBrand_Randomize(*main);
}

int CoBrand_Randomize(MainWindow &main) {
    const int drawn = std::clamp(1 + static_cast<int>(6 * Rnd()), 1, 6);
    main.bringOfferToFront(drawn % 2 == 0);
    return drawn;
}
