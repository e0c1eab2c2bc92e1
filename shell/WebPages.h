#pragma once
#include <QString>

// Every page of the maker's sites is opened through OpenWebPage, fire-and-forget: a browser that
// does not open is never reported.
QString WebSiteAddress();  // scheme and host of the maker's web site, no trailing slash
QString HelpSiteAddress(); // scheme and host of the maker's help site, no trailing slash

void OpenWebPage(const QString &address);

// The pages the menu entries and links open, by name, so that a link can say where it leads.
enum class WebPage { Home, Softwares, Donate, OnlineHelp, CoBrand, FullBrand, Download };
QString WebPageAddress(WebPage page);
// What a screen reader says a link to the page does, "Opens the co-branding page at http://...".
QString WebPageDescription(WebPage page);
void OpenWebPage(WebPage page);
