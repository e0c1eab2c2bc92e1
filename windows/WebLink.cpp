#include "WebLink.h"

#include "LinkLabel.h"

void ConnectWebLink(LinkLabel *label, WebPage page) {
    QObject::connect(label, &LinkLabel::clicked, label, [page] { OpenWebPage(page); });
    DescribeWebLink(label, page);
}

void DescribeWebLink(QWidget *control, WebPage page) {
    control->setAccessibleDescription(WebPageDescription(page));
}
