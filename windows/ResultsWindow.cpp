#include "ResultsWindow.h"

#include "LayoutBuilder.h"
#include "LinkLabel.h"
#include "MainWindow.h"
#include "Program.h"
#include "WebPages.h"

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

ResultsWindow::ResultsWindow(QWidget *parent) : QWidget(parent) {
    setAttribute(Qt::WA_DeleteOnClose);
    BuildWindow(this, ResultsWindowLayout());
    connectControls();
    connectLinks();
}

void ResultsWindow::connectControls() {
    if (auto *display = Control<QPlainTextEdit>(this, "txtDisplay")) {
        connect(display, &QPlainTextEdit::textChanged, this, &EmptyClipboard);
        // Mouse events arrive at the viewport; tracking makes a bare pass of the pointer count.
        display->viewport()->setMouseTracking(true);
        display->viewport()->installEventFilter(this);
    }
    if (auto *back = Control<QPushButton>(this, "cmdback"))
        connect(back, &QPushButton::clicked, this, &ResultsWindow::cmdback_Click);
}

void ResultsWindow::connectLinks() {
    const auto onClicked = [this](const char *name, void (*open)()) {
        if (auto *label = Control<LinkLabel>(this, name))
            connect(label, &LinkLabel::clicked, this, open);
    };
    onClicked("Label61", &OpenHomePage);
    // Both promotional labels here lead to the fully branded edition, the co-branding offer too.
    onClicked("lblCobrand", &OpenFullBrandPage);
    onClicked("lblFullBrand", &OpenFullBrandPage);
}

bool ResultsWindow::eventFilter(QObject *watched, QEvent *event) {
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

void ResultsWindow::cmdback_Click() {
    // Closing runs the close handling below, which brings up the closing window; Back then
    // returns to the main window and tucks the closing window away until the user leaves.
    close();
    MainWindow *main = Program::CurrentMainWindow();
    if (main)
        main->show();
    Program::HideClosingWindow();
    if (main)
        main->activateWindow();
}

void ResultsWindow::closeEvent(QCloseEvent *event) {
    if (!Program::IsEnding())
        Program::ShowClosingWindow();
    event->accept();
}
