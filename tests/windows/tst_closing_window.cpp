// The closing window driven by control name, headless: messages are captured, addresses handed to
// the desktop are recorded, and EndProgram is a counter.
#include "ClosingWindow.h"
#include "ProgramState.h"
#include "Random.h"
#include "ShowMessage.h"
#include "WebPages.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <QUrlQuery>

#include <algorithm>
#include <memory>

class TestClosingWindow : public QObject {
    Q_OBJECT

public Q_SLOTS:

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void opensWithFocusOnExit();
    void promotionalTextPinnedBySeed_data();
    void promotionalTextPinnedBySeed();
    void promotionalTextCoversAllFour();

    void placeholderOnFocus_data();
    void placeholderOnFocus();
    void placeholderWhenWindowWasInactive();
    void placeholderKeptWhenFocusLeavesTheWindow();
    void tabReachesHiddenMessageBox();
    void spaceTypedIntoBox_data();
    void spaceTypedIntoBox();

    void submission_data();
    void submission();
    void submissionLeavesBoxesAndFocus();
    void messageSentAsTyped_data();
    void messageSentAsTyped();
    void longestReferralHandedOver_data();
    void longestReferralHandedOver();

    void check1OpensHomePageOnce_data();
    void check1OpensHomePageOnce();
    void goToHomeOpensSoftwaresPage();

    void leavingCallsEndProgram_data();
    void leavingCallsEndProgram();

private:
    std::unique_ptr<ClosingWindow> showActive();
    static QString boxText(const QWidget *box);

    ProgramState state;
    QList<QUrl> &opened = state.recorder.urls;
    int endProgramCalls = 0;
};

void TestClosingWindow::initTestCase() {
    QVERIFY(state.isValid());
}

void TestClosingWindow::init() {
    state.init([this] { ++endProgramCalls; });
    PinRandomSeedForTesting(1u);
    endProgramCalls = 0;
}

void TestClosingWindow::cleanup() {
    state.cleanup();
}

std::unique_ptr<ClosingWindow> TestClosingWindow::showActive() {
    auto window = std::make_unique<ClosingWindow>();
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

QString TestClosingWindow::boxText(const QWidget *box) {
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    return qobject_cast<const QPlainTextEdit *>(box)->toPlainText();
}

void TestClosingWindow::opensWithFocusOnExit() {
    const auto window = showActive();
    QVERIFY(window);
    auto *exit = Control<QPushButton>(window.get(), "cmdClose");
    QTRY_COMPARE(QApplication::focusWidget(), exit);
    QVERIFY(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
}

void TestClosingWindow::promotionalTextPinnedBySeed_data() {
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 2u, 7u, 42u, 1000u})
        QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
}

void TestClosingWindow::promotionalTextPinnedBySeed() {
    QFETCH(quint32, seed);
    PinRandomSeedForTesting(seed);
    const QString expected = PromotionalText(int(4 * Rnd()));

    // Draws made before the window exists must not matter: it seeds afresh when created.
    for (int i = 0; i < 5; ++i)
        Rnd();
    ClosingWindow window;
    QCOMPARE(Control<QLabel>(&window, "Label2")->text(), expected);
}

void TestClosingWindow::promotionalTextCoversAllFour() {
    QSet<QString> all;
    for (int k = 0; k < 4; ++k)
        all.insert(PromotionalText(k));
    QCOMPARE(all.size(), 4);

    QSet<QString> seen;
    for (quint32 seed = 1; seed <= 60 && seen.size() < 4; ++seed) {
        PinRandomSeedForTesting(seed);
        ClosingWindow window;
        const QString text = Control<QLabel>(&window, "Label2")->text();
        QVERIFY2(all.contains(text), qPrintable(text));
        seen.insert(text);
    }
    QCOMPARE(seen, all);
}

void TestClosingWindow::placeholderOnFocus_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("untouched");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("afterFocusIn");
    QTest::addColumn<QString>("afterFocusOut");

    const QList<std::pair<QString, QString>> boxes = {
        {"txtName", "Your Name"},
        {"txtEmail", "Your Email Address"},
        {"txtFriendName", "Friend's Name"},
        {"txtFriendEmail", "Friend's Email Address"},
    };
    for (const auto &[box, placeholder] : boxes) {
        QTest::addRow("%s untouched", qPrintable(box))
            << box << true << placeholder << QString() << placeholder;
        QTest::addRow("%s placeholder padded with spaces", qPrintable(box))
            << box << false << "  " + placeholder + " " << QString() << placeholder;
        QTest::addRow("%s only spaces", qPrintable(box)) << box << false << "   "
                                                         << "   " << placeholder;
        QTest::addRow("%s placeholder in other case", qPrintable(box))
            << box << false << placeholder.toUpper() << placeholder.toUpper()
            << placeholder.toUpper();
        QTest::addRow("%s placeholder after a tab", qPrintable(box))
            << box << false << "\t" + placeholder << "\t" + placeholder << "\t" + placeholder;
    }
    QTest::newRow("txtName own text") << "txtName" << false << "Ann"
                                      << "Ann"
                                      << "Ann";

    QTest::newRow("txtMessage untouched keeps its line break")
        << "txtMessage" << true << "Your Message\n"
        << "Your Message\n"
        << "Your Message\n";
    QTest::newRow("txtMessage placeholder alone")
        << "txtMessage" << false << "Your Message" << QString() << "Your Message";
    QTest::newRow("txtMessage only spaces") << "txtMessage" << false << "  "
                                            << "  "
                                            << "Your Message";
    QTest::newRow("txtMessage own text") << "txtMessage" << false << "Hi"
                                         << "Hi"
                                         << "Hi";
}

void TestClosingWindow::placeholderOnFocus() {
    QFETCH(QString, box);
    QFETCH(bool, untouched);
    QFETCH(QString, before);
    QFETCH(QString, afterFocusIn);
    QFETCH(QString, afterFocusOut);

    const auto window = showActive();
    QVERIFY(window);
    auto *target = window->findChild<QWidget *>(box);
    auto *elsewhere = Control<QPushButton>(window.get(), "cmdClose");
    QVERIFY(target);
    if (untouched) {
        QCOMPARE(boxText(target), before);
    } else if (auto *line = qobject_cast<QLineEdit *>(target)) {
        line->setText(before);
    } else {
        qobject_cast<QPlainTextEdit *>(target)->setPlainText(before);
    }

    target->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(target->hasFocus());
    QTRY_COMPARE(boxText(target), afterFocusIn);

    elsewhere->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(elsewhere->hasFocus());
    QCOMPARE(boxText(target), afterFocusOut);
}

// A click into a box of a window that is not active moves the focus before the window is
// activated, so the box never sees a focus-in of its own.
void TestClosingWindow::placeholderWhenWindowWasInactive() {
    const auto window = showActive();
    QVERIFY(window);
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));

    auto *name = Control<QLineEdit>(window.get(), "txtName");
    QTest::mouseClick(name, Qt::LeftButton);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_VERIFY(name->hasFocus());
    QTRY_COMPARE(name->text(), QString());
    QTest::keyClicks(name, QStringLiteral("abc"));
    QCOMPARE(name->text(), QStringLiteral("abc"));

    // Straight from another program into a different box: the one left behind is mended too.
    auto *email = Control<QLineEdit>(window.get(), "txtEmail");
    name->clear();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QTest::mouseClick(email, Qt::LeftButton);
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_VERIFY(email->hasFocus());
    QTRY_COMPARE(email->text(), QString());
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
}

// Going to another window and coming back is no move between the boxes: what the user emptied
// stays empty and gets no placeholder behind their back.
void TestClosingWindow::placeholderKeptWhenFocusLeavesTheWindow() {
    const auto window = showActive();
    QVERIFY(window);
    auto *name = Control<QLineEdit>(window.get(), "txtName");
    name->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(name->hasFocus());
    QTRY_COMPARE(name->text(), QString());

    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QCOMPARE(name->text(), QString());
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QTRY_VERIFY(name->hasFocus());
    QCOMPARE(name->text(), QString());
}

void TestClosingWindow::tabReachesHiddenMessageBox() {
    const auto window = showActive();
    QVERIFY(window);
    auto *friendName = Control<QLineEdit>(window.get(), "txtFriendName");
    auto *message = Control<QPlainTextEdit>(window.get(), "txtMessage");
    // Laid out beyond its frame's bottom edge: nothing of it shows, yet it is there to type into.
    QVERIFY(message->isVisible());
    QVERIFY(message->visibleRegion().isEmpty());
    friendName->setFocus(Qt::MouseFocusReason);
    QTRY_VERIFY(friendName->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(message->hasFocus());
    QTest::keyClicks(message, QStringLiteral("Hi "));
    QCOMPARE(message->toPlainText(), QStringLiteral("Hi Your Message\n"));
    QVERIFY(MessageCapture::asked().isEmpty());
}

void TestClosingWindow::spaceTypedIntoBox_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("refused");

    QTest::newRow("txtEmail") << "txtEmail"
                              << "ann@x.org" << true;
    QTest::newRow("txtFriendEmail") << "txtFriendEmail"
                                    << "bob@y.org" << true;
    QTest::newRow("txtName takes spaces") << "txtName"
                                          << "Ann Lee" << false;
    QTest::newRow("txtFriendName takes spaces") << "txtFriendName"
                                                << "Bob Ray" << false;
}

void TestClosingWindow::spaceTypedIntoBox() {
    QFETCH(QString, box);
    QFETCH(QString, typed);
    QFETCH(bool, refused);

    const auto window = showActive();
    QVERIFY(window);
    auto *target = Control<QLineEdit>(window.get(), qPrintable(box));
    QVERIFY(target);
    // Typed at once: the placeholder goes before the first key reaches the box.
    QTest::mouseClick(target, Qt::LeftButton);
    QVERIFY(target->hasFocus());

    const qsizetype half = typed.size() / 2;
    QTest::keyClicks(target, typed.left(half));
    QTest::keyClick(target, Qt::Key_Space, Qt::NoModifier);
    QTest::keyClicks(target, typed.mid(half));

    const auto asked = MessageCapture::asked();
    if (refused) {
        QCOMPARE(target->text(), typed);
        QCOMPARE(asked, (QList<MessageCapture::Asked>{{u"Email Address Cannot Contain Space"_qs,
                                                       MessageIcon::Error, MessageButtons::Ok}}));
    } else {
        QCOMPARE(target->text(), typed.left(half) + u' ' + typed.mid(half));
        QVERIFY(asked.isEmpty());
    }
    QVERIFY(target->hasFocus());
}

void TestClosingWindow::submission_data() {
    QTest::addColumn<QStringList>("entries"); // name, e-mail, friend's name, friend's e-mail
    QTest::addColumn<QString>("message");     // empty when the referral goes through

    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString untouched; // a null entry leaves the box as created

    QTest::newRow("placeholders untouched")
        << QStringList{untouched, untouched, untouched, untouched} << proper;
    QTest::newRow("both e-mails empty") << QStringList{"Ann", "", "Bob", ""} << distinct;
    QTest::newRow("e-mails equal once trimmed")
        << QStringList{"Ann", "  a@b.c", "Bob", "a@b.c "} << distinct;
    QTest::newRow("equality checked before the at sign")
        << QStringList{"Ann", "same", "Bob", "same"} << distinct;
    QTest::newRow("e-mail without at sign")
        << QStringList{"Ann", "ann.x.org", "Bob", "bob@y.org"} << proper;
    QTest::newRow("friend's e-mail without at sign")
        << QStringList{"Ann", "ann@x.org", "Bob", "bob.y.org"} << proper;
    QTest::newRow("e-mail without dot")
        << QStringList{"Ann", "ann@xorg", "Bob", "bob@y.org"} << proper;
    QTest::newRow("friend's e-mail without dot")
        << QStringList{"Ann", "ann@x.org", "Bob", "bob@yorg"} << proper;
    QTest::newRow("one e-mail left as placeholder")
        << QStringList{"Ann", "ann@x.org", "Bob", untouched} << proper;
    QTest::newRow("addresses differing only in case")
        << QStringList{"Ann", "Ann@X.org", "Bob", "ann@x.org"} << QString();
    QTest::newRow("dot before the at sign")
        << QStringList{"Ann", "ann.lee@x", "Bob", "bob.ray@y"} << QString();
    QTest::newRow("dot at the very end")
        << QStringList{"Ann", "ann@x.", "Bob", "bob@y."} << QString();
    QTest::newRow("addresses padded with spaces")
        << QStringList{" Ann ", "  ann@x.org ", "Bob", "bob@y.org  "} << QString();
    QTest::newRow("name untouched reaches the referral's own checks")
        << QStringList{untouched, "ann@x.org", "Bob", "bob@y.org"}
        << QStringLiteral("Please Enter Your Name");
}

void TestClosingWindow::submission() {
    QFETCH(QStringList, entries);
    QFETCH(QString, message);

    const auto window = showActive();
    QVERIFY(window);
    const char *names[] = {"txtName", "txtEmail", "txtFriendName", "txtFriendEmail"};
    for (int i = 0; i < 4; ++i) {
        if (!entries.at(i).isNull())
            Control<QLineEdit>(window.get(), names[i])->setText(entries.at(i));
    }

    QTest::mouseClick(Control<QPushButton>(window.get(), "cmdSubmit"), Qt::LeftButton);

    const auto asked = MessageCapture::asked();
    if (!message.isEmpty()) {
        QCOMPARE(asked,
                 (QList<MessageCapture::Asked>{{message, MessageIcon::Error, MessageButtons::Ok}}));
        QVERIFY(opened.isEmpty());
        return;
    }
    QVERIFY2(asked.isEmpty(), qPrintable(asked.value(0).text));
    QCOMPARE(opened.size(), 1);
    const QUrlQuery query(opened.first());
    QCOMPARE(query.queryItemValue("taf1", QUrl::FullyDecoded), entries.at(0).trimmed());
    QCOMPARE(query.queryItemValue("taf2", QUrl::FullyDecoded), entries.at(1).trimmed());
    QCOMPARE(query.queryItemValue("taf4", QUrl::FullyDecoded), entries.at(2).trimmed());
    QCOMPARE(query.queryItemValue("taf5", QUrl::FullyDecoded), entries.at(3).trimmed());
}

void TestClosingWindow::submissionLeavesBoxesAndFocus() {
    const auto window = showActive();
    QVERIFY(window);
    auto *name = Control<QLineEdit>(window.get(), "txtName");
    auto *email = Control<QLineEdit>(window.get(), "txtEmail");
    auto *friendName = Control<QLineEdit>(window.get(), "txtFriendName");
    auto *friendEmail = Control<QLineEdit>(window.get(), "txtFriendEmail");
    name->setText(QStringLiteral("  Ann  "));
    email->setText(QStringLiteral("ann@x.org "));
    friendName->setText(QStringLiteral("Bob"));
    friendEmail->setText(QStringLiteral("bob@y.org"));
    auto *submit = Control<QPushButton>(window.get(), "cmdSubmit");
    submit->setFocus(Qt::TabFocusReason);
    QTRY_VERIFY(submit->hasFocus());

    // Alt+N twice: each press submits again. An access key clicks the button with a short delay.
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(opened.size(), 1);
    QTest::keyClick(window.get(), Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(opened.size(), 2);
    QCOMPARE(opened.at(0), opened.at(1));
    QCOMPARE(name->text(), QStringLiteral("  Ann  "));
    QCOMPARE(email->text(), QStringLiteral("ann@x.org "));
    QVERIFY(submit->hasFocus());
    QVERIFY(window->isVisible());
    QCOMPARE(endProgramCalls, 0);
}

void TestClosingWindow::messageSentAsTyped_data() {
    // Typed into the emptied box; "\n" presses Return, "alt+" and "ctrl+alt+" hold those keys.
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("taf3");

    QTest::newRow("untouched box") << QStringList() << QStringLiteral("Your Message\r\n");
    QTest::newRow("one line") << QStringList{"Hello Bob"} << QStringLiteral("Hello Bob");
    QTest::newRow("two lines") << QStringList{"Hello", "\n", "Bob"}
                               << QStringLiteral("Hello\r\nBob");
    QTest::newRow("hostile characters")
        << QStringList{"a&taf1=x#y+z%"} << QStringLiteral("a&taf1=x#y+z%");
    QTest::newRow("non-breaking spaces kept")
        << QStringList{QStringLiteral("\u00a0Hi\u00a0")} << QStringLiteral("\u00a0Hi\u00a0");
    QTest::newRow("outside ASCII") << QStringList{"Grüße, Zoë ✓"} << QStringLiteral("Grüße, Zoë ✓");
    QTest::newRow("Alt with a letter types nothing")
        << QStringList{"Hi", "alt+q", "!"} << QStringLiteral("Hi!");
    QTest::newRow("AltGr as Ctrl+Alt types")
        << QStringList{"a", "ctrl+alt+@"} << QStringLiteral("a@");
}

void TestClosingWindow::messageSentAsTyped() {
    QFETCH(QStringList, keys);
    QFETCH(QString, taf3);

    const auto window = showActive();
    QVERIFY(window);
    Control<QLineEdit>(window.get(), "txtName")->setText(QStringLiteral("Ann"));
    Control<QLineEdit>(window.get(), "txtEmail")->setText(QStringLiteral("ann@x.org"));
    Control<QLineEdit>(window.get(), "txtFriendName")->setText(QStringLiteral("Bob"));
    Control<QLineEdit>(window.get(), "txtFriendEmail")->setText(QStringLiteral("bob@y.org"));
    if (!keys.isEmpty()) {
        auto *message = Control<QPlainTextEdit>(window.get(), "txtMessage");
        message->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(message->hasFocus());
        message->selectAll();
        QTest::keyClick(message, Qt::Key_Delete);
        for (const QString &key : std::as_const(keys)) {
            const bool ascii =
                std::all_of(key.begin(), key.end(), [](QChar c) { return c.unicode() < 128; });
            if (key == u"\n")
                QTest::keyClick(message, Qt::Key_Return);
            else if (key.startsWith(u"ctrl+alt+"))
                QTest::keyClick(message, key.back().toLatin1(),
                                Qt::ControlModifier | Qt::AltModifier);
            else if (key.startsWith(u"alt+"))
                QTest::keyClick(message, key.back().toLatin1(), Qt::AltModifier);
            else if (ascii)
                QTest::keyClicks(message, key);
            else
                message->insertPlainText(key); // as an input method would
        }
    }

    QTest::mouseClick(Control<QPushButton>(window.get(), "cmdSubmit"), Qt::LeftButton);

    QVERIFY2(MessageCapture::asked().isEmpty(), qPrintable(MessageCapture::asked().value(0).text));
    QCOMPARE(opened.size(), 1);
    QCOMPARE(QUrlQuery(opened.first()).queryItemValue("taf3", QUrl::FullyDecoded), taf3);
}

void TestClosingWindow::longestReferralHandedOver_data() {
    QTest::addColumn<QString>("filler"); // pasted 100,000 times into every box

    QTest::newRow("CJK, nine bytes a character encoded") << QStringLiteral("李");
    QTest::newRow("outside the BMP, surrogate pairs") << QStringLiteral("🙂");
    // Three units a filler: the limit of every one-line box falls inside a pair.
    QTest::newRow("a pair astride each limit") << QStringLiteral("🙂a");
    QTest::newRow("percent signs") << QStringLiteral("%");
}

// An address longer than one program argument may be on Linux never reaches the browser, and
// nobody is told. Whatever the boxes take must fit.
void TestClosingWindow::longestReferralHandedOver() {
    QFETCH(QString, filler);

    const auto window = showActive();
    QVERIFY(window);
    const struct {
        const char *name;
        QString prefix; // keeps the e-mail checks passing
        int limit;
    } boxes[] = {{"txtName", {}, 100},
                 {"txtEmail", QStringLiteral("a@b."), 254},
                 {"txtMessage", {}, 2000},
                 {"txtFriendName", {}, 100},
                 {"txtFriendEmail", QStringLiteral("c@d."), 254}};
    for (const auto &entry : boxes) {
        auto *box = window->findChild<QWidget *>(QString::fromLatin1(entry.name));
        QVERIFY(box);
        QApplication::clipboard()->setText(entry.prefix + filler.repeated(100000));
        box->setFocus(Qt::TabFocusReason);
        QTRY_VERIFY(box->hasFocus());
        QTest::keySequence(box, QKeySequence::SelectAll);
        QTest::keySequence(box, QKeySequence::Paste);
        const QString text = boxText(box);
        QVERIFY2(text.size() <= entry.limit && text.size() >= entry.limit - 1,
                 qPrintable(QStringLiteral("%1 holds %2").arg(entry.name).arg(text.size())));
        QVERIFY(text.startsWith(entry.prefix + filler));
        QCOMPARE(QString::fromUtf8(text.toUtf8()), text); // no half a character left
    }

    QTest::mouseClick(Control<QPushButton>(window.get(), "cmdSubmit"), Qt::LeftButton);

    QVERIFY2(MessageCapture::asked().isEmpty(), qPrintable(MessageCapture::asked().value(0).text));
    QCOMPARE(opened.size(), 1);
    // MAX_ARG_STRLEN, the terminating zero included.
    QVERIFY2(opened.first().toEncoded().size() < 131072,
             qPrintable(QString::number(opened.first().toEncoded().size())));
    const QUrlQuery query(opened.first());
    const char *keys[] = {"taf1", "taf2", "taf3", "taf4", "taf5"};
    for (int i = 0; i < 5; ++i) {
        const QString typed = boxText(window->findChild<QWidget *>(boxes[i].name));
        QCOMPARE(query.queryItemValue(keys[i], QUrl::FullyDecoded), typed);
    }
}

void TestClosingWindow::check1OpensHomePageOnce_data() {
    QTest::addColumn<bool>("byKeyboard");
    QTest::newRow("mouse") << false;
    QTest::newRow("space bar") << true;
}

void TestClosingWindow::check1OpensHomePageOnce() {
    QFETCH(bool, byKeyboard);
    const QUrl home(WebPageAddress(WebPage::Home));
    QVERIFY(home.isValid());

    const auto window = showActive();
    QVERIFY(window);
    auto *check1 = Control<QPushButton>(window.get(), "Check1");
    QVERIFY(check1);
    QVERIFY(check1->isCheckable());
    QVERIFY(!check1->isChecked());

    for (int click = 1; click <= 2; ++click) {
        if (byKeyboard) {
            check1->setFocus(Qt::TabFocusReason);
            QTRY_VERIFY(check1->hasFocus());
            QTest::keyClick(check1, Qt::Key_Space);
        } else {
            QTest::mouseClick(check1, Qt::LeftButton);
        }
        QCOMPARE(opened.size(), click);
        QCOMPARE(opened.last(), home);
        QVERIFY(!check1->isChecked());
    }
}

void TestClosingWindow::goToHomeOpensSoftwaresPage() {
    const QUrl softwares(WebPageAddress(WebPage::Softwares));
    const auto window = showActive();
    QVERIFY(window);
    QTest::mouseClick(Control<QLabel>(window.get(), "lblGoToHome"), Qt::LeftButton);
    QCOMPARE(opened, QList<QUrl>{softwares});
}

void TestClosingWindow::leavingCallsEndProgram_data() {
    QTest::addColumn<QString>("how");
    QTest::newRow("Exit clicked") << "click";
    QTest::newRow("Alt+X") << "alt+x";
    QTest::newRow("close box") << "close";
}

void TestClosingWindow::leavingCallsEndProgram() {
    QFETCH(QString, how);
    const auto window = showActive();
    QVERIFY(window);

    if (how == u"click") {
        QTest::mouseClick(Control<QPushButton>(window.get(), "cmdClose"), Qt::LeftButton);
    } else if (how == u"alt+x") {
        QTest::keyClick(window.get(), Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(endProgramCalls, 1);
    } else {
        // EndProgram closes every window itself; while the program is not ending, this one stays.
        QVERIFY(!window->close());
        QVERIFY(window->isVisible());
    }
    QCOMPARE(endProgramCalls, 1);
    QVERIFY(MessageCapture::asked().isEmpty());
    QVERIFY(opened.isEmpty());
}

ZT_TEST_MAIN(TestClosingWindow)
#include "tst_closing_window.moc"
