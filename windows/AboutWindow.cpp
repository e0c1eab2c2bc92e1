#include "AboutWindow.h"

#include "LayoutBuilder.h"
#include "LinkLabel.h"
#include "WebPages.h"

#include <QPushButton>

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent) {
    BuildWindow(this, AboutWindowLayout());

    // The layout makes cmdOK the default and the cancel button: Enter and Esc click it.
    if (auto *cmdOK = Control<QPushButton>(this, "cmdOK"))
        connect(cmdOK, &QPushButton::clicked, this, &AboutWindow::cmdOK_Click);
    if (auto *lblCobrand = Control<LinkLabel>(this, "lblCobrand"))
        connect(lblCobrand, &LinkLabel::clicked, this, &AboutWindow::lblCobrand_Click);
    if (auto *lblHomePage = Control<LinkLabel>(this, "lblHomePage"))
        connect(lblHomePage, &LinkLabel::clicked, this, &AboutWindow::lblHomePage_Click);
}

void AboutWindow::cmdOK_Click() {
    accept();
}

void AboutWindow::lblCobrand_Click() {
    OpenFullBrandPage();
}

void AboutWindow::lblHomePage_Click() {
    OpenHomePage();
}
