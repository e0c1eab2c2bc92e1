#pragma once
#include <QDialog>

// The About window: shown modal, created afresh for each showing, closed by its one button.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
};
