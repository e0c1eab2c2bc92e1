#include "frmMain.h"

#include "ClickLabel.h"
#include "LayoutBuilder.h"
#include "Pinnacle.h"
#include "Program.h"
#include "ShowMessage.h"
#include "frmAbout.h"
#include "frmPinnaclePhases.h"
#include "modHelp.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QTextCursor>

namespace {
constexpr const char *nameBoxes[] = {"txtFirstName", "txtMiddleName", "txtLastName"};

bool IsLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

// Lower-case a to z become capitals; every other character passes as typed.
QString Capitalised(const QString &typed) {
    QString text = typed;
    for (QChar &c : text) {
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    }
    return text;
}
} // namespace

frmMain::frmMain(QWidget *parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWindow(this, Layouts::frmMain());
    connectMenus();
    connectLinks();
    installNameFilter();
    Form_Load();
}

void frmMain::connectMenus() {
    const auto onTriggered = [this](const char *name, auto handler) {
        if (auto *action = Control<QAction>(this, name))
            connect(action, &QAction::triggered, this, handler);
    };
    onTriggered("mnuNext", [this] { cmdNext_Click(); });
    onTriggered("mnuExit", [this] { cmdExit_Click(); });
    onTriggered("mnuOnline", &modHelp::OpenOnlineHelpPage);
    onTriggered("mnuVisit", &modHelp::OpenHomePage);
    onTriggered("mnuUpdate", &modHelp::OpenDownloadPage);
    onTriggered("mnuAbout", [this] { mnuAbout_Click(); });
    onTriggered("mnuDonate", &modHelp::OpenDonatePage);
    onTriggered("mkmoney", &modHelp::OpenFullBrandPage);

    if (auto *next = Control<QPushButton>(this, "cmdNext"))
        connect(next, &QPushButton::clicked, this, &frmMain::cmdNext_Click);
    if (auto *exit = Control<QPushButton>(this, "cmdExit"))
        connect(exit, &QPushButton::clicked, this, &frmMain::cmdExit_Click);
}

void frmMain::connectLinks() {
    const auto onClicked = [this](const char *name, void (*open)()) {
        if (auto *label = Control<ClickLabel>(this, name))
            connect(label, &ClickLabel::clicked, this, open);
    };
    onClicked("Label61", &modHelp::OpenHomePage);
    onClicked("lblCobrand", &modHelp::OpenCoBrandPage);
    onClicked("lblFullBrand", &modHelp::OpenFullBrandPage);
}

void frmMain::installNameFilter() {
    for (const char *name : nameBoxes) {
        if (auto *box = Control<QLineEdit>(this, name))
            box->installEventFilter(this);
    }
}

bool frmMain::eventFilter(QObject *watched, QEvent *event) {
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        const QString capitals = Capitalised(key->text());
        if (capitals != key->text()) {
            QKeyEvent replaced(key->type(), key->key(), key->modifiers(), key->nativeScanCode(),
                               key->nativeVirtualKey(), key->nativeModifiers(), capitals,
                               key->isAutoRepeat(), key->count());
            QCoreApplication::sendEvent(watched, &replaced);
            return true;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmMain::Form_Load() {
    modHelp::CheckUpdateReminder();

    QStringList days;
    for (int day = 1; day <= 31; ++day)
        days << QString::number(day);
    // The month list offers exactly the names the reading knows.
    QStringList months;
    for (std::string_view month : pinnacle::MonthNames)
        months << QString::fromLatin1(month.data(), qsizetype(month.size()));
    QStringList years;
    for (int year = 1900; year <= 2050; ++year)
        years << QString::number(year);

    const auto fill = [this](const char *name, const QStringList &items) {
        if (auto *list = Control<QComboBox>(this, name)) {
            list->clear();
            list->addItems(items);
            list->setCurrentIndex(0);
        }
    };
    fill("cboDate", days);
    fill("cboMonth", months);
    fill("cboYear", years);
}

bool frmMain::ValidateEntries() {
    auto *firstName = Control<QLineEdit>(this, "txtFirstName");
    auto *lastName = Control<QLineEdit>(this, "txtLastName");
    auto *date = Control<QComboBox>(this, "cboDate");
    auto *month = Control<QComboBox>(this, "cboMonth");
    auto *year = Control<QComboBox>(this, "cboYear");
    if (!firstName || !lastName || !date || !month || !year)
        return false;

    const auto refuse = [](const QString &message, QWidget *focus) {
        ShowMessage(message, MessageIcon::Information);
        if (focus)
            focus->setFocus();
        return false;
    };

    if (firstName->text().isEmpty())
        return refuse(QStringLiteral("Please Enter Your First Name"), firstName);
    if (lastName->text().isEmpty())
        return refuse(QStringLiteral("Please Enter Your Last Name"), lastName);
    if (date->currentText().isEmpty())
        return refuse(QStringLiteral("Please Specify Your Birth Date"), date);
    if (month->currentText().isEmpty())
        return refuse(QStringLiteral("Please Specify Your Birth Month"), month);
    if (year->currentText().isEmpty())
        return refuse(QStringLiteral("Please Specify Your Birth Year"), year);

    const int dayPosition = date->currentIndex();
    const int monthPosition = month->currentIndex();
    // Gregorian calendar: a whole century is a leap year only when divisible by 400.
    const bool leap = IsLeapYear(year->currentText().toInt());
    const int firstMissingFebruaryDay = leap ? 29 : 28;
    if (monthPosition == 1 && dayPosition >= firstMissingFebruaryDay)
        return refuse(QStringLiteral("Please Enter Correct Date Or Month!"), nullptr);

    const bool thirtyDayMonth =
        monthPosition == 3 || monthPosition == 5 || monthPosition == 8 || monthPosition == 10;
    if (thirtyDayMonth && dayPosition == 30)
        return refuse(QStringLiteral("Please Enter Correct Date Or Month !"), nullptr);

    return true;
}

void frmMain::cmdNext_Click() {
    if (!ValidateEntries())
        return;

    hide();

    // A closed results window may still await deletion; each reading gets a fresh one.
    if (!results || !results->isVisible())
        results = new frmPinnaclePhases;
    results->show();

    auto *display = Control<QPlainTextEdit>(results, "txtDisplay");
    if (!display)
        return;
    display->clear();
    // The lists only offer valid texts, so a refused reading means a broken build: the window
    // then shows an empty report rather than stopping the program.
    QString report;
    try {
        const pinnacle::PinnacleSet set = pinnacle::ComputePinnacles(
            Control<QComboBox>(this, "cboDate")->currentText().toStdString(),
            Control<QComboBox>(this, "cboMonth")->currentText().toStdString(),
            Control<QComboBox>(this, "cboYear")->currentText().toStdString());
        report = QString::fromStdString(pinnacle::ComposeReport(set));
    } catch (const pinnacle::ReadingError &) {
        return;
    }

    QTextCursor cursor = display->textCursor();
    cursor.insertText(report);
    cursor.setPosition(0);
    display->setTextCursor(cursor);
}

void frmMain::cmdExit_Click() {
    Program::ShowClosingWindow();
    close();
}

void frmMain::BringOfferToFront(bool fullBrand) {
    if (auto *label = Control<ClickLabel>(this, fullBrand ? "lblFullBrand" : "lblCobrand"))
        label->raise();
}

void frmMain::mnuAbout_Click() {
    frmAbout about(this);
    about.exec();
}

void frmMain::closeEvent(QCloseEvent *event) {
    if (!Program::IsEnding())
        Program::ShowClosingWindow();
    event->accept();
}
