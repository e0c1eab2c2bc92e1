#include "MainWindow.h"

#include "AboutWindow.h"
#include "LayoutBuilder.h"
#include "LinkLabel.h"
#include "Pinnacle.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "ShowMessage.h"
#include "UpdateReminder.h"
#include "WebPages.h"

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

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWindow(this, MainWindowLayout());
    connectMenus();
    connectLinks();
    installNameFilter();
    Form_Load();
}

void MainWindow::connectMenus() {
    const auto onTriggered = [this](const char *name, auto handler) {
        if (auto *action = Control<QAction>(this, name))
            connect(action, &QAction::triggered, this, handler);
    };
    onTriggered("mnuNext", [this] { cmdNext_Click(); });
    onTriggered("mnuExit", [this] { cmdExit_Click(); });
    onTriggered("mnuOnline", &OpenOnlineHelpPage);
    onTriggered("mnuVisit", &OpenHomePage);
    onTriggered("mnuUpdate", &OpenDownloadPage);
    onTriggered("mnuAbout", [this] { mnuAbout_Click(); });
    onTriggered("mnuDonate", &OpenDonatePage);
    onTriggered("mkmoney", &OpenFullBrandPage);

    if (auto *next = Control<QPushButton>(this, "cmdNext"))
        connect(next, &QPushButton::clicked, this, &MainWindow::cmdNext_Click);
    if (auto *exit = Control<QPushButton>(this, "cmdExit"))
        connect(exit, &QPushButton::clicked, this, &MainWindow::cmdExit_Click);
}

void MainWindow::connectLinks() {
    const auto onClicked = [this](const char *name, void (*open)()) {
        if (auto *label = Control<LinkLabel>(this, name))
            connect(label, &LinkLabel::clicked, this, open);
    };
    onClicked("Label61", &OpenHomePage);
    onClicked("lblCobrand", &OpenCoBrandPage);
    onClicked("lblFullBrand", &OpenFullBrandPage);
}

void MainWindow::installNameFilter() {
    for (const char *name : nameBoxes) {
        if (auto *box = Control<QLineEdit>(this, name))
            box->installEventFilter(this);
    }
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event) {
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

void MainWindow::Form_Load() {
    CheckUpdateReminder();

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

bool MainWindow::ValidateEntries() {
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

void MainWindow::cmdNext_Click() {
    if (!ValidateEntries())
        return;

    hide();

    // A closed results window may still await deletion; each reading gets a fresh one.
    if (!results || !results->isVisible())
        results = new ResultsWindow;
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

void MainWindow::cmdExit_Click() {
    Program::ShowClosingWindow();
    close();
}

void MainWindow::BringOfferToFront(bool fullBrand) {
    if (auto *label = Control<LinkLabel>(this, fullBrand ? "lblFullBrand" : "lblCobrand"))
        label->raise();
}

void MainWindow::mnuAbout_Click() {
    AboutWindow about(this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    if (!Program::IsEnding())
        Program::ShowClosingWindow();
    event->accept();
}
