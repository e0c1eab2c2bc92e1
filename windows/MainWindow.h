#pragma once
#include <QMainWindow>
#include <QPointer>

class ResultsWindow;

// The window where a reading starts: three names, the birth date from three lists, and Next,
// which checks the entries, hides this window and fills a fresh results window. Closing this
// window brings up the closing window; the program itself ends only through EndProgram.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);

    bool ValidateEntries();
    // Of the two offers laid over one another, shows the fully branded edition's or the
    // co-branding one.
    void BringOfferToFront(bool fullBrand);

public Q_SLOTS:
    void cmdNext_Click();
    void cmdExit_Click();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectMenus();
    void connectLinks();
    void installNameFilter();
    void Form_Load();
    void mnuAbout_Click();

    QPointer<ResultsWindow> results;
};
