#pragma once
#include <QList>
#include <QPointer>
#include <QString>
#include <QWidget>

class QKeyEvent;
class QPushButton;

// The closing window: the program's way out. Created on its first showing, then only hidden and
// shown until the program ends; it carries a random promotional text, two links to the maker's
// site and the refer-a-friend form.
class ClosingWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClosingWindow(QWidget *parent = nullptr);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    struct ReferralBox {
        QWidget *box;
        QString placeholder;
    };

    void ConnectControls();
    void WatchReferralBoxes();
    void Form_Load();

    void lblGoToHome_Click();
    void Check1_Click();
    void cmdSubmit_Click();
    void cmdClose_Click();

    void FocusMoved(QWidget *now);
    void ReferralBox_GotFocus(const ReferralBox &box);
    void ReferralBox_LostFocus(const ReferralBox &box);
    bool EmailBox_KeyPress(QWidget *box, const QKeyEvent &event);

    QString BoxText(const char *name) const;

    QList<ReferralBox> referralBoxes;
    QPushButton *Check1 = nullptr;
    QPointer<QWidget> focusedBox;
};
