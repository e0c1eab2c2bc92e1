#pragma once
#include <QWidget>

class frmNagScreen2 : public QWidget {
    Q_OBJECT
public:
    explicit frmNagScreen2(QWidget *parent = nullptr);
};
