#pragma once
#include "WebPages.h"

class LinkLabel;
class QWidget;

// Opens the page whenever the link label is followed, by mouse or by key, and tells a screen
// reader where it leads.
void ConnectWebLink(LinkLabel *label, WebPage page);

// Tells a screen reader where a control that opens the page leads.
void DescribeWebLink(QWidget *control, WebPage page);
