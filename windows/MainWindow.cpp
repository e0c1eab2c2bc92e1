#include "MainWindow.h"

#include "AboutWindow.h"
#include "BirthDate.h"
#include "LayoutBuilder.h"
#include "Layouts.h"
#include "LinkLabel.h"
#include "Pinnacle.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "ShowMessage.h"
#include "UpdateReminder.h"
#include "WebLink.h"
#include "WebPages.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <utility>

namespace {
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
    controls = findControls();
    connectControls();
    CheckUpdateReminder();
    fillDateLists();
}

MainWindow::Controls MainWindow::findControls() const {
    return {
        .firstName = RequireControl<QLineEdit>(this, "txtFirstName"),
        .middleName = RequireControl<QLineEdit>(this, "txtMiddleName"),
        .lastName = RequireControl<QLineEdit>(this, "txtLastName"),
        .day = RequireControl<QComboBox>(this, "cboDate"),
        .month = RequireControl<QComboBox>(this, "cboMonth"),
        .year = RequireControl<QComboBox>(this, "cboYear"),
        .next = RequireControl<QPushButton>(this, "cmdNext"),
        .exit = RequireControl<QPushButton>(this, "cmdExit"),
        .banner = RequireControl<LinkLabel>(this, "Label61"),
        .coBrandOffer = RequireControl<LinkLabel>(this, "lblCobrand"),
        .fullBrandOffer = RequireControl<LinkLabel>(this, "lblFullBrand"),
        .nextEntry = RequireControl<QAction>(this, "mnuNext"),
        .exitEntry = RequireControl<QAction>(this, "mnuExit"),
        .onlineHelpEntry = RequireControl<QAction>(this, "mnuOnline"),
        .visitEntry = RequireControl<QAction>(this, "mnuVisit"),
        .updateEntry = RequireControl<QAction>(this, "mnuUpdate"),
        .aboutEntry = RequireControl<QAction>(this, "mnuAbout"),
        .donateEntry = RequireControl<QAction>(this, "mnuDonate"),
        .makeMoneyEntry = RequireControl<QAction>(this, "mkmoney"),
    };
}

void MainWindow::connectControls() {
    connect(controls.next, &QPushButton::clicked, this, &MainWindow::startReading);
    connect(controls.nextEntry, &QAction::triggered, this, &MainWindow::startReading);
    // Closing this window is what brings up the closing window.
    connect(controls.exit, &QPushButton::clicked, this, &QWidget::close);
    connect(controls.exitEntry, &QAction::triggered, this, &QWidget::close);
    connect(controls.aboutEntry, &QAction::triggered, this, &MainWindow::showAbout);
    const std::pair<QAction *, WebPage> pageEntries[] = {
        {controls.onlineHelpEntry, WebPage::OnlineHelp},
        {controls.visitEntry, WebPage::Home},
        {controls.updateEntry, WebPage::Download},
        {controls.donateEntry, WebPage::Donate},
        {controls.makeMoneyEntry, WebPage::FullBrand}};
    for (const auto &[entry, page] : pageEntries)
        connect(entry, &QAction::triggered, this, [page = page] { OpenWebPage(page); });
    ConnectWebLink(controls.banner, WebPage::Home);
    ConnectWebLink(controls.coBrandOffer, WebPage::CoBrand);
    ConnectWebLink(controls.fullBrandOffer, WebPage::FullBrand);
    // Names are typed in capitals.
    for (QLineEdit *box : {controls.firstName, controls.middleName, controls.lastName})
        box->installEventFilter(this);
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

void MainWindow::fillDateLists() {
    QStringList days;
    for (int day = pinnacle::FirstDay; day <= pinnacle::LastDay; ++day)
        days << QString::number(day);
    // The month list offers exactly the names the reading knows.
    QStringList months;
    for (std::string_view month : pinnacle::MonthNames)
        months << QString::fromLatin1(month.data(), qsizetype(month.size()));
    QStringList years;
    for (int year = pinnacle::FirstYear; year <= pinnacle::LastYear; ++year)
        years << QString::number(year);

    const auto fill = [](QComboBox *list, const QStringList &items) {
        list->clear();
        list->addItems(items);
        list->setCurrentIndex(0);
    };
    fill(controls.day, days);
    fill(controls.month, months);
    fill(controls.year, years);
}

bool MainWindow::ValidateEntries() {
    const auto refuse = [](const QString &message, QWidget *focus) {
        ShowMessage(message, MessageIcon::Information);
        if (focus)
            focus->setFocus();
        return false;
    };

    if (controls.firstName->text().isEmpty())
        return refuse(QStringLiteral("Please Enter Your First Name"), controls.firstName);
    if (controls.lastName->text().isEmpty())
        return refuse(QStringLiteral("Please Enter Your Last Name"), controls.lastName);
    // Day, month and year are checked in that order; an empty list takes the focus.
    const pinnacle::DateCheck check =
        pinnacle::CheckDate(controls.day->currentIndex(), controls.month->currentIndex(),
                            controls.year->currentIndex());
    const std::string_view text = pinnacle::DateCheckMessage(check);
    const QString message = QString::fromLatin1(text.data(), qsizetype(text.size()));
    switch (check) {
    case pinnacle::DateCheck::Accepted:
        break;
    case pinnacle::DateCheck::NoDay:
        return refuse(message, controls.day);
    case pinnacle::DateCheck::NoMonth:
        return refuse(message, controls.month);
    case pinnacle::DateCheck::NoYear:
        return refuse(message, controls.year);
    case pinnacle::DateCheck::BeyondFebruary:
    case pinnacle::DateCheck::BeyondThirtyDayMonth:
        return refuse(message, nullptr);
    }
    return true;
}

void MainWindow::startReading() {
    if (!ValidateEntries())
        return;

    hide();

    // A closed results window may still await deletion; each reading gets a fresh one.
    if (!results || !results->isVisible()) {
        results = new ResultsWindow;
        connect(results, &ResultsWindow::wentBack, this, &MainWindow::returnFromResults);
    }
    results->show();

    const pinnacle::BirthDate date =
        pinnacle::DateAt(controls.day->currentIndex(), controls.month->currentIndex(),
                         controls.year->currentIndex());
    const QString report =
        QString::fromStdString(pinnacle::ComposeReport(pinnacle::ComputePinnacles(date)));
    results->showReport(report);
}

// The window was only hidden, so the names and the date are as the user left them.
void MainWindow::returnFromResults() {
    show();
    activateWindow();
}

void MainWindow::bringOfferToFront(bool fullBrand) {
    BringToFront(fullBrand ? controls.fullBrandOffer : controls.coBrandOffer);
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    Program::ShowClosingWindow();
    event->accept();
}
