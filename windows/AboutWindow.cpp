#include "AboutWindow.h"

#include "Accessibility.h"
#include "LinkLabel.h"
#include "WebLink.h"
#include "WebPages.h"
#include "WindowLook.h"
#include "ui_AboutWindow.h"

#include <QShortcut>

AboutWindow::AboutWindow(QWidget *parent)
    : QDialog(parent, WindowFrame | Qt::Dialog), ui(new Ui::AboutWindow) {
    InstallAccessibility();
    ui->setupUi(this);
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
