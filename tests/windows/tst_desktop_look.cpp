#include "AboutWindow.h"
#include "ClosingWindow.h"
#include "MainWindow.h"
#include "Random.h"
#include "ResultsWindow.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>

// How each window meets a desktop other than the one it was drawn on: a dark theme.
namespace {
std::unique_ptr<QWidget> Open(const QString &which) {
    // The closing window draws its promotional text at random; the same seed draws the same one.
    PinRandomSeedForTesting(7);
    if (which == u"results")
        return std::make_unique<ResultsWindow>();
    if (which == u"about")
        return std::make_unique<AboutWindow>();
    if (which == u"closing")
        return std::make_unique<ClosingWindow>();
    auto main = std::make_unique<MainWindow>();
    main->bringOfferToFront(which == u"main-full-brand");
    return main;
}

// What a row shows: the window, the day list it opens, or its message box (gone once taken).
struct Picture {
    QImage image;
    QWidget *drawn = nullptr;
};

Picture Rendered(const QString &which, QWidget *window) {
    QWidget *drawn = window;
    QImage box;
    if (which == u"main-dropdown" || which == u"message-box") {
        window->show();
        if (!QTest::qWaitForWindowActive(window))
            return {};
    }
    if (which == u"main-dropdown") {
        auto *day = Control<QComboBox>(window, "cboDate");
        day->showPopup();
        drawn = day->view()->window();
    } else if (which == u"message-box") {
        // Nothing typed: the first name is asked for, in a box taken from its own loop.
        QTimer::singleShot(0, window, [&box] {
            if (QWidget *shown = QApplication::activeModalWidget()) {
                box = shown->grab().toImage();
                shown->close();
            }
        });
        static_cast<MainWindow *>(window)->ValidateEntries();
        return {box.convertToFormat(QImage::Format_RGB32), nullptr};
    }
    return {drawn->grab().toImage().convertToFormat(QImage::Format_RGB32), drawn};
}

// With ZT_WINDOW_PICTURES naming a folder, each picture is kept there too, light and dark, for
// scripts/compare-windows.sh to compare between two builds.
void Keep(const QString &which, const QImage &light, const QImage &dark) {
    const QString folder = qEnvironmentVariable("ZT_WINDOW_PICTURES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder + u"/dark"_qs);
    QVERIFY(light.save(folder + u'/' + which + u".png"_qs));
    QVERIFY(dark.save(folder + u"/dark/"_qs + which + u".png"_qs));
}

// A dark desktop theme as Adwaita's dark variant paints it.
QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Base, QColor(0x2D, 0x2D, 0x2D));
    dark.setColor(QPalette::Text, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Button, QColor(0x3A, 0x3A, 0x3A));
    dark.setColor(QPalette::ButtonText, QColor(0xEE, 0xEE, 0xEC));
    dark.setColor(QPalette::Highlight, QColor(0x15, 0x53, 0x9E));
    dark.setColor(QPalette::HighlightedText, QColor(0xFF, 0xFF, 0xFF));
    dark.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x91, 0x91, 0x90));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(0x91, 0x91, 0x90));
    dark.setColor(QPalette::Disabled, QPalette::ButtonText, QColor(0x91, 0x91, 0x90));
    return dark;
}

double Luminance(QColor colour) {
    const auto channel = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(colour.redF()) + 0.7152 * channel(colour.greenF()) +
           0.0722 * channel(colour.blueF());
}

// The contrast ratio of the Web Content Accessibility Guidelines, 1 to 21.
double Contrast(QColor a, QColor b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The colour covering most of the widget's place in the rendered window: what its text is on.
QColor Background(const QImage &image, const QWidget *window, const QWidget *widget) {
    const QRect area =
        QRect(widget->mapTo(window, QPoint(0, 0)), widget->size()).intersected(image.rect());
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    }
    QRgb most = 0;
    int mostCount = -1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > mostCount) {
            most = it.key();
            mostCount = it.value();
        }
    }
    return QColor::fromRgb(most);
}

bool ShowsText(const QWidget *widget) {
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        return !label->text().isEmpty();
    if (const auto *button = qobject_cast<const QAbstractButton *>(widget))
        return !button->text().isEmpty();
    return qobject_cast<const QLineEdit *>(widget) || qobject_cast<const QComboBox *>(widget) ||
           qobject_cast<const QPlainTextEdit *>(widget);
}
} // namespace

class TestDesktopLook : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void sameColoursOnADarkDesktop_data();
    void sameColoursOnADarkDesktop();

private:
    IsolatedSettings settings;
    UrlRecorder urls;
};

void TestDesktopLook::initTestCase() {
    QVERIFY(settings.isValid());
}

void TestDesktopLook::init() {
    settings.clear();
}

void TestDesktopLook::cleanup() {
    QApplication::setPalette(QPalette());
    PinRandomSeedForTesting(std::nullopt);
    CloseAllTopLevelWindows();
}

void TestDesktopLook::sameColoursOnADarkDesktop_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << "main";
    QTest::newRow("main, full-brand offer") << "main-full-brand";
    QTest::newRow("main, day list open") << "main-dropdown";
    QTest::newRow("main, message box") << "message-box";
    QTest::newRow("results") << "results";
    QTest::newRow("About") << "about";
    QTest::newRow("closing") << "closing";
}

void TestDesktopLook::sameColoursOnADarkDesktop() {
    QFETCH(QString, window);
    const QImage light = Rendered(window, Open(window).get()).image;

    QApplication::setPalette(DarkPalette());
    const auto built = Open(window);
    const auto [dark, drawn] = Rendered(window, built.get());
    Keep(window, light, dark);
    QVERIFY(!dark.isNull());
    // A message box is the desktop's own and takes its theme.
    if (!drawn)
        return;
    // Every text stays readable against what it is drawn on. The forms' own pairing of white
    // on #7CA5E7 is 2.5 : 1; a colour of the theme mixed in gives far less (white on white 1 : 1,
    // navy on dark grey 1.3 : 1).
    for (const QWidget *widget : drawn->findChildren<QWidget *>()) {
        // txtMessage lies outside its frame on purpose: there is nothing of it to read.
        const bool inSight = widget->parentWidget()->rect().intersects(widget->geometry());
        if (!widget->isVisibleTo(drawn) || !inSight || !ShowsText(widget))
            continue;
        const QColor text = widget->palette().color(widget->foregroundRole());
        const QColor back = Background(dark, drawn, widget);
        QVERIFY2(Contrast(text, back) >= 2.4, qPrintable(u"%1: %2 on %3"_qs.arg(
                                                  widget->objectName(), text.name(), back.name())));
    }

    // And no colour of the theme shows anywhere: the window looks as on the default desktop.
    QCOMPARE(dark.size(), light.size());
    for (int y = 0; y < dark.height(); ++y) {
        for (int x = 0; x < dark.width(); ++x) {
            if (dark.pixel(x, y) == light.pixel(x, y))
                continue;
            const QWidget *at = drawn->childAt(x, y);
            QFAIL(qPrintable(u"(%1, %2) in %3: %4 on a dark desktop, %5 on the default one"_qs.arg(
                QString::number(x), QString::number(y), at ? at->objectName() : window,
                QColor(dark.pixel(x, y)).name(), QColor(light.pixel(x, y)).name())));
        }
    }
}

ZT_TEST_MAIN(TestDesktopLook)
#include "tst_desktop_look.moc"
