#pragma once
#include <QDialog>

class QPushButton;

// The About window: shown modal, created afresh for each showing, closed by its one button.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void cmdOK_Click();
    void lblCobrand_Click();
    void lblHomePage_Click();

    QPushButton *cmdOK = nullptr;
};
