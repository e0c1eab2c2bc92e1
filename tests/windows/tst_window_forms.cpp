#include "Accessibility.h"
#include "Branding.h"
#include "BuildConfig.h"
#include "LinkLabel.h"
#include "ProgramIcon.h"
#include "TestSupport.h"
#include "WindowLook.h"
#include "ui_AboutWindow.h"
#include "ui_ClosingWindow.h"
#include "ui_MainWindow.h"
#include "ui_ResultsWindow.h"

#include <QAccessible>
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <memory>

namespace {
// The forms as the program finishes them, without the behaviour their classes connect: the main
// window a QMainWindow, About a dialog.
template <class Form, class Window> std::unique_ptr<QWidget> Finished() {
    auto window = std::make_unique<Window>();
    Form().setupUi(window.get());
    FinishWindow(window.get());
    return window;
}

std::unique_ptr<QWidget> Build(const QString &which) {
    InstallAccessibility();
    if (which == u"main")
        return Finished<Ui::MainWindow, QMainWindow>();
    if (which == u"results")
        return Finished<Ui::ResultsWindow, QWidget>();
    if (which == u"about")
        return Finished<Ui::AboutWindow, QDialog>();
    return Finished<Ui::ClosingWindow, QWidget>();
}

QWidget *Named(const QWidget *window, const QString &name) {
    return window->findChild<QWidget *>(name);
}

QString ExpectedFamily(const QString &face) {
    return QFontDatabase::families().contains(face, Qt::CaseInsensitive) ? face : u"DejaVu Sans"_qs;
}

} // namespace

class TestWindowForms : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void fixesClientArea_data();
    void fixesClientArea();
    void framesEveryWindowAlike_data();
    void framesEveryWindowAlike();
    void stacksEarlierRowsInFront_data();
    void stacksEarlierRowsInFront();
    void tabsInTabNumberOrder_data();
    void tabsInTabNumberOrder();
    void keepsHiddenControlsHidden_data();
    void keepsHiddenControlsHidden();
    void appliesFonts_data();
    void appliesFonts();
    void substitutesMissingFaces();
    void showsDoubledAmpersandOnce();
    void fitsLabelsToTheirText_data();
    void fitsLabelsToTheirText();
    void buildsMainMenu();
    void showsHandOverExactlyTheLinks_data();
    void showsHandOverExactlyTheLinks();
    void namesEveryControlForScreenReaders_data();
    void namesEveryControlForScreenReaders();
    void showsProgramIcon();
    void linkLabelReportsLeftClicksInside_data();
    void linkLabelReportsLeftClicksInside();
};

void TestWindowForms::fixesClientArea_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QSize>("client");

    QTest::newRow("main 6405 x 3435") << "main" << QSize(427, 229);
    QTest::newRow("results 6375 x 5220") << "results" << QSize(425, 348);
    QTest::newRow("About 6825 x 3660") << "about" << QSize(455, 244);
    QTest::newRow("closing 11115 x 4725") << "closing" << QSize(741, 315);
}

void TestWindowForms::fixesClientArea() {
    QFETCH(QString, window);
    QFETCH(QSize, client);

    const auto built = Build(window);
    auto *main = qobject_cast<QMainWindow *>(built.get());
    const QWidget *area = main ? main->centralWidget() : built.get();
    QCOMPARE(area->size(), client);
    QCOMPARE(built->minimumSize(), built->maximumSize());
    const int menuHeight = main ? main->menuBar()->sizeHint().height() : 0;
    if (main)
        QVERIFY(menuHeight > 0);
    QCOMPARE(built->size(), client + QSize(0, menuHeight));

    built->show();
    QVERIFY(QTest::qWaitForWindowExposed(built.get()));
    QCOMPARE(area->size(), client);
}

void TestWindowForms::framesEveryWindowAlike_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<Qt::WindowType>("type");

    QTest::newRow("main") << "main" << Qt::Window;
    QTest::newRow("results") << "results" << Qt::Window;
    QTest::newRow("About, a dialog without a taskbar button") << "about" << Qt::Dialog;
    QTest::newRow("closing") << "closing" << Qt::Window;
}

void TestWindowForms::framesEveryWindowAlike() {
    QFETCH(QString, window);
    QFETCH(Qt::WindowType, type);

    const auto built = Build(window);
    QCOMPARE(built->windowTitle(), QStringLiteral("ZT Varivuvo Vuzuzi v" ZT_VERSION));
    QVERIFY(!built->windowIcon().isNull());
    const Qt::WindowFlags flags = built->windowFlags();
    QCOMPARE(built->windowType(), type);
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));

    // Announced to a screen reader as a window, by its title.
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(built.get());
    QVERIFY(spoken);
    QVERIFY2(spoken->role() == QAccessible::Window || spoken->role() == QAccessible::Dialog,
             qPrintable(QString::number(spoken->role(), 16)));
    QCOMPARE(spoken->text(QAccessible::Name), built->windowTitle());

    // A window manager that maximises it anyway gets the window back at its one size.
    built->show();
    QVERIFY(QTest::qWaitForWindowExposed(built.get()));
    const QSize fixed = built->size();
    built->setWindowState(Qt::WindowMaximized);
    QTRY_COMPARE(built->windowState(), Qt::WindowNoState);
    QCOMPARE(built->size(), fixed);
}

void TestWindowForms::stacksEarlierRowsInFront_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("front");
    QTest::addColumn<QString>("behind");

    QTest::newRow("main: co-brand offer over the full-brand offer") << "main"
                                                                    << "lblCobrand"
                                                                    << "lblFullBrand";
    QTest::newRow("results: co-brand offer over the full-brand offer") << "results"
                                                                       << "lblCobrand"
                                                                       << "lblFullBrand";
}

void TestWindowForms::stacksEarlierRowsInFront() {
    QFETCH(QString, window);
    QFETCH(QString, front);
    QFETCH(QString, behind);

    const auto built = Build(window);
    QWidget *inFront = Named(built.get(), front);
    QWidget *atBack = Named(built.get(), behind);
    QVERIFY(inFront && atBack);
    QCOMPARE(inFront->parentWidget(), atBack->parentWidget());
    const QRect overlap = inFront->geometry().intersected(atBack->geometry());
    QVERIFY(!overlap.isEmpty());
    QCOMPARE(inFront->parentWidget()->childAt(overlap.center()), inFront);
}

void TestWindowForms::tabsInTabNumberOrder_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("order");

    // The link labels come after the other controls, and of two on one spot only the one in front.
    QTest::newRow("main: names, then the date, then Next, then the links")
        << "main"
        << QStringList{"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth",  "cboDate",
                       "cboYear",      "cmdNext",       "Label61",     "lblCobrand"};
    QTest::newRow("results: Back, then the report, then the links")
        << "results" << QStringList{"cmdback", "txtDisplay", "Label61", "lblCobrand"};
    QTest::newRow("About: OK, then the links")
        << "about" << QStringList{"cmdOK", "lblHomePage", "lblCobrand"};
    QTest::newRow("closing: Exit, link, then the form, invisible message, then the link")
        << "closing"
        << QStringList{"cmdClose",       "Check1",        "txtName",    "cmdSubmit",  "txtEmail",
                       "txtFriendEmail", "txtFriendName", "txtMessage", "lblGoToHome"};
}

void TestWindowForms::tabsInTabNumberOrder() {
    QFETCH(QString, window);
    QFETCH(QStringList, order);

    const auto built = Build(window);
    built->show();
    QVERIFY(QTest::qWaitForWindowActive(built.get()));
    Named(built.get(), order.first())->setFocus();
    QTRY_COMPARE(QApplication::focusWidget(), Named(built.get(), order.first()));

    // One full round, back to the start. On the way, Enter and keypad Enter press each button.
    for (qsizetype i = 1; i <= order.size(); ++i) {
        if (auto *button = qobject_cast<QPushButton *>(QApplication::focusWidget())) {
            QSignalSpy clicks(button, &QPushButton::clicked);
            QTest::keyClick(button, Qt::Key_Return);
            QTest::keyClick(button, Qt::Key_Enter, Qt::KeypadModifier);
            QCOMPARE(clicks.count(), 2);
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), order.at(i % order.size()));
    }
}

void TestWindowForms::keepsHiddenControlsHidden_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<int>("key");

    QTest::newRow("main Exit button, Alt+X") << "main"
                                             << "cmdExit" << int(Qt::Key_X);
    QTest::newRow("results Print button, Alt+P") << "results"
                                                 << "cmdprint" << int(Qt::Key_P);
}

void TestWindowForms::keepsHiddenControlsHidden() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(int, key);

    const auto built = Build(window);
    built->show();
    QVERIFY(QTest::qWaitForWindowActive(built.get()));
    auto *button = qobject_cast<QPushButton *>(Named(built.get(), control));
    QVERIFY(button);
    QVERIFY(!button->isVisible());
    QSignalSpy clicks(button, &QPushButton::clicked);
    QTest::keyClick(built.get(), Qt::Key(key), Qt::AltModifier);
    QCOMPARE(clicks.count(), 0);
}

void TestWindowForms::appliesFonts_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("face");
    QTest::addColumn<double>("points");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<bool>("underline");

    QTest::newRow("co-brand link, bold underlined") << "main"
                                                    << "lblCobrand"
                                                    << "Verdana" << 8.25 << true << true;
    QTest::newRow("banner, 9 pt underlined") << "main"
                                             << "Label61"
                                             << "Verdana" << 9.0 << false << true;
    QTest::newRow("bold frame caption") << "main"
                                        << "fraName"
                                        << "Verdana" << 8.25 << true << false;
    QTest::newRow("box in a bold frame keeps the window font")
        << "main"
        << "txtFirstName"
        << "Verdana" << 8.25 << false << false;
    QTest::newRow("Next in a bold frame keeps the window font")
        << "main"
        << "cmdNext"
        << "Verdana" << 8.25 << false << false;
    QTest::newRow("name caption in MS Sans Serif") << "main"
                                                   << "Label1"
                                                   << "MS Sans Serif" << 8.25 << false << false;
    QTest::newRow("report box in the window font") << "results"
                                                   << "txtDisplay"
                                                   << "Verdana" << 8.25 << false << false;
    QTest::newRow("About title, 9.75 pt bold") << "about"
                                               << "Label2"
                                               << "Verdana" << 9.75 << true << false;
    QTest::newRow("About OK in the default window font")
        << "about"
        << "cmdOK"
        << "MS Sans Serif" << 8.25 << false << false;
    QTest::newRow("closing title, 18 pt") << "closing"
                                          << "Label1"
                                          << "MS Sans Serif" << 18.0 << false << false;
    QTest::newRow("closing link check box, 14.25 pt") << "closing"
                                                      << "Check1"
                                                      << "Verdana" << 14.25 << false << false;
    QTest::newRow("closing box in a navy bold frame keeps the window font")
        << "closing"
        << "txtName"
        << "MS Sans Serif" << 8.25 << false << false;
}

void TestWindowForms::appliesFonts() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QString, face);
    QFETCH(double, points);
    QFETCH(bool, bold);
    QFETCH(bool, underline);

    const auto built = Build(window);
    QWidget *widget = Named(built.get(), control);
    QVERIFY(widget);
    const QFontInfo info(widget->font());
    QCOMPARE(info.family(), ExpectedFamily(face));
    // Points at 96 dpi, the forms' own scale.
    QCOMPARE(widget->font().pixelSize(), qRound(points * 96.0 / 72.0));
    QCOMPARE(info.bold(), bold);
    QCOMPARE(info.underline(), underline);
}

void TestWindowForms::substitutesMissingFaces() {
    InstallFontSubstitutions();
    for (const QString &face : {u"Verdana"_qs, u"MS Sans Serif"_qs}) {
        if (QFontDatabase::families().contains(face, Qt::CaseInsensitive))
            continue;
        QVERIFY(QFont::substitutes(face).contains(u"DejaVu Sans"_qs, Qt::CaseInsensitive));
    }
}

void TestWindowForms::showsDoubledAmpersandOnce() {
    const auto built = Build(u"main"_qs);
    auto *label = Control<QLabel>(built.get(), "lblCobrand");
    QVERIFY(label);
    QCOMPARE(label->text(),
             u"Co-brand this software for your site.  Increase loyalty and traffic to your site. "
             "Put your site's name &  link here. See \"Help\" for details.Click Here for more "
             "info on co-branding."_qs);
    QCOMPARE(label->textFormat(), Qt::PlainText);
    QVERIFY(!label->buddy());
}

void TestWindowForms::fitsLabelsToTheirText_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QPoint>("topLeft");

    QTest::newRow("main last name caption") << "main"
                                            << "Label5" << QPoint(280, 16);
    QTest::newRow("About home-page link") << "about"
                                          << "lblHomePage" << QPoint(176, 120);
    QTest::newRow("closing 18 pt title") << "closing"
                                         << "Label1" << QPoint(72, 16);
    QTest::newRow("closing softwares link at its frame's edge") << "closing"
                                                                << "lblGoToHome" << QPoint(5, 283);
}

void TestWindowForms::fitsLabelsToTheirText() {
    QFETCH(QString, window);
    QFETCH(QString, control);
    QFETCH(QPoint, topLeft);

    const auto built = Build(window);
    auto *label = qobject_cast<QLabel *>(Named(built.get(), control));
    QVERIFY(label);
    QCOMPARE(label->pos(), topLeft);
    QVERIFY(!label->wordWrap());
    const QFontMetrics metrics(label->font());
    QCOMPARE(label->width(), metrics.horizontalAdvance(label->text()));
    QCOMPARE(label->height(), metrics.height());
    // Whatever face stands in, no letter is cut off by the container.
    QVERIFY(label->geometry().right() < label->parentWidget()->width());
}

void TestWindowForms::buildsMainMenu() {
    const auto built = Build(u"main"_qs);
    auto *window = qobject_cast<QMainWindow *>(built.get());
    QMenuBar *bar = window->menuBar();

    const QList<QAction *> top = bar->actions();
    QCOMPARE(top.size(), 4);
    auto *file = Control<QMenu>(window, "nuFile");
    auto *help = Control<QMenu>(window, "mnuHelp");
    QVERIFY(file && help);
    QCOMPARE(top.at(0), file->menuAction());
    QCOMPARE(top.at(1), help->menuAction());
    QCOMPARE(top.at(2)->objectName(), u"mnuDonate"_qs);
    QCOMPARE(top.at(3)->objectName(), u"mkmoney"_qs);
    QCOMPARE(file->title(), u"&File"_qs);
    QCOMPARE(help->title(), u"&Help"_qs);
    QCOMPARE(top.at(2)->text(), u"&Donate"_qs);
    QCOMPARE(top.at(3)->text(), u"Make Money &Online"_qs);
    QVERIFY(!top.at(2)->menu());
    QVERIFY(!top.at(3)->menu());
    QVERIFY(top.at(2)->isEnabled());
    QVERIFY(!top.at(3)->isEnabled());

    const auto entries = [](const QMenu *menu) {
        QStringList list;
        for (const QAction *action : menu->actions())
            list << action->objectName() + u'=' +
                        (action->isSeparator() ? u"-"_qs : action->text());
        return list;
    };
    QCOMPARE(entries(file), (QStringList{"mnuNext=&Next", "mnuExit=E&xit"}));
    QCOMPARE(entries(help), (QStringList{"mnuOnline=&Online Help", "mnuVisit=&Visit Us Online",
                                         "mnuFileSep1=-", "mnuUpdate=&Check for Software Update",
                                         "mnuFileSep2=-", "mnuAbout=&About Software"}));

    for (const QAction *action : window->findChildren<QAction *>()) {
        QVERIFY2(action->shortcut().isEmpty(), qPrintable(action->objectName()));
        QVERIFY2(!action->isCheckable(), qPrintable(action->objectName()));
    }
}

void TestWindowForms::showsHandOverExactlyTheLinks_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("links");

    QTest::newRow("main") << "main" << QStringList{"Label61", "lblCobrand", "lblFullBrand"};
    QTest::newRow("results") << "results" << QStringList{"Label61", "lblCobrand", "lblFullBrand"};
    QTest::newRow("About") << "about" << QStringList{"lblCobrand", "lblHomePage"};
    QTest::newRow("closing") << "closing" << QStringList{"Check1", "lblGoToHome"};
}

void TestWindowForms::showsHandOverExactlyTheLinks() {
    QFETCH(QString, window);
    QFETCH(QStringList, links);

    const auto built = Build(window);
    QStringList withHand;
    for (const QWidget *widget : built->findChildren<QWidget *>()) {
        if (widget->testAttribute(Qt::WA_SetCursor) &&
            widget->cursor().shape() == Qt::PointingHandCursor)
            withHand << widget->objectName();
    }
    withHand.sort();
    QCOMPARE(withHand, links);
}

void TestWindowForms::namesEveryControlForScreenReaders_data() {
    QTest::addColumn<QString>("window");
    QTest::newRow("main") << "main";
    QTest::newRow("results") << "results";
    QTest::newRow("About") << "about";
    QTest::newRow("closing") << "closing";
}

void TestWindowForms::namesEveryControlForScreenReaders() {
    QFETCH(QString, window);

    const auto built = Build(window);
    const QWidget *client = qobject_cast<QMainWindow *>(built.get())
                                ? qobject_cast<QMainWindow *>(built.get())->centralWidget()
                                : built.get();
    // What a screen reader is told, which for labels and buttons is the text they show.
    const auto spoken = [](QWidget *widget) {
        return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
    };
    int named = 0;
    for (QWidget *widget : client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        QVERIFY(!widget->objectName().isEmpty());
        QVERIFY2(!spoken(widget).isEmpty(), qPrintable(widget->objectName()));
        QVERIFY2(!spoken(widget).contains(u'&') || widget->objectName() == u"lblCobrand",
                 qPrintable(spoken(widget)));
        ++named;
    }
    QVERIFY(named > 0);
    // Labels carry no fixed name: the reader hears the text they show, also once it changes.
    for (QLabel *label : built->findChildren<QLabel *>()) {
        if (label->text().isEmpty())
            continue;
        QCOMPARE(spoken(label), label->text());
        label->setText(label->text() + u" changed"_qs);
        QCOMPARE(spoken(label), label->text());
    }
    if (window == u"main") {
        QCOMPARE(spoken(Named(built.get(), u"txtFirstName"_qs)), u"First Name"_qs);
        QCOMPARE(spoken(Named(built.get(), u"cmdNext"_qs)), u"Next"_qs);
    }
}

void TestWindowForms::showsProgramIcon() {
    QVERIFY(QFile::exists(ProgramIconPath()));
    const QImage icon(ProgramIconPath());
    QCOMPARE(icon.size(), QSize(32, 32));
    QVERIFY(!icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(1, 1), QColor(0x002A30));

    // Each size a title bar or a screen at 200 % may ask for is a drawing of its own, as opaque.
    QList<QSize> sizes = ProgramIcon().availableSizes();
    std::sort(sizes.begin(), sizes.end(), [](QSize a, QSize b) { return a.width() < b.width(); });
    QList<QSize> configured;
    for (const int size : {ZT_ICON_SIZES})
        configured.append({size, size});
    QCOMPARE(sizes, configured);
    // Read once and shared by every window, not decoded again for each.
    QCOMPARE(ProgramIcon().cacheKey(), ProgramIcon().cacheKey());
    for (const QSize size : std::as_const(sizes)) {
        const QImage drawn = ProgramIcon().pixmap(size).toImage();
        QCOMPARE(drawn.size(), size);
        QVERIFY(!drawn.hasAlphaChannel());
        QCOMPARE(drawn.pixelColor(0, 0), QColor(0x002A30));
    }

    for (const QString &window : {u"about"_qs, u"closing"_qs}) {
        const auto built = Build(window);
        auto *picture = Control<QLabel>(built.get(), "Picture1");
        QVERIFY(picture);
        QCOMPARE(picture->pixmap().size(), QSize(32, 32));
        QCOMPARE(picture->focusPolicy(), Qt::NoFocus);
    }
}

void TestWindowForms::linkLabelReportsLeftClicksInside_data() {
    QTest::addColumn<int>("button");
    QTest::addColumn<QPoint>("release");
    QTest::addColumn<int>("clicks");

    QTest::newRow("left inside") << int(Qt::LeftButton) << QPoint(10, 5) << 1;
    QTest::newRow("right inside") << int(Qt::RightButton) << QPoint(10, 5) << 0;
    QTest::newRow("left released outside") << int(Qt::LeftButton) << QPoint(250, 5) << 0;
}

void TestWindowForms::linkLabelReportsLeftClicksInside() {
    QFETCH(int, button);
    QFETCH(QPoint, release);
    QFETCH(int, clicks);

    LinkLabel label(u"Click here"_qs);
    label.resize(100, 20);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy spy(&label, &LinkLabel::clicked);
    QTest::mousePress(&label, Qt::MouseButton(button), {}, QPoint(10, 5));
    QTest::mouseRelease(&label, Qt::MouseButton(button), {}, release);
    QCOMPARE(spy.count(), clicks);
}

ZT_TEST_MAIN(TestWindowForms)
#include "tst_window_forms.moc"
