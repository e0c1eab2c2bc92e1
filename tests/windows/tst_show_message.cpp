#include "Branding.h"
#include "ShowMessage.h"
#include "TestSupport.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

// Runs `act` on the message box once it is up, from inside its own event loop. Should no box come
// up within five seconds, every message box still open is closed, so the test fails, not hangs.
static void whenBoxShows(QObject *context, std::function<void(QMessageBox *)> act,
                         int triesLeft = 500) {
    QTimer::singleShot(10, context, [context, act, triesLeft] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (box && box->isVisible()) {
            act(box);
        } else if (triesLeft > 0) {
            whenBoxShows(context, act, triesLeft - 1);
        } else {
            const QWidgetList windows = QApplication::topLevelWidgets();
            for (QWidget *window : windows) {
                if (auto *open = qobject_cast<QMessageBox *>(window))
                    open->done(0);
            }
        }
    });
}

class TestShowMessage : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { MessageCapture::stop(); }

    void realBox_data() {
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<MessageButtons>("buttons");
        QTest::addColumn<QMessageBox::StandardButton>("press");
        QTest::addColumn<QMessageBox::Icon>("expectedIcon");
        QTest::addColumn<QMessageBox::StandardButtons>("expectedButtons");
        QTest::addColumn<MessageAnswer>("expectedAnswer");
        const auto yesNo = QMessageBox::StandardButtons(QMessageBox::Yes | QMessageBox::No);
        QTest::newRow("information, OK")
            << MessageIcon::Information << MessageButtons::Ok << QMessageBox::Ok
            << QMessageBox::Information << QMessageBox::StandardButtons(QMessageBox::Ok)
            << MessageAnswer::Ok;
        QTest::newRow("error, OK")
            << MessageIcon::Error << MessageButtons::Ok << QMessageBox::Ok << QMessageBox::Critical
            << QMessageBox::StandardButtons(QMessageBox::Ok) << MessageAnswer::Ok;
        QTest::newRow("question answered Yes")
            << MessageIcon::Information << MessageButtons::YesNo << QMessageBox::Yes
            << QMessageBox::Information << yesNo << MessageAnswer::Yes;
        QTest::newRow("question answered No")
            << MessageIcon::Information << MessageButtons::YesNo << QMessageBox::No
            << QMessageBox::Information << yesNo << MessageAnswer::No;
    }
    void realBox() {
        QFETCH(MessageIcon, icon);
        QFETCH(MessageButtons, buttons);
        QFETCH(QMessageBox::StandardButton, press);
        QFETCH(QMessageBox::Icon, expectedIcon);
        QFETCH(QMessageBox::StandardButtons, expectedButtons);
        QFETCH(MessageAnswer, expectedAnswer);

        QMessageBox::Icon shownIcon = QMessageBox::NoIcon;
        QMessageBox::StandardButtons shownButtons;
        QString title, text;
        bool modal = false;
        whenBoxShows(this, [&](QMessageBox *box) {
            shownIcon = box->icon();
            shownButtons = box->standardButtons();
            title = box->windowTitle();
            text = box->text();
            modal = box->isModal();
            box->button(press)->click();
        });
        const MessageAnswer answer =
            ShowMessage(QStringLiteral("Line one\rLine two"), icon, buttons);
        QCOMPARE(answer, expectedAnswer);
        QCOMPARE(shownIcon, expectedIcon);
        QCOMPARE(shownButtons, expectedButtons);
        QCOMPARE(title, QStringLiteral("ZT Phasewise"));
        QCOMPARE(title, ProgramTitle());
        QCOMPARE(text, QStringLiteral("Line one\rLine two"));
        QVERIFY(modal);
    }

    void escapeOnQuestionMeansNo() {
        whenBoxShows(this, [](QMessageBox *box) { QTest::keyClick(box, Qt::Key_Escape); });
        QCOMPARE(
            ShowMessage(QStringLiteral("Sure?"), MessageIcon::Information, MessageButtons::YesNo),
            MessageAnswer::No);
    }

    void captureAnswersWithoutShowing() {
        MessageCapture::start();
        MessageCapture::queueAnswer(MessageAnswer::Yes);
        QCOMPARE(ShowMessage("first", MessageIcon::Information, MessageButtons::YesNo),
                 MessageAnswer::Yes);
        QCOMPARE(ShowMessage("second", MessageIcon::Information, MessageButtons::YesNo),
                 MessageAnswer::No);
        QCOMPARE(ShowMessage("third", MessageIcon::Error), MessageAnswer::Ok);
        QVERIFY(QApplication::topLevelWidgets().isEmpty());

        QCOMPARE(MessageCapture::asked(),
                 (QList<MessageCapture::Asked>{
                     {u"first"_qs, MessageIcon::Information, MessageButtons::YesNo},
                     {u"second"_qs, MessageIcon::Information, MessageButtons::YesNo},
                     {u"third"_qs, MessageIcon::Error, MessageButtons::Ok}}));
    }

    void startForgetsEarlierRecordAndAnswers() {
        MessageCapture::start();
        MessageCapture::queueAnswer(MessageAnswer::Yes);
        ShowMessage("old", MessageIcon::Information);
        MessageCapture::queueAnswer(MessageAnswer::Yes);
        MessageCapture::start();
        QVERIFY(MessageCapture::asked().isEmpty());
        QCOMPARE(ShowMessage("new", MessageIcon::Information, MessageButtons::YesNo),
                 MessageAnswer::No);
    }
};

ZT_TEST_MAIN(TestShowMessage)
#include "tst_show_message.moc"
