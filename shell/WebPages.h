#pragma once
#include <QString>

// Every page of the maker's sites is opened through OpenWebPage, fire-and-forget: a browser that
// does not open is never reported.
QString WebSiteAddress();  // scheme and host of the maker's web site, no trailing slash
QString HelpSiteAddress(); // scheme and host of the maker's help site, no trailing slash

void OpenWebPage(const QString &address);
void OpenHomePage();
void OpenSoftwaresPage();
void OpenDonatePage();
void OpenOnlineHelpPage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenDownloadPage();
