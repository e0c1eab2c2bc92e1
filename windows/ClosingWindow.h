#pragma once
#include "Referral.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <memory>

class QKeyEvent;
namespace Ui {
class ClosingWindow;
}

// The closing window's four promotional texts, index 0 to 3; any other index gives an empty text.
QString PromotionalText(int index);

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

    std::unique_ptr<Ui::ClosingWindow> ui;
    std::array<ReferralBox, 5> referralBoxes = {};
    QPointer<QWidget> focusedBox;
    const ReferralBox *placeholderToClear = nullptr;
    QMetaObject::Connection focusFollowing;
};
