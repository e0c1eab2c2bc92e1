#include "WebPages.h"

#include "BuildConfig.h"

#include <QDesktopServices>
#include <QUrl>

QString WebSiteAddress() {
    return QStringLiteral(ZT_WEB_SITE);
}

QString HelpSiteAddress() {
    return QStringLiteral(ZT_HELP_SITE);
}

void OpenWebPage(const QString &address) {
    // Strict parsing keeps an already percent-encoded address byte for byte and refuses a
    // malformed one instead of guessing what it meant.
    const QUrl url(address, QUrl::StrictMode);
    if (!url.isValid() || url.isRelative())
        return;
    QDesktopServices::openUrl(url);
}

void OpenHomePage() {
    OpenWebPage(WebSiteAddress());
}

void OpenSoftwaresPage() {
    OpenWebPage(WebSiteAddress() + QStringLiteral("/zentarisoftwares"));
}

void OpenDonatePage() {
    OpenWebPage(HelpSiteAddress() + QStringLiteral("/donate.html"));
}

void OpenOnlineHelpPage() {
    OpenWebPage(WebSiteAddress() +
                QStringLiteral("/di-dadi-dizaruva-vudiro/di-dadi-dizaruva-vudiro-help.html"));
}

void OpenCoBrandPage() {
    OpenWebPage(HelpSiteAddress() + QStringLiteral("/co-brand.html"));
}

void OpenFullBrandPage() {
    OpenWebPage(HelpSiteAddress() + QStringLiteral("/fully-branded.html"));
}

void OpenDownloadPage() {
    OpenWebPage(WebSiteAddress() +
                QStringLiteral("/di-dadi-dizaruva-vudiro/download-di-dadi-dizaruva-vudiro.html"));
}
