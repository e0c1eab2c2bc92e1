#pragma once
#include <QMainWindow>
#include <QPointer>
#include <memory>

class ResultsWindow;
namespace Ui {
class MainWindow;
}

// The window where a reading starts: three names, the birth date from three lists, and Next,
// which checks the entries, hides this window and fills a fresh results window. Closing this
// window brings up the closing window; the program itself ends only through EndProgram.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    bool ValidateEntries();
    // Of the two offers laid over one another, shows the fully branded edition's or the
    // co-branding one.
    void bringOfferToFront(bool fullBrand);

public Q_SLOTS:
    void startReading();
    void returnFromResults();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void connectControls();
    void fillDateLists();
    void showAbout();

    std::unique_ptr<Ui::MainWindow> ui;
    QPointer<ResultsWindow> results;
};
