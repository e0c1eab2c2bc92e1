#include "frmAbout.h"

#include "ClickLabel.h"
#include "LayoutBuilder.h"
#include "modHelp.h"

#include <QKeyEvent>
#include <QPushButton>

frmAbout::frmAbout(QWidget *parent) : QDialog(parent) {
    BuildWindow(this, Layouts::frmAbout());

    cmdOK = Control<QPushButton>(this, "cmdOK");
    if (cmdOK) {
        cmdOK->setDefault(true);
        cmdOK->setFocus();
        connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    }
    if (auto *lblCobrand = Control<ClickLabel>(this, "lblCobrand"))
        connect(lblCobrand, &ClickLabel::clicked, this, &frmAbout::lblCobrand_Click);
    if (auto *lblHomePage = Control<ClickLabel>(this, "lblHomePage"))
        connect(lblHomePage, &ClickLabel::clicked, this, &frmAbout::lblHomePage_Click);
}

// cmdOK is both the default and the cancel button, so Enter and Esc act as its click wherever the
// focus is, not only when a button holds it.
void frmAbout::keyPressEvent(QKeyEvent *event) {
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const int key = event->key();
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape)) {
        if (cmdOK && cmdOK->isEnabled())
            cmdOK->click();
        else
            cmdOK_Click();
        return;
    }
    QDialog::keyPressEvent(event);
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
