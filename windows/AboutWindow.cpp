#include "AboutWindow.h"

#include "LayoutBuilder.h"
#include "Layouts.h"
#include "LinkLabel.h"
#include "WebLink.h"
#include "WebPages.h"

#include <QPushButton>

AboutWindow::AboutWindow(QWidget *parent) : QDialog(parent) {
    BuildWindow(this, AboutWindowLayout());

    // The layout makes cmdOK the default and the cancel button: Enter and Esc click it.
    connect(RequireControl<QPushButton>(this, "cmdOK"), &QPushButton::clicked, this,
            &QDialog::accept);
    // "Click here for more details." of the fully branded edition's offer.
    ConnectWebLink(RequireControl<LinkLabel>(this, "lblCobrand"), WebPage::FullBrand);
    ConnectWebLink(RequireControl<LinkLabel>(this, "lblHomePage"), WebPage::Home);
}
