#include "AboutWindow.h"
#include "ClosingWindow.h"
#include "DarkPalette.h"
#include "MainWindow.h"
#include "Random.h"
#include "ResultsWindow.h"
#include "TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>
#include <cmath>
#include <memory>

// How each window meets a desktop other than the one it was drawn on: a dark theme.
namespace {
std::unique_ptr<QWidget> Open(const QString &which) {
    // The closing window draws its promotional text at random; the same seed draws the same one.
    PinRandomSeedForTesting(7);
    if (which == u"main")
        return std::make_unique<MainWindow>();
    if (which == u"results")
        return std::make_unique<ResultsWindow>();
    if (which == u"about")
        return std::make_unique<AboutWindow>();
    return std::make_unique<ClosingWindow>();
}

QImage Rendered(QWidget *window) {
    return window->grab().toImage().convertToFormat(QImage::Format_RGB32);
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
    QTest::newRow("results") << "results";
    QTest::newRow("About") << "about";
    QTest::newRow("closing") << "closing";
}

void TestDesktopLook::sameColoursOnADarkDesktop() {
    QFETCH(QString, window);
    const QImage light = Rendered(Open(window).get());

    QApplication::setPalette(DarkPalette());
    const auto built = Open(window);
    const QImage dark = Rendered(built.get());
    // Every text stays readable against what it is drawn on. The forms' own pairing of white
    // on #7CA5E7 is 2.5 : 1; a colour of the theme mixed in gives far less (white on white 1 : 1,
    // navy on dark grey 1.3 : 1).
    for (const QWidget *widget : built->findChildren<QWidget *>()) {
        // txtMessage lies outside its frame on purpose: there is nothing of it to read.
        const bool inSight = widget->parentWidget()->rect().intersects(widget->geometry());
        if (!widget->isVisibleTo(built.get()) || !inSight || !ShowsText(widget))
            continue;
        const QColor text = widget->palette().color(widget->foregroundRole());
        const QColor back = Background(dark, built.get(), widget);
        QVERIFY2(Contrast(text, back) >= 2.4, qPrintable(u"%1: %2 on %3"_qs.arg(
                                                  widget->objectName(), text.name(), back.name())));
    }

    // And no colour of the theme shows anywhere: the window looks as on the default desktop.
    QCOMPARE(dark.size(), light.size());
    for (int y = 0; y < dark.height(); ++y) {
        for (int x = 0; x < dark.width(); ++x) {
            if (dark.pixel(x, y) == light.pixel(x, y))
                continue;
            const QWidget *at = built->childAt(x, y);
            QFAIL(qPrintable(u"(%1, %2) in %3: %4 on a dark desktop, %5 on the default one"_qs.arg(
                QString::number(x), QString::number(y), at ? at->objectName() : window,
                QColor(dark.pixel(x, y)).name(), QColor(light.pixel(x, y)).name())));
        }
    }
}

ZT_TEST_MAIN(TestDesktopLook)
#include "tst_desktop_look.moc"
