#pragma once
#include <QDialog>
#include <memory>

namespace Ui {
class AboutWindow;
}

// The About window: shown modal, created afresh for each showing, closed by its one button.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

private:
    std::unique_ptr<Ui::AboutWindow> ui;
};
