#include "frmAbout.h"

#include "ClickLabel.h"
#include "LayoutBuilder.h"
#include "modHelp.h"

#include <QPushButton>

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    BuildWindow(this, Layouts::frmAbout());

    // The layout makes cmdOK the default and the cancel button: Enter and Esc click it.
    if (auto *cmdOK = Control<QPushButton>(this, "cmdOK"))
        connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    if (auto *lblCobrand = Control<ClickLabel>(this, "lblCobrand"))
        connect(lblCobrand, &ClickLabel::clicked, this, &frmAbout::lblCobrand_Click);
    if (auto *lblHomePage = Control<ClickLabel>(this, "lblHomePage"))
        connect(lblHomePage, &ClickLabel::clicked, this, &frmAbout::lblHomePage_Click);
}

void frmAbout::cmdOK_Click() {
    accept();
}

void frmAbout::lblCobrand_Click() {
    modHelp::OpenFullBrandPage();
}

void frmAbout::lblHomePage_Click() {
    modHelp::OpenHomePage();
}
