#pragma once
#include "Referral.h"

#include <QPointer>
#include <QWidget>
#include <array>

class QKeyEvent;
class QLabel;
class QLineEdit;
class QPushButton;

// The closing window: the program's way out. Created on its first showing, then only hidden and
// shown until the program ends; it carries a random promotional text, two links to the maker's
// site and the refer-a-friend form.
class ClosingWindow : public QWidget {
    Q_OBJECT
public:
    explicit ClosingWindow(QWidget *parent = nullptr);
    ~ClosingWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // A box of the refer-a-friend form and the field of the referral it fills.
    struct ReferralBox {
        QWidget *box;
        QString Referral::*field;
    };

    void findControls();
    void connectControls();
    void showPromotionalText();

    void openHomePageFromCheck();
    void referFriend();
    Referral readForm();

    void followFocus(QWidget *now);
    void clearPlaceholder(const ReferralBox &box);
    void clearPlaceholderNow();
    void restorePlaceholder(const ReferralBox &box);
    bool refuseSpaceInEmail(QWidget *box, const QKeyEvent &event);

    QLabel *promotionalText = nullptr;
    QPushButton *homePageCheck = nullptr;
    QLineEdit *emailBox = nullptr;
    QLineEdit *friendEmailBox = nullptr;
    std::array<ReferralBox, 5> referralBoxes = {};
    QPointer<QWidget> focusedBox;
    const ReferralBox *placeholderToClear = nullptr;
    QMetaObject::Connection focusFollowing;
};
