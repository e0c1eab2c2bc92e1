// Time from a click on Next to the report shown, and from a click on Back to the main window shown
// again, in-process, over many readings with different birth dates.
//
// The clock starts just before the button's click and stops once the window the user is waiting
// for has been exposed and painted: an event filter sees the window's Expose and queues the stop,
// which runs after the expose has been handled. The report must be in txtDisplay by then.
//
// Runs on whatever platform Qt picks (scripts/bench.sh gives it a private Xvfb); the program's
// settings, lock file and session bus are kept out of the user's own.
//
// A program left open all day must hold its memory steady, so the resident memory is read after
// 500 and after 5,000 rounds of Next and Back (warm-up included), where the run gets that far,
// beside the heap the allocator has handed out (what is left of the resident memory is code,
// fonts and what the allocator keeps) and the pixmap cache against its limit (its use in whole MiB,
// rounded up).
//
// Usage: bench_latency [readings]

// Qt's own tests read the pixmap cache's use through this; a benchmark may too.
#define Q_TEST_QPIXMAPCACHE
#include <QPixmapCache>

#include "Startup.h"
#include "Summary.h"

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#if defined(Q_OS_LINUX)
#include <QFile>
#endif
#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

// The visible top-level window that holds the control `name`: cmdNext for the main window,
// cmdback for the results window.
QWidget *TopLevel(const char *name) {
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *window : windows) {
        if (window->isVisible() && window->findChild<QWidget *>(QLatin1String(name)))
            return window;
    }
    return nullptr;
}

template <class T> T *Find(const QWidget *window, const char *name) {
    T *control = window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
    if (!control) {
        std::fprintf(stderr, "bench_latency: no control %s\n", name);
        std::exit(1);
    }
    return control;
}

// Waits, in a local event loop, until the top-level window `name` has been exposed and the expose
// handled, and returns the milliseconds since `clock` started; -1 after five seconds.
class ExposeWatch : public QObject {
public:
    explicit ExposeWatch(const char *name) : name_(name) { qApp->installEventFilter(this); }
    ~ExposeWatch() override { qApp->removeEventFilter(this); }

    double wait(const QElapsedTimer &clock) {
        clock_ = &clock;
        if (elapsedMs_ < 0) {
            QTimer::singleShot(5000, &loop_, [this] { loop_.exit(); });
            loop_.exec();
        }
        return elapsedMs_;
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override {
        if (event->type() != QEvent::Expose || elapsedMs_ >= 0)
            return false;
        auto *window = qobject_cast<QWindow *>(watched);
        const QWidget *wanted = TopLevel(name_);
        if (!window || !wanted || wanted->windowHandle() != window)
            return false;
        // Queued, so it runs once this expose, and the painting it brings, are done.
        QMetaObject::invokeMethod(
            this,
            [this, window] {
                if (window->isExposed() && elapsedMs_ < 0) {
                    elapsedMs_ = static_cast<double>(clock_->nsecsElapsed()) / 1e6;
                    loop_.exit();
                }
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    const char *name_;
    const QElapsedTimer *clock_ = nullptr;
    double elapsedMs_ = -1;
    QEventLoop loop_;
};

// Lets what a step left behind (windows awaiting deletion, late events) settle before the next
// click, as it would between two clicks of a user.
void Settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The process's resident memory now, in MiB; -1 where the system does not tell.
double ResidentMiB() {
#if defined(Q_OS_LINUX)
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    }
#endif
    return -1;
}

// The heap in use now, in MiB; -1 where the allocator does not tell.
double HeapInUseMiB() {
#if defined(__GLIBC__)
    const struct mallinfo2 heap = mallinfo2();
    return static_cast<double>(heap.uordblks + heap.hblkhd) / (1024.0 * 1024.0);
#else
    return -1;
#endif
}

struct MemoryReading {
    int rounds;
    double resident, heap, pixmapCache;
};

// Records any page the program would open; a benchmark run must open none.
class NoBrowser : public QObject {
    Q_OBJECT
public:
    int opened = 0;
public Q_SLOTS:
    void handle(const QUrl &) { ++opened; }
};

} // namespace

int main(int argc, char *argv[]) {
    const int readings = argc > 1 ? std::max(1, std::atoi(argv[1])) : 500;

    // A store, lock and session bus of the benchmark's own: the first run stores today's date,
    // so the update reminder asks nothing.
    QTemporaryDir sandbox;
    if (!sandbox.isValid())
        return 1;
    // The lock lives in the sandbox, so it must go before the sandbox does.
    struct LockRelease {
        ~LockRelease() { SingleInstance::Release(); }
    } lockRelease;
    for (const char *var :
         {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_RUNTIME_DIR"})
        qputenv(var, sandbox.path().toLocal8Bit());
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + sandbox.filePath("no-bus").toLocal8Bit());

    QApplication app(argc, argv);
    SetUpApplication();
    NoBrowser browser;
    for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https")})
        QDesktopServices::setUrlHandler(scheme, &browser, "handle");

    {
        ExposeWatch shown("cmdNext");
        QElapsedTimer clock;
        clock.start();
        RunStartup(sandbox.filePath(QStringLiteral("bench.lock")));
        if (shown.wait(clock) < 0) {
            std::fprintf(stderr, "bench_latency: the main window was never shown\n");
            return 1;
        }
    }
    QWidget *main = TopLevel("cmdNext");
    Find<QLineEdit>(main, "txtFirstName")->setText(QStringLiteral("ADA"));
    Find<QLineEdit>(main, "txtLastName")->setText(QStringLiteral("LOVELACE"));
    auto *day = Find<QComboBox>(main, "cboDate");
    auto *month = Find<QComboBox>(main, "cboMonth");
    auto *year = Find<QComboBox>(main, "cboYear");

    // The first of each is measured too but left out: it creates what later ones reuse.
    const int warmUp = 5;
    std::vector<double> next, back;
    const int memoryRounds[] = {500, 5000};
    std::vector<MemoryReading> memory;
    for (int i = 0; i < warmUp + readings; ++i) {
        // Every date is valid: days 1 to 28 of every month, across the listed years.
        day->setCurrentIndex(i % 28);
        month->setCurrentIndex((i / 28) % 12);
        year->setCurrentIndex((i * 37) % year->count());
        Settle();

        QElapsedTimer clock;
        double nextMs = 0;
        {
            ExposeWatch shown("cmdback");
            clock.start();
            Find<QPushButton>(main, "cmdNext")->click();
            nextMs = shown.wait(clock);
        }
        QWidget *results = TopLevel("cmdback");
        const QString report = Find<QPlainTextEdit>(results, "txtDisplay")->toPlainText();
        if (nextMs < 0 || main->isVisible() || !report.startsWith(QLatin1String("Varivuvo"))) {
            std::fprintf(stderr, "bench_latency: reading %d was not shown\n", i);
            return 1;
        }
        Settle();

        double backMs = 0;
        {
            ExposeWatch shown("cmdNext");
            clock.start();
            Find<QPushButton>(results, "cmdback")->click();
            backMs = shown.wait(clock);
        }
        if (backMs < 0 || !main->isVisible()) {
            std::fprintf(stderr, "bench_latency: Back did not return to the main window\n");
            return 1;
        }
        if (i >= warmUp) {
            next.push_back(nextMs);
            back.push_back(backMs);
        }
        if (std::find(std::begin(memoryRounds), std::end(memoryRounds), i + 1) !=
            std::end(memoryRounds)) {
            Settle();
            memory.push_back(
                {i + 1, ResidentMiB(), HeapInUseMiB(), double(QPixmapCache::totalUsed())});
        }
    }
    for (const QString &scheme : {QStringLiteral("http"), QStringLiteral("https")})
        QDesktopServices::unsetUrlHandler(scheme);
    if (browser.opened) {
        std::fprintf(stderr, "bench_latency: a page was opened during the run\n");
        return 1;
    }

    std::printf("%d readings after %d warm-up, platform %s (ms)\n", readings, warmUp,
                qPrintable(QGuiApplication::platformName()));
    std::printf("  %-36s %8s %8s %8s\n", "", "median", "p99", "max");
    const Summary n = Summarise(next);
    std::printf("  %-36s %8.3f %8.3f %8.3f\n", "Next -> report shown", n.median, n.p99, n.max);
    const Summary b = Summarise(back);
    std::printf("  %-36s %8.3f %8.3f %8.3f\n", "Back -> main window shown", b.median, b.p99, b.max);
    if (!memory.empty()) {
        std::printf("memory (MiB), pixmap cache limit %.2f MiB\n",
                    QPixmapCache::cacheLimit() / 1024.0);
        std::printf("  %-36s %8s %8s %8s\n", "", "resident", "heap", "pixmaps");
    }
    for (const MemoryReading &m : memory) {
        std::printf("  after %5d rounds %18s %8.2f %8.2f %8.2f\n", m.rounds, "", m.resident, m.heap,
                    m.pixmapCache);
    }
    if (memory.size() > 1) {
        const MemoryReading &first = memory.front(), &last = memory.back();
        std::printf("  growth from %d to %d rounds %11s %+8.2f %+8.2f %+8.2f\n", first.rounds,
                    last.rounds, "", last.resident - first.resident, last.heap - first.heap,
                    last.pixmapCache - first.pixmapCache);
    }
    return 0;
}

#include "bench_latency.moc"
