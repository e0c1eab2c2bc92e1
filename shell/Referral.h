#pragma once
#include <QString>

// The refer-a-friend form's five fields, as the closing window hands them over.
struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// What each box of the form shows while nothing is typed in it; a field still holding its
// placeholder counts as not filled in.
const Referral &ReferralPlaceholders();

// The form's checks of the two e-mail addresses: distinct, each with an "@" and a ".". Returns
// the message of the first that fails, for the window to show, or an empty text.
QString CheckReferralAddresses(const Referral &referral);

// The address of the referral page carrying the five fields and this program's page.
QString ReferralAddress(const Referral &referral);

// Checks each field against its placeholder; on the first failure returns its message, for the
// window to show, else opens the referral page and returns an empty text.
QString SubmitReferral(const Referral &referral);
