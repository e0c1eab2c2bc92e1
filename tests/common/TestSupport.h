#pragma once
#include "ShowMessage.h"
#include "TestSeams.h"

#include <QApplication>
#include <QList>
#include <QObject>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <functional>

// Stands in for the desktop's browser: every address handed to QDesktopServices::openUrl, by
// http or https, is recorded here instead of being opened, for as long as the recorder lives.
class UrlRecorder : public QObject {
    Q_OBJECT
public:
    explicit UrlRecorder(QObject *parent = nullptr);
    ~UrlRecorder() override;

    QList<QUrl> urls;
    // Runs at the moment an address is handed over, to look at the program's state right then.
    std::function<void(const QUrl &)> onOpen;

    QStringList addresses() const; // fully encoded
    void clear() { urls.clear(); }

public Q_SLOTS:
    void handle(const QUrl &url);
};

// Keeps every QSettings store of the process in a temporary folder for as long as it lives, for
// both scopes and for the default and the native format, so no test reaches the user's own
// registry, property list or file. The program opens its store in the default format, which is
// switched to files here because the native format is the registry or a property list elsewhere.
class IsolatedSettings {
public:
    IsolatedSettings();
    ~IsolatedSettings();
    IsolatedSettings(const IsolatedSettings &) = delete;
    IsolatedSettings &operator=(const IsolatedSettings &) = delete;

    bool isValid() const { return dir.isValid(); }
    QString userPath() const;
    QString systemPath() const;
    // Wipes both scopes; for each test's init().
    void clear();

private:
    QTemporaryDir dir;
};

// A control of a window, found by the name its form gives it; null when there is none
// of that kind.
template <class T> T *Control(const QObject *window, const char *name) {
    return window->findChild<T *>(QString::fromLatin1(name));
}

// The top-level windows now visible.
QList<QWidget *> VisibleWindows();

// The program's top-level window of this class, shown or hidden, or null; windows find the
// closing window the same way.
template <class T> T *TopLevelWindow() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (auto *found = qobject_cast<T *>(window))
            return found;
    }
    return nullptr;
}

// Counts windows that appear while it is installed as an application event filter, to prove that
// leaving shows nothing on the way out.
struct ShowCounter : QObject {
    int windowsShown = 0;
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Deletes every top-level window that has no parent, then the objects waiting on deleteLater.
void CloseAllTopLevelWindows();

// Runs work from inside the application's own event loop, as the program's main does, and
// returns the loop's exit code, or -2 if the loop was still running after ten seconds. An
// QCoreApplication::exit outside that loop, even from a local QEventLoop, would leave Qt's quit
// flag set, and every later QEventLoop::exec or QSignalSpy::wait of the process would return at
// once.
int RunInApplicationLoop(const std::function<void()> &work);

// Whether a local event loop can still run in this process: false once Qt's quit flag is stuck.
bool LocalEventLoopsRun();

// Sets the offscreen platform before the application exists, so that a test started by hand
// from a desktop shows no window and never reaches the desktop's clipboard.
void ForceOffscreenPlatform();

// QTEST_MAIN with a QApplication that is always offscreen.
#define ZT_TEST_MAIN(TestObject)                                                                   \
    int main(int argc, char *argv[]) {                                                             \
        ForceOffscreenPlatform();                                                                  \
        QT_PREPEND_NAMESPACE(QTest::Internal::callInitMain)<TestObject>();                         \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        QTEST_DISABLE_KEYPAD_NAVIGATION                                                            \
        TestObject tc;                                                                             \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&tc, argc, argv);                                                      \
    }

// How QCOMPARE prints a message box the program asked for.
namespace MessageCapture {
char *toString(const Asked &asked);
} // namespace MessageCapture
