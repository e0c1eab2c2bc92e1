#pragma once
#include <QString>

struct Referral {
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;
};

// The address of the referral page carrying the five fields and this program's page.
QString ReferralAddress(const Referral &referral);
// Checks each field against its placeholder; on the first failure shows its message, else opens
// the referral page.
void SubmitReferral(const Referral &referral);
