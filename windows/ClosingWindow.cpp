#include "ClosingWindow.h"

#include "Accessibility.h"
#include "Blanks.h"
#include "Branding.h"
#include "LinkLabel.h"
#include "Program.h"
#include "Random.h"
#include "ShowMessage.h"
#include "WebLink.h"
#include "WebPages.h"
#include "WindowLook.h"
#include "ui_ClosingWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QTextDocument>
#include <utility>

#define ZT_SITE ZT_WEB_SITE

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

QString PromotionalText(int index) {
    switch (index) {
    case 0:
        return QStringLiteral(
            "Programs such as this one can only be created and maintained with your support. The "
            "best way to support us is to visit " ZT_SITE " regularly and to take part in its many "
            "lively discussions and activities. Thanks!");
    case 1:
        return QStringLiteral(
            "Please visit " ZT_SITE " regularly and support the site by taking part in its "
            "discussions. Without your regular visits we cannot support or maintain these "
            "programs. Thank you for all of your help!");
    case 2:
        return QStringLiteral(ZT_SITE " is a free online discussion forum on esoteric subjects. "
                                      "Visiting it regularly helps us to develop and maintain this "
                                      "software. Thanks!");
    case 3:
        return QStringLiteral(
            ZT_SITE " needs your help! Visiting us regularly and taking part in its discussions "
                    "helps us to maintain this program and to develop many more of our Zentari "
                    "Softwares. Thank you!");
    default:
        return {};
    }
}

ClosingWindow::ClosingWindow(QWidget *parent)
    : QWidget(parent, WindowFrame), ui(new Ui::ClosingWindow) {
    InstallAccessibility();
    ui->setupUi(this);
    referralBoxes = {{
        {ui->txtName, &Referral::name},
        {ui->txtEmail, &Referral::email},
        {ui->txtMessage, &Referral::message},
        {ui->txtFriendName, &Referral::friendName},
        {ui->txtFriendEmail, &Referral::friendEmail},
    }};
    // The message box opens with a line break after its placeholder, which the placeholder it is
    // compared with on leaving does not have.
    for (const ReferralBox &box : referralBoxes) {
        const QString placeholder = ReferralPlaceholders().*box.field;
        WriteBox(box.box,
                 box.box == ui->txtMessage ? placeholder + QStringLiteral("\r\n") : placeholder);
    }
    FinishWindow(this);
    ui->cmdClose->setFocus();
    connectControls();
    showPromotionalText();
    setWindowFlag(Qt::WindowStaysOnTopHint, true);
}

// The boxes lose the focus while QWidget's destructor deletes them, after this class is gone; the
// connection would only be cut by QObject's destructor, later still, and call into a dead object.
ClosingWindow::~ClosingWindow() {
    disconnect(focusFollowing);
}

void ClosingWindow::connectControls() {
    ConnectWebLink(ui->lblGoToHome, WebPage::Softwares);
    connect(ui->Check1, &QPushButton::clicked, this, &ClosingWindow::openHomePageFromCheck);
    DescribeWebLink(ui->Check1, WebPage::Home);
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &ClosingWindow::referFriend);
    connect(ui->cmdClose, &QPushButton::clicked, this, &Program::EndProgram);

    for (const ReferralBox &box : referralBoxes) {
        box.box->installEventFilter(this);
        // The multi-line box takes the mouse and drops through its viewport.
        if (auto *multi = qobject_cast<QPlainTextEdit *>(box.box))
            multi->viewport()->installEventFilter(this);
    }
    focusFollowing = connect(qApp, &QApplication::focusChanged, this,
                             [this](QWidget *, QWidget *now) { followFocus(now); });
}

void ClosingWindow::showPromotionalText() {
    Randomize();
    const int k = qBound(0, int(4 * Rnd()), 3);
    ui->Label2->setText(PromotionalText(k));
}

bool ClosingWindow::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease: // a middle click pastes as the button comes up
        if (placeholderToClear &&
            (watched == placeholderToClear->box || watched->parent() == placeholderToClear->box))
            clearPlaceholderNow();
        break;
    default:
        break;
    }
    if (event->type() == QEvent::KeyPress &&
        (watched == ui->txtEmail || watched == ui->txtFriendEmail))
        return refuseSpaceInEmail(static_cast<QWidget *>(watched),
                                  *static_cast<QKeyEvent *>(event));
    return QWidget::eventFilter(watched, event);
}

// Focus is followed by where it lands rather than by focus events: a click into this window
// while another one is active moves the focus without any focus-in of its own, and focus that
// leaves for another program or a message box and comes back is no move between the boxes.
void ClosingWindow::followFocus(QWidget *now) {
    if (!now || now->window() != this || now == focusedBox)
        return;
    for (const ReferralBox &box : referralBoxes) {
        if (box.box == focusedBox)
            restorePlaceholder(box);
    }
    focusedBox = nullptr;
    for (const ReferralBox &box : referralBoxes) {
        if (box.box == now) {
            focusedBox = now;
            clearPlaceholder(box);
        }
    }
}

// The toolkit tells a screen reader of the new focus only after this; a placeholder cleared at
// once reaches it first, as a change of text and caret, and the box is entered in silence. So the
// placeholder goes once the focus has been told, or before anything reaches the box, whichever
// comes first.
void ClosingWindow::clearPlaceholder(const ReferralBox &box) {
    placeholderToClear = &box;
    QMetaObject::invokeMethod(this, &ClosingWindow::clearPlaceholderNow, Qt::QueuedConnection);
}

void ClosingWindow::clearPlaceholderNow() {
    const ReferralBox *box = std::exchange(placeholderToClear, nullptr);
    if (box && pinnacle::TrimBlanks(ReadBox(box->box)) == ReferralPlaceholders().*box->field)
        WriteBox(box->box, QString());
}

void ClosingWindow::restorePlaceholder(const ReferralBox &box) {
    if (placeholderToClear == &box)
        placeholderToClear = nullptr;
    if (pinnacle::TrimBlanks(ReadBox(box.box)).isEmpty())
        WriteBox(box.box, ReferralPlaceholders().*box.field);
}

// Returns true when the key is discarded.
bool ClosingWindow::refuseSpaceInEmail(QWidget *box, const QKeyEvent &event) {
    if (event.text() != u" ")
        return false;
    ShowMessage(QStringLiteral("Email Address Cannot Contain Space"), MessageIcon::Error,
                MessageButtons::Ok);
    box->setFocus(Qt::OtherFocusReason);
    return true;
}

// Unchecking from here raises no further click, so the page opens once per click and the box
// never stays down.
void ClosingWindow::openHomePageFromCheck() {
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    OpenWebPage(WebPage::Home);
}

Referral ClosingWindow::readForm() {
    clearPlaceholderNow();
    Referral referral;
    for (const ReferralBox &box : referralBoxes)
        referral.*box.field = pinnacle::TrimBlanks(ReadBox(box.box));
    return referral;
}

void ClosingWindow::referFriend() {
    const Referral referral = readForm();
    QString problem = CheckReferralAddresses(referral);
    if (problem.isEmpty())
        problem = SubmitReferral(referral);
    if (!problem.isEmpty())
        ShowMessage(problem, MessageIcon::Error, MessageButtons::Ok);
}

void ClosingWindow::closeEvent(QCloseEvent *event) {
    if (!Program::IsEnding())
        Program::EndProgram();
    // EndProgram closes this window itself; should it come back without ending, the window stays.
    event->setAccepted(Program::IsEnding());
}
