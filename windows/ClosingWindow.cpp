#include "ClosingWindow.h"

#include "LayoutBuilder.h"
#include "LinkLabel.h"
#include "Program.h"
#include "Random.h"
#include "Referral.h"
#include "ShowMessage.h"
#include "Text.h"
#include "WebPages.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

namespace {

// The multi-line box keeps paragraphs, not line-break characters; the program's line breaks are
// CR LF, so that is what its text reads back as. The raw text keeps non-breaking spaces as typed.
QString ReadBox(const QWidget *box) {
    if (auto *line = qobject_cast<const QLineEdit *>(box))
        return line->text();
    if (auto *multi = qobject_cast<const QPlainTextEdit *>(box)) {
        const QString lineBreak = QStringLiteral("\r\n");
        return multi->document()
            ->toRawText()
            .replace(QChar::ParagraphSeparator, lineBreak)
            .replace(QChar::LineSeparator, lineBreak);
    }
    return {};
}

void WriteBox(QWidget *box, const QString &text) {
    if (auto *line = qobject_cast<QLineEdit *>(box))
        line->setText(text);
    else if (auto *multi = qobject_cast<QPlainTextEdit *>(box))
        multi->setPlainText(text);
}

} // namespace

ClosingWindow::ClosingWindow(QWidget *parent) : QWidget(parent) {
    BuildWindow(this, ClosingWindowLayout());
    ConnectControls();
    WatchReferralBoxes();
    Form_Load();
}

void ClosingWindow::ConnectControls() {
    if (auto *lblGoToHome = Control<LinkLabel>(this, "lblGoToHome"))
        connect(lblGoToHome, &LinkLabel::clicked, this, &ClosingWindow::lblGoToHome_Click);
    Check1 = Control<QPushButton>(this, "Check1");
    if (Check1)
        connect(Check1, &QPushButton::clicked, this, &ClosingWindow::Check1_Click);
    if (auto *cmdSubmit = Control<QPushButton>(this, "cmdSubmit"))
        connect(cmdSubmit, &QPushButton::clicked, this, &ClosingWindow::cmdSubmit_Click);
    if (auto *cmdClose = Control<QPushButton>(this, "cmdClose"))
        connect(cmdClose, &QPushButton::clicked, this, &ClosingWindow::cmdClose_Click);
}

void ClosingWindow::WatchReferralBoxes() {
    static const struct {
        const char *name;
        const char *placeholder;
    } boxes[] = {
        {"txtName", "Your Name"},
        {"txtEmail", "Your Email Address"},
        {"txtMessage", "Your Message"},
        {"txtFriendName", "Friend's Name"},
        {"txtFriendEmail", "Friend's Email Address"},
    };
    for (const auto &entry : boxes) {
        auto *box = findChild<QWidget *>(QString::fromLatin1(entry.name));
        if (!box)
            continue;
        box->installEventFilter(this);
        referralBoxes.append({box, QString::fromUtf8(entry.placeholder)});
    }
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { FocusMoved(now); });
}

void ClosingWindow::Form_Load() {
    Randomize();
    const int k = qBound(0, int(4 * Rnd()), 3);
    if (auto *label2 = Control<QLabel>(this, "Label2"))
        label2->setText(PromotionalText(k));

    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

bool ClosingWindow::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress &&
        (watched->objectName() == u"txtEmail" || watched->objectName() == u"txtFriendEmail"))
        return EmailBox_KeyPress(static_cast<QWidget *>(watched), *static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// Focus is followed by where it lands rather than by focus events: a click into this window
// while another one is active moves the focus without any focus-in of its own, and focus that
// leaves for another program or a message box and comes back is no move between the boxes.
void ClosingWindow::FocusMoved(QWidget *now) {
    if (!now || now->window() != this || now == focusedBox)
        return;
    if (focusedBox) {
        for (const ReferralBox &box : std::as_const(referralBoxes)) {
            if (box.box == focusedBox)
                ReferralBox_LostFocus(box);
        }
    }
    focusedBox = nullptr;
    for (const ReferralBox &box : std::as_const(referralBoxes)) {
        if (box.box == now) {
            focusedBox = now;
            ReferralBox_GotFocus(box);
        }
    }
}

void ClosingWindow::ReferralBox_GotFocus(const ReferralBox &box) {
    if (TrimBlanks(ReadBox(box.box)) == box.placeholder)
        WriteBox(box.box, QString());
}

void ClosingWindow::ReferralBox_LostFocus(const ReferralBox &box) {
    if (TrimBlanks(ReadBox(box.box)).isEmpty())
        WriteBox(box.box, box.placeholder);
}

// Returns true when the key is discarded.
bool ClosingWindow::EmailBox_KeyPress(QWidget *box, const QKeyEvent &event) {
    if (event.text() != u" ")
        return false;
    ShowMessage(QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Error,
                MessageButtons::Ok);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

void ClosingWindow::lblGoToHome_Click() {
    OpenSoftwaresPage();
}

// Unchecking from here raises no further click, so the page opens once per click and the box
// never stays down.
void ClosingWindow::Check1_Click() {
    if (!Check1 || !Check1->isChecked())
        return;
    Check1->setChecked(false);
    OpenHomePage();
}

QString ClosingWindow::BoxText(const char *name) const {
    return TrimBlanks(ReadBox(findChild<QWidget *>(QString::fromLatin1(name))));
}

void ClosingWindow::cmdSubmit_Click() {
    Referral referral;
    referral.name = BoxText("txtName");
    referral.email = BoxText("txtEmail");
    referral.message = BoxText("txtMessage");
    referral.friendName = BoxText("txtFriendName");
    referral.friendEmail = BoxText("txtFriendEmail");

    const auto fail = [](const char *message) {
        ShowMessage(QString::fromLatin1(message), MessageIcon::Error, MessageButtons::Ok);
    };
    if (referral.email == referral.friendEmail) {
        fail("Please Enter Distinct Email Addresses");
        return;
    }
    if (!referral.email.contains(u'@') || !referral.friendEmail.contains(u'@')) {
        fail("Please Enter Proper Email Address");
        return;
    }
    if (!referral.email.contains(u'.') || !referral.friendEmail.contains(u'.')) {
        fail("Please Enter Proper Email Address");
        return;
    }
    SubmitReferral(referral);
}

void ClosingWindow::cmdClose_Click() {
    Program::EndProgram();
}

void ClosingWindow::closeEvent(QCloseEvent *event) {
    if (!Program::IsEnding())
        Program::EndProgram();
    // EndProgram closes this window itself; should it come back without ending, the window stays.
    event->setAccepted(Program::IsEnding());
}
