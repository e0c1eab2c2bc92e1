#include "Referral.h"

#include "Blanks.h"
#include "WebPages.h"

#include <QUrl>

namespace {
bool IsFilledIn(const QString &value, const QString &placeholder) {
    const QString trimmed = pinnacle::TrimBlanks(value);
    return !trimmed.isEmpty() && trimmed != placeholder;
}

// The page decodes each value back to exactly what was typed: "&", "=", "#", "+", "%", line
// breaks and non-ASCII text must not reshape the query.
QString QueryValue(const QString &value) {
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

const Referral &ReferralPlaceholders() {
    static const Referral placeholders{
        QStringLiteral("Your Name"),
        QStringLiteral("Your Email Address"),
        QStringLiteral("Your Message"),
        QStringLiteral("Friend's Name"),
        QStringLiteral("Friend's Email Address"),
    };
    return placeholders;
}

QString CheckReferralAddresses(const Referral &referral) {
    if (referral.email == referral.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    if (!referral.email.contains(u'@') || !referral.friendEmail.contains(u'@'))
        return QStringLiteral("Please Enter Proper Email Address");
    if (!referral.email.contains(u'.') || !referral.friendEmail.contains(u'.'))
        return QStringLiteral("Please Enter Proper Email Address");
    return {};
}

QString ReferralAddress(const Referral &referral) {
    const QString site = WebSiteAddress();
    return site + QStringLiteral("/dazo-vorar-o-zuvara.php") + u'?' + QStringLiteral("taf1=") +
           QueryValue(referral.name) + QStringLiteral("&taf2=") + QueryValue(referral.email) +
           QStringLiteral("&taf3=") + QueryValue(referral.message) + QStringLiteral("&taf4=") +
           QueryValue(referral.friendName) + QStringLiteral("&taf5=") +
           QueryValue(referral.friendEmail) + QStringLiteral("&taf6=") +
           QueryValue(site + QStringLiteral("/di-dadi-dizaruva-vudiro/"));
}

QString SubmitReferral(const Referral &referral) {
    const Referral &placeholders = ReferralPlaceholders();
    const struct {
        QString Referral::*field;
        QString message;
    } checks[] = {
        {&Referral::name, QStringLiteral("Please Enter Your Name")},
        {&Referral::email, QStringLiteral("Please Enter Your Email")},
        {&Referral::message, QStringLiteral("Please Enter Your Message")},
        {&Referral::friendName, QStringLiteral("Please Enter Your Friend's Name")},
        {&Referral::friendEmail, QStringLiteral("Please Enter Your Friend's Email")},
    };
    for (const auto &check : checks) {
        if (!IsFilledIn(referral.*check.field, placeholders.*check.field))
            return check.message;
    }
    OpenWebPage(ReferralAddress(referral));
    return {};
}
