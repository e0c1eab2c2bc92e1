// The About window, headless: keys close it wherever the focus is, its links open their pages
// and leave it open. Addresses handed to the desktop are recorded, never opened.
#include "AboutWindow.h"
#include "TestSupport.h"
#include "WebPages.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

class TestAboutWindow : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void opensModalWithFocusOnOK();
    void keyCloses_data();
    void keyCloses();
    void linkOpensPageAndStaysOpen_data();
    void linkOpensPageAndStaysOpen();

private:
    UrlRecorder recorder;
    QWidget owner;
};

void TestAboutWindow::initTestCase() {
    QStandardPaths::setTestModeEnabled(true);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
}

void TestAboutWindow::init() {
    recorder.clear();
}

void TestAboutWindow::opensModalWithFocusOnOK() {
    AboutWindow about(&owner);
    // A dialog with an owner gets no taskbar button of its own.
    QVERIFY(about.isWindow());
    QCOMPARE(about.windowType(), Qt::Dialog);
    QCOMPARE(about.parentWidget(), &owner);

    about.open();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    QCOMPARE(QApplication::activeModalWidget(), &about);
    QTRY_COMPARE(QApplication::focusWidget(), Control<QPushButton>(&about, "cmdOK"));
}

void TestAboutWindow::keyCloses_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<QString>("focus"); // empty: on no control
    QTest::addColumn<bool>("closes");

    const Qt::KeyboardModifiers none;
    const Qt::KeyboardModifiers keypad(Qt::KeypadModifier);
    QTest::newRow("Enter on OK") << int(Qt::Key_Return) << none << "cmdOK" << true;
    QTest::newRow("Esc on OK") << int(Qt::Key_Escape) << none << "cmdOK" << true;
    QTest::newRow("keypad Enter on OK") << int(Qt::Key_Enter) << keypad << "cmdOK" << true;
    QTest::newRow("Enter, focus on no control") << int(Qt::Key_Return) << none << "" << true;
    QTest::newRow("Esc, focus on no control") << int(Qt::Key_Escape) << none << "" << true;
    QTest::newRow("keypad Enter, focus on no control")
        << int(Qt::Key_Enter) << keypad << "" << true;
    QTest::newRow("Enter on a link") << int(Qt::Key_Return) << none << "lblHomePage" << true;
    QTest::newRow("Esc on a link") << int(Qt::Key_Escape) << none << "lblHomePage" << true;
    QTest::newRow("Space on a link follows it")
        << int(Qt::Key_Space) << none << "lblHomePage" << false;
}

void TestAboutWindow::keyCloses() {
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(QString, focus);
    QFETCH(bool, closes);

    AboutWindow about(&owner);
    QSignalSpy finished(&about, &QDialog::finished);
    about.open();
    QVERIFY(QTest::qWaitForWindowActive(&about));
    auto *cmdOK = Control<QPushButton>(&about, "cmdOK");
    QTRY_VERIFY(cmdOK->hasFocus());
    if (focus.isEmpty()) {
        cmdOK->clearFocus();
        QVERIFY(!cmdOK->hasFocus());
    } else {
        Control<QWidget>(&about, qPrintable(focus))->setFocus();
    }

    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &about;
    QTest::keyClick(target, Qt::Key(key), modifiers);

    if (!closes) {
        QVERIFY(about.isVisible());
        QCOMPARE(recorder.urls.size(), 1);
        return;
    }
    QTRY_COMPARE(finished.size(), 1);
    // Every key that closes the window does it through OK.
    QCOMPARE(about.result(), int(QDialog::Accepted));
    QVERIFY(!about.isVisible());
}

void TestAboutWindow::linkOpensPageAndStaysOpen_data() {
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("page");

    QTest::newRow("lblCobrand") << "lblCobrand" << WebPageAddress(WebPage::FullBrand);
    QTest::newRow("lblHomePage") << "lblHomePage" << WebPageAddress(WebPage::Home);
}

void TestAboutWindow::linkOpensPageAndStaysOpen() {
    QFETCH(QString, label);
    QFETCH(QString, page);
    QVERIFY(!page.isEmpty());

    AboutWindow about(&owner);
    QSignalSpy finished(&about, &QDialog::finished);
    about.open();
    QVERIFY(QTest::qWaitForWindowActive(&about));

    auto *link = Control<QLabel>(&about, qPrintable(label));
    QVERIFY(link);
    QTest::mouseClick(link, Qt::LeftButton);

    QCOMPARE(recorder.urls.size(), 1);
    QCOMPARE(recorder.urls.first().toString(), page);
    QVERIFY(about.isVisible());
    QCOMPARE(QApplication::activeModalWidget(), &about);
    QCOMPARE(finished.size(), 0);
}

ZT_TEST_MAIN(TestAboutWindow)
#include "tst_about_window.moc"
