#include "ClickLabel.h"
void ClickLabel::mouseReleaseEvent(QMouseEvent *event) { QLabel::mouseReleaseEvent(event); }
