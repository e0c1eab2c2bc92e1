#include "ResultsWindow.h"

#include "Accessibility.h"
#include "LinkLabel.h"
#include "Program.h"
#include "WebLink.h"
#include "WebPages.h"
#include "WindowLook.h"
#include "ui_ResultsWindow.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextCursor>

namespace {
// The report is kept off the clipboard, and off the selection that X11 pastes with the middle
// button, but what other programs put there is theirs: only this program's own copies go. A
// platform without a desktop keeps a clipboard of the process's own, which nothing else reaches.
void RemoveOwnCopies() {
    QClipboard *clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    const bool ownClipboardOnly = QGuiApplication::platformName() == u"offscreen" ||
                                  QGuiApplication::platformName() == u"minimal";
    // Another program may hold the clipboard; whatever happens, the window carries on.
    if (ownClipboardOnly || clipboard->ownsClipboard())
        clipboard->clear(QClipboard::Clipboard);
    if (clipboard->supportsSelection() && clipboard->ownsSelection())
        clipboard->clear(QClipboard::Selection);
}
} // namespace

ResultsWindow::ResultsWindow(QWidget *parent)
    : QWidget(parent, WindowFrame), ui(new Ui::ResultsWindow) {
    setAttribute(Qt::WA_DeleteOnClose);
    InstallAccessibility();
    ui->setupUi(this);
    QPlainTextEdit *display = ui->txtDisplay;
    // The style sheet paints the box's background. A viewport left to fill itself would be marked
    // for a styled background of its own as the sheet is applied, and the style-sheet engine
    // would then keep an entry for every viewport it drew, never told when one goes: one more for
    // each reading.
    display->viewport()->setAutoFillBackground(false);
    FinishWindow(this);
    ui->cmdback->setFocus();

    connect(display, &QPlainTextEdit::textChanged, this, &RemoveOwnCopies);
    // Mouse events arrive at the viewport; tracking makes a bare pass of the pointer count.
    display->viewport()->setMouseTracking(true);
    display->viewport()->installEventFilter(this);

    connect(ui->cmdback, &QPushButton::clicked, this, &ResultsWindow::goBack);
    ConnectWebLink(ui->Label61, WebPage::Home);
    // Both promotional labels here lead to the fully branded edition, the co-branding offer too.
    ConnectWebLink(ui->lblCobrand, WebPage::FullBrand);
    ConnectWebLink(ui->lblFullBrand, WebPage::FullBrand);
}

ResultsWindow::~ResultsWindow() = default;

void ResultsWindow::showReport(const QString &report) {
    QPlainTextEdit *display = ui->txtDisplay;
    // Whole, in one step: the text is laid out once rather than cleared and inserted.
    display->setPlainText(report);
    QTextCursor cursor = display->textCursor();
    cursor.setPosition(0);
    display->setTextCursor(cursor);
}

bool ResultsWindow::eventFilter(QObject *watched, QEvent *event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
        RemoveOwnCopies();
        // The box puts a selection made by the mouse on the clipboard only as it handles the
        // event, after this filter.
        if (!removalQueued) {
            removalQueued = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    removalQueued = false;
                    RemoveOwnCopies();
                },
                Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void ResultsWindow::goBack() {
    goingBack = true;
    close();
    Q_EMIT wentBack();
}

void ResultsWindow::closeEvent(QCloseEvent *event) {
    // Closing this window is the way out of the program, except by Back, which only makes the
    // closing window for later.
    if (goingBack)
        Program::LoadClosingWindow();
    else
        Program::ShowClosingWindow();
    event->accept();
}
