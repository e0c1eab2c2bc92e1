#include "AboutWindow.h"

#include "Accessibility.h"
#include "Branding.h"
#include "LinkLabel.h"
#include "WebLink.h"
#include "WebPages.h"
#include "WindowLook.h"
#include "ui_AboutWindow.h"

#include <QShortcut>

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent), ui(new Ui::AboutWindow) {
    InstallAccessibility();
    ui->setupUi(this);
    const QString site = QStringLiteral(ZT_WEB_SITE);
    ui->Label1->setText(ui->Label1->text().arg(site));
    ui->lblHomePage->setText(ui->lblHomePage->text().arg(site));
    ui->Label2->setText(WindowCaption());
    ShowProgramIcon(ui->Picture1);
    FinishWindow(this);
    ui->cmdOK->setFocus();

    // cmdOK is the default button, and the cancel button too: Enter and Esc click it.
    connect(ui->cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, ui->cmdOK, &QPushButton::click);
    // "Click here for more details." of the fully branded edition's offer.
    ConnectWebLink(ui->lblCobrand, WebPage::FullBrand);
    ConnectWebLink(ui->lblHomePage, WebPage::Home);
}

AboutWindow::~AboutWindow() = default;
