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

QString WebPageAddress(WebPage page) {
    switch (page) {
    case WebPage::Home:
        return WebSiteAddress();
    case WebPage::Softwares:
        return WebSiteAddress() + QStringLiteral("/zentarisoftwares");
    case WebPage::Donate:
        return HelpSiteAddress() + QStringLiteral("/donate.html");
    case WebPage::OnlineHelp:
        return WebSiteAddress() +
               QStringLiteral("/di-dadi-dizaruva-vudiro/di-dadi-dizaruva-vudiro-help.html");
    case WebPage::CoBrand:
        return HelpSiteAddress() + QStringLiteral("/co-brand.html");
    case WebPage::FullBrand:
        return HelpSiteAddress() + QStringLiteral("/fully-branded.html");
    case WebPage::Download:
        return WebSiteAddress() +
               QStringLiteral("/di-dadi-dizaruva-vudiro/download-di-dadi-dizaruva-vudiro.html");
    }
    return {};
}

QString WebPageDescription(WebPage page) {
    const char *what = "";
    switch (page) {
    case WebPage::Home:
        what = "the home page";
        break;
    case WebPage::Softwares:
        what = "the page of the maker's other programs";
        break;
    case WebPage::Donate:
        what = "the donation page";
        break;
    case WebPage::OnlineHelp:
        what = "the online help";
        break;
    case WebPage::CoBrand:
        what = "the co-branding page";
        break;
    case WebPage::FullBrand:
        what = "the page of the fully branded edition";
        break;
    case WebPage::Download:
        what = "the download page";
        break;
    }
    return QStringLiteral("Opens %1 at %2").arg(QLatin1String(what), WebPageAddress(page));
}

void OpenWebPage(WebPage page) {
    OpenWebPage(WebPageAddress(page));
}

void OpenHomePage() {
    OpenWebPage(WebPage::Home);
}

void OpenSoftwaresPage() {
    OpenWebPage(WebPage::Softwares);
}

void OpenDonatePage() {
    OpenWebPage(WebPage::Donate);
}

void OpenOnlineHelpPage() {
    OpenWebPage(WebPage::OnlineHelp);
}

void OpenCoBrandPage() {
    OpenWebPage(WebPage::CoBrand);
}

void OpenFullBrandPage() {
    OpenWebPage(WebPage::FullBrand);
}

void OpenDownloadPage() {
    OpenWebPage(WebPage::Download);
}
