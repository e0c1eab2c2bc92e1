#include "frmPinnaclePhases.h"

#include "ClickLabel.h"
#include "LayoutBuilder.h"
#include "Program.h"
#include "frmMain.h"
#include "modHelp.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {
void EmptyClipboard() {
    // Another program may hold the clipboard; whatever happens, the window carries on.
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->clear();
}
} // namespace

frmPinnaclePhases::frmPinnaclePhases(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWindow(this, Layouts::frmPinnaclePhases());
    connectControls();
    connectLinks();
}

void frmPinnaclePhases::connectControls() {
    if (auto *display = Control<QPlainTextEdit>(this, "txtDisplay")) {
        connect(display, &QPlainTextEdit::textChanged, this, &EmptyClipboard);
        // Mouse events arrive at the viewport; tracking makes a bare pass of the pointer count.
        display->viewport()->setMouseTracking(true);
        display->viewport()->installEventFilter(this);
    }
    if (auto *back = Control<QPushButton>(this, "cmdback"))
        connect(back, &QPushButton::clicked, this, &frmPinnaclePhases::cmdback_Click);
}

void frmPinnaclePhases::connectLinks() {
    const auto onClicked = [this](const char *name, void (*open)()) {
        if (auto *label = Control<ClickLabel>(this, name))
            connect(label, &ClickLabel::clicked, this, open);
    };
    onClicked("Label61", &modHelp::OpenHomePage);
    // Both promotional labels here lead to the fully branded edition, the co-branding offer too.
    onClicked("lblCobrand", &modHelp::OpenFullBrandPage);
    onClicked("lblFullBrand", &modHelp::OpenFullBrandPage);
}

bool frmPinnaclePhases::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        EmptyClipboard();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void frmPinnaclePhases::cmdback_Click() {
    // Closing runs the close handling below, which brings up the closing window; Back then
    // returns to the main window and tucks the closing window away until the user leaves.
    close();
    frmMain *main = Program::MainWindow();
    if (main)
        main->show();
    Program::HideClosingWindow();
    if (main)
        main->activateWindow();
}

void frmPinnaclePhases::closeEvent(QCloseEvent *event) {
    if (!Program::IsEnding())
        Program::ShowClosingWindow();
    event->accept();
}
