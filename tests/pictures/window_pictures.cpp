// Pictures of the windows as the program draws them, to prove that a change leaves every pixel
// where it was (scripts/compare-windows.sh compares two builds with it):
//   window_pictures [--dark] FOLDER   main.png, message-box.png, results.png, ... into FOLDER; the
//                                     scale comes from QT_SCALE_FACTOR (on Windows from the
//                                     desktop), --dark sets a dark theme
//   window_pictures --compare A B     one line per picture of folder A or B: its size and how many
//                                     pixels differ; exit code 1 if any differs or is missing
#include "AboutWindow.h"
#include "ClosingWindow.h"
#include "DarkPalette.h"
#include "MainWindow.h"
#include "Pinnacle.h"
#include "ResultsWindow.h"
#include "Startup.h"
#include "TestSupport.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPainter>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <numeric>

namespace {
// The window once it is on screen with every pending event handled, as the program draws it.
QImage Picture(QWidget *window) {
    window->show();
    if (!QTest::qWaitForWindowExposed(window))
        qFatal("%s was never shown", window->metaObject()->className());
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    return window->grab().toImage();
}

// The window with its open popup drawn where the popup lies, on a transparent ground.
QImage WithPopup(QWidget *window, QWidget *popup) {
    const QImage back = Picture(window);
    const QImage front = Picture(popup);
    const QPoint at = popup->mapToGlobal(QPoint()) - window->mapToGlobal(QPoint());
    const QRect both = window->rect().united(QRect(at, popup->size()));
    QImage image(both.size() * back.devicePixelRatio(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(back.devicePixelRatio());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.drawImage(-both.topLeft(), back);
    painter.drawImage(at - both.topLeft(), front);
    return image;
}

int Compare(const QDir &a, const QDir &b) {
    const QStringList filter = {QStringLiteral("*.png")};
    QStringList names = a.entryList(filter, QDir::Files) + b.entryList(filter, QDir::Files);
    names.sort();
    names.removeDuplicates();
    int status = names.isEmpty() ? 1 : 0;
    for (const QString &name : std::as_const(names)) {
        const QImage one = QImage(a.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const QImage two = QImage(b.filePath(name)).convertToFormat(QImage::Format_ARGB32);
        const auto size = [](const QImage &image) {
            return u"%1x%2"_qs.arg(image.width()).arg(image.height());
        };
        QString line;
        qint64 differing = -1;
        if (one.isNull() || two.isNull()) {
            line = u"missing in "_qs + (one.isNull() ? a : b).path();
        } else if (one.size() != two.size()) {
            line = size(one) + u" against "_qs + size(two);
        } else {
            const auto *p = reinterpret_cast<const QRgb *>(one.constBits());
            const auto *q = reinterpret_cast<const QRgb *>(two.constBits());
            differing = std::transform_reduce(p, p + one.width() * one.height(), q, qint64(0),
                                              std::plus<>(), std::not_equal_to<>());
            line = size(one) + u", %1 differing pixels"_qs.arg(differing);
        }
        if (differing != 0)
            status = 1;
        std::printf("%s: %s\n", qPrintable(name), qPrintable(line));
    }
    return status;
}
} // namespace

int main(int argc, char *argv[]) {
    if (argc == 4 && qstrcmp(argv[1], "--compare") == 0)
        return Compare(QDir(QString::fromLocal8Bit(argv[2])),
                       QDir(QString::fromLocal8Bit(argv[3])));
#if !defined(Q_OS_WIN)
    // Headless here; on Windows only Windows' own platform draws its style and its fonts.
    ForceOffscreenPlatform();
#endif
    QApplication app(argc, argv);
    QStringList arguments = QApplication::arguments().mid(1);
    const bool dark = arguments.removeAll(u"--dark"_qs) > 0;
    if (arguments.size() != 1) {
        std::fprintf(stderr, "usage: window_pictures [--dark] FOLDER | --compare A B\n");
        return 2;
    }
    const QDir out(arguments.first());
    QDir().mkpath(out.path());

    SetUpApplication();
    const IsolatedSettings settings;
    const UrlRecorder browser;
    // A blinking caret or a list that rolls open would make each picture a matter of timing.
    QApplication::setCursorFlashTime(0);
    QApplication::setEffectEnabled(Qt::UI_AnimateCombo, false);
    if (dark)
        QApplication::setPalette(DarkPalette());
    const auto save = [&out](const char *name, const QImage &image) {
        if (!image.save(out.filePath(QLatin1String(name) + u".png"_qs)))
            qFatal("could not write %s.png into %s", name, qPrintable(out.path()));
    };

    MainWindow main;
    main.bringOfferToFront(false);
    Picture(&main);
    // Nothing typed: the first name is asked for, in a box taken and closed from its own loop.
    QTimer::singleShot(0, &main, [&save] {
        QWidget *box = QApplication::activeModalWidget();
        if (!box)
            qFatal("no message box was shown");
        save("message-box", Picture(box));
        box->close();
    });
    main.ValidateEntries();
    // Nothing else may wait in a box.
    MessageCapture::start();
    Control<QLineEdit>(&main, "txtFirstName")->setText(u"ANN"_qs);
    Control<QLineEdit>(&main, "txtLastName")->setText(u"LEE"_qs);
    auto *day = Control<QComboBox>(&main, "cboDate");
    day->setCurrentText(u"29"_qs);
    Control<QComboBox>(&main, "cboMonth")->setCurrentText(u"November"_qs);
    Control<QComboBox>(&main, "cboYear")->setCurrentText(u"1975"_qs);
    save("main", Picture(&main));
    day->showPopup();
    save("main-dropdown", WithPopup(&main, day->view()->window()));
    day->hidePopup();
    main.bringOfferToFront(true);
    save("main-full-brand", Picture(&main));

    ResultsWindow results;
    results.show();
    results.showReport(QString::fromStdString(
        pinnacle::ComposeReport(pinnacle::ComputePinnacles("29", "November", "1975"))));
    save("results", Picture(&results));

    AboutWindow about(&main);
    save("about", Picture(&about));

    // The promotional text is drawn at random; the same seed draws the same one.
    PinRandomSeedForTesting(7);
    ClosingWindow closing;
    save("closing", Picture(&closing));

    return 0;
}
