#include "TestSupport.h"

#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>

UrlRecorder::UrlRecorder(QObject *parent) : QObject(parent) {
    QDesktopServices::setUrlHandler(QStringLiteral("http"), this, "handle");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "handle");
}

UrlRecorder::~UrlRecorder() {
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
}

QStringList UrlRecorder::addresses() const {
    QStringList list;
    for (const QUrl &url : urls)
        list << url.toString(QUrl::FullyEncoded);
    return list;
}

void UrlRecorder::handle(const QUrl &url) {
    urls << url;
    if (onOpen)
        onOpen(url);
}

IsolatedSettings::IsolatedSettings() {
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setDefaultFormat(QSettings::IniFormat);
    for (const QSettings::Format format : {QSettings::IniFormat, QSettings::NativeFormat}) {
        QSettings::setPath(format, QSettings::UserScope, userPath());
        QSettings::setPath(format, QSettings::SystemScope, systemPath());
    }
    clear();
}

IsolatedSettings::~IsolatedSettings() {
    QSettings::setDefaultFormat(QSettings::NativeFormat);
}

QString IsolatedSettings::userPath() const {
    return dir.filePath(QStringLiteral("user"));
}

QString IsolatedSettings::systemPath() const {
    return dir.filePath(QStringLiteral("system"));
}

void IsolatedSettings::clear() {
    for (const QString &path : {userPath(), systemPath()}) {
        QDir scope(path);
        // A test may leave a file unwritable; its folder stays writable, so removal still works.
        scope.removeRecursively();
        QDir().mkpath(path);
    }
}

void CloseAllTopLevelWindows() {
    QList<QPointer<QWidget>> windows;
    const QWidgetList topLevels = QApplication::topLevelWidgets();
    for (QWidget *window : topLevels) {
        if (!window->parentWidget())
            windows.append(window);
    }
    // Deleting one window may delete others it owns, hence the guarded pointers.
    for (const QPointer<QWidget> &window : std::as_const(windows))
        delete window.data();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int RunInApplicationLoop(const std::function<void()> &work) {
    QTimer start;
    start.setSingleShot(true);
    QObject::connect(&start, &QTimer::timeout, &start, work);
    start.start(0);
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &guard, [] { QCoreApplication::exit(-2); });
    guard.start(10000);
    const int code = QApplication::exec();
    // The closing of the last window may have posted a quit that would otherwise arrive later,
    // outside the loop.
    QCoreApplication::removePostedEvents(qApp, QEvent::Quit);
    return code;
}

bool LocalEventLoopsRun() {
    QEventLoop loop;
    QTimer::singleShot(0, &loop, [&loop] { loop.exit(7); });
    return loop.exec() == 7;
}

void ForceOffscreenPlatform() {
    qputenv("QT_QPA_PLATFORM", "offscreen");
#if defined(Q_OS_WIN)
    // Offscreen, Qt on Windows reads fonts from files in a folder rather than from the system.
    if (!qEnvironmentVariableIsSet("QT_QPA_FONTDIR"))
        qputenv("QT_QPA_FONTDIR", qgetenv("SystemRoot") + "\\Fonts");
#endif
}

QList<QWidget *> VisibleWindows() {
    QList<QWidget *> visible;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible())
            visible.append(window);
    }
    return visible;
}

bool ShowCounter::eventFilter(QObject *watched, QEvent *event) {
    auto *widget = qobject_cast<QWidget *>(watched);
    if (event->type() == QEvent::Show && widget && widget->isWindow())
        ++windowsShown;
    return false;
}

char *MessageCapture::toString(const Asked &asked) {
    return QTest::toString(u"\"%1\" (icon %2, buttons %3)"_qs.arg(
        asked.text, QString::number(int(asked.icon)), QString::number(int(asked.buttons))));
}
