#pragma once
#include <QWidget>
#include <memory>

namespace Ui {
class ResultsWindow;
}

// The results window: a read-only viewer of one report, filled by the main window's Next.
// Every mouse event over the report and every change of its text takes this program's own copies
// off the clipboard and the selection, leaving other programs' alone; copying with the keyboard
// is left alone until then. Closing the window, by Back or otherwise, deletes it;
// closed otherwise, it brings up the closing window.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget *parent = nullptr);
    ~ResultsWindow() override;

    // Replaces the report and puts the caret at its start.
    void showReport(const QString &report);

public Q_SLOTS:
    void goBack();

Q_SIGNALS:
    // Back: this window has closed and the window that filled it should show itself again.
    void wentBack();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::unique_ptr<Ui::ResultsWindow> ui;
    bool goingBack = false;
    bool removalQueued = false;
};
