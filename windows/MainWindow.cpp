#include "MainWindow.h"

#include "AboutWindow.h"
#include "Accessibility.h"
#include "BirthDate.h"
#include "LinkLabel.h"
#include "Pinnacle.h"
#include "Program.h"
#include "ResultsWindow.h"
#include "ShowMessage.h"
#include "UpdateReminder.h"
#include "WebLink.h"
#include "WebPages.h"
#include "WindowLook.h"
#include "ui_MainWindow.h"

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

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent, WindowFrame), ui(new Ui::MainWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    InstallAccessibility();
    ui->setupUi(this);
    FinishWindow(this);
    ui->txtFirstName->setFocus();
    connectControls();
    CheckUpdateReminder();
    fillDateLists();
}

MainWindow::~MainWindow() = default;

void MainWindow::connectControls() {
    connect(ui->cmdNext, &QPushButton::clicked, this, &MainWindow::startReading);
    connect(ui->mnuNext, &QAction::triggered, this, &MainWindow::startReading);
    // Closing this window is what brings up the closing window.
    connect(ui->cmdExit, &QPushButton::clicked, this, &QWidget::close);
    connect(ui->mnuExit, &QAction::triggered, this, &QWidget::close);
    connect(ui->mnuAbout, &QAction::triggered, this, &MainWindow::showAbout);
    const std::pair<QAction *, WebPage> pageEntries[] = {{ui->mnuOnline, WebPage::OnlineHelp},
                                                         {ui->mnuVisit, WebPage::Home},
                                                         {ui->mnuUpdate, WebPage::Download},
                                                         {ui->mnuDonate, WebPage::Donate},
                                                         {ui->mkmoney, WebPage::FullBrand}};
    for (const auto &[entry, page] : pageEntries)
        connect(entry, &QAction::triggered, this, [page = page] { OpenWebPage(page); });
    ConnectWebLink(ui->Label61, WebPage::Home);
    ConnectWebLink(ui->lblCobrand, WebPage::CoBrand);
    ConnectWebLink(ui->lblFullBrand, WebPage::FullBrand);
    // Names are typed in capitals.
    for (QLineEdit *box : {ui->txtFirstName, ui->txtMiddleName, ui->txtLastName})
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
    fill(ui->cboDate, days);
    fill(ui->cboMonth, months);
    fill(ui->cboYear, years);
}

bool MainWindow::ValidateEntries() {
    const auto refuse = [](const QString &message, QWidget *focus) {
        ShowMessage(message, MessageIcon::Information);
        if (focus)
            focus->setFocus();
        return false;
    };

    if (ui->txtFirstName->text().isEmpty())
        return refuse(QStringLiteral("Please Enter Your First Name"), ui->txtFirstName);
    if (ui->txtLastName->text().isEmpty())
        return refuse(QStringLiteral("Please Enter Your Last Name"), ui->txtLastName);
    // Day, month and year are checked in that order; an empty list takes the focus.
    const pinnacle::DateCheck check = pinnacle::CheckDate(
        ui->cboDate->currentIndex(), ui->cboMonth->currentIndex(), ui->cboYear->currentIndex());
    const std::string_view text = pinnacle::DateCheckMessage(check);
    const QString message = QString::fromLatin1(text.data(), qsizetype(text.size()));
    switch (check) {
    case pinnacle::DateCheck::Accepted:
        break;
    case pinnacle::DateCheck::NoDay:
        return refuse(message, ui->cboDate);
    case pinnacle::DateCheck::NoMonth:
        return refuse(message, ui->cboMonth);
    case pinnacle::DateCheck::NoYear:
        return refuse(message, ui->cboYear);
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

    const pinnacle::BirthDate date = pinnacle::DateAt(
        ui->cboDate->currentIndex(), ui->cboMonth->currentIndex(), ui->cboYear->currentIndex());
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
    BringToFront(fullBrand ? ui->lblFullBrand : ui->lblCobrand);
}

void MainWindow::showAbout() {
    AboutWindow about(this);
    about.exec();
}

void MainWindow::closeEvent(QCloseEvent *event) {
    Program::ShowClosingWindow();
    event->accept();
}
