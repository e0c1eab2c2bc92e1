#pragma once
#include <QWidget>

class QPlainTextEdit;

// The results window: a read-only viewer of one report, filled by the main window's Next.
// Every mouse event over the report and every change of its text empties the clipboard;
// copying with the keyboard is left alone. Closing the window, by Back or otherwise, deletes it.
class ResultsWindow : public QWidget {
    Q_OBJECT
public:
    explicit ResultsWindow(QWidget *parent = nullptr);

    // Replaces the report and puts the caret at its start.
    void showReport(const QString &report);

public Q_SLOTS:
    void goBack();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPlainTextEdit *display = nullptr;
};
