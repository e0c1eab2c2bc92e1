#include "WebLink.h"

#include "LinkLabel.h"

void ConnectWebLink(LinkLabel *label, WebPage page) {
    if (!label)
        return;
    QObject::connect(label, &LinkLabel::clicked, label, [page] { OpenWebPage(page); });
    DescribeWebLink(label, page);
}

void DescribeWebLink(QWidget *control, WebPage page) {
    if (control)
        control->setAccessibleDescription(WebPageDescription(page));
}
