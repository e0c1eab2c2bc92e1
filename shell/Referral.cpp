#include "Referral.h"

#include "ShowMessage.h"
#include "Text.h"
#include "WebPages.h"

#include <QUrl>

namespace {
bool isFilledIn(const QString &value, const QString &placeholder) {
    const QString trimmed = TrimBlanks(value);
    return !trimmed.isEmpty() && trimmed != placeholder;
}

// The page decodes each value back to exactly what was typed: "&", "=", "#", "+", "%", line
// breaks and non-ASCII text must not reshape the query.
QString queryValue(const QString &value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

QString ReferralAddress(const Referral &referral) {
    const QString site = WebSiteAddress();
    return site + QStringLiteral("/dazo-vorar-o-zuvara.php") + u'?' + QStringLiteral("taf1=") +
           queryValue(referral.name) + QStringLiteral("&taf2=") + queryValue(referral.email) +
           QStringLiteral("&taf3=") + queryValue(referral.message) + QStringLiteral("&taf4=") +
           queryValue(referral.friendName) + QStringLiteral("&taf5=") +
           queryValue(referral.friendEmail) + QStringLiteral("&taf6=") +
           queryValue(site + QStringLiteral("/di-dadi-dizaruva-vudiro/"));
}

void SubmitReferral(const Referral &referral) {
    const struct {
        const QString &value;
        QString placeholder;
        QString message;
    } checks[] = {
        {referral.name, QStringLiteral("Your Name"), QStringLiteral("Please Enter Your Name")},
        {referral.email, QStringLiteral("Your Email Address"),
         QStringLiteral("Please Enter Your Email")},
        {referral.message, QStringLiteral("Your Message"),
         QStringLiteral("Please Enter Your Message")},
        {referral.friendName, QStringLiteral("Friend's Name"),
         QStringLiteral("Please Enter Your Friend's Name")},
        {referral.friendEmail, QStringLiteral("Friend's Email Address"),
         QStringLiteral("Please Enter Your Friend's Email")},
    };
    for (const auto &check : checks) {
        if (!isFilledIn(check.value, check.placeholder)) {
            ShowMessage(check.message, MessageIcon::Error, MessageButtons::Ok);
            return;
        }
    }
    OpenWebPage(ReferralAddress(referral));
}
