#pragma once
#include <QString>

// Every page of the maker's sites is opened through OpenWebPage, fire-and-forget: a browser that
// does not open is never reported.
QString WebSiteAddress();  // "http://" + web host, no trailing slash
QString HelpSiteAddress(); // "http://" + help host, no trailing slash

void OpenWebPage(const QString &address);
void OpenHomePage();
void OpenSoftwaresPage();
void OpenDonatePage();
void OpenOnlineHelpPage();
void OpenCoBrandPage();
void OpenFullBrandPage();
void OpenDownloadPage();
