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

namespace {
// Each page: on which site, its path there, and what a link to it says it opens; in the order of
// the WebPage enumeration.
struct PageRow {
    bool onHelpSite;
    const char *path;
    const char *description;
};
constexpr PageRow Pages[] = {
    {false, "", "the home page"},
    {false, "/zentarisoftwares", "the page of the maker's other programs"},
    {true, "/donate.html", "the donation page"},
    {false, "/di-dadi-dizaruva-vudiro/di-dadi-dizaruva-vudiro-help.html", "the online help"},
    {true, "/co-brand.html", "the co-branding page"},
    {true, "/fully-branded.html", "the page of the fully branded edition"},
    {false, "/di-dadi-dizaruva-vudiro/download-di-dadi-dizaruva-vudiro.html", "the download page"},
};

const PageRow &Row(WebPage page) {
    return Pages[static_cast<int>(page)];
}
} // namespace

QString WebPageAddress(WebPage page) {
    const PageRow &row = Row(page);
    return (row.onHelpSite ? HelpSiteAddress() : WebSiteAddress()) + QLatin1String(row.path);
}

QString WebPageDescription(WebPage page) {
    return QStringLiteral("Opens %1 at %2")
        .arg(QLatin1String(Row(page).description), WebPageAddress(page));
}

void OpenWebPage(WebPage page) {
    OpenWebPage(WebPageAddress(page));
}
