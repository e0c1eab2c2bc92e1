#include "frmNagScreen2.h"
frmNagScreen2::frmNagScreen2(QWidget *parent) : QWidget(parent) {}
