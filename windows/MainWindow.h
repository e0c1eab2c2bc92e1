#pragma once
#include <QMainWindow>
#include <QPointer>

class LinkLabel;
class QAction;
class QComboBox;
class QLineEdit;
class QPushButton;
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
    void bringOfferToFront(bool fullBrand);

public Q_SLOTS:
    void startReading();
    void returnFromResults();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Controls {
        QLineEdit *firstName;
        QLineEdit *middleName;
        QLineEdit *lastName;
        QComboBox *day;
        QComboBox *month;
        QComboBox *year;
        QPushButton *next;
        QPushButton *exit;
        LinkLabel *banner;
        LinkLabel *coBrandOffer;
        LinkLabel *fullBrandOffer;
        QAction *nextEntry;
        QAction *exitEntry;
        QAction *onlineHelpEntry;
        QAction *visitEntry;
        QAction *updateEntry;
        QAction *aboutEntry;
        QAction *donateEntry;
        QAction *makeMoneyEntry;
    };
    Controls findControls() const;
    void connectControls();
    void fillDateLists();
    void showAbout();

    Controls controls = {};
    QPointer<ResultsWindow> results;
};
