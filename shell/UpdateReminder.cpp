#include "UpdateReminder.h"
#include "WebPages.h"

#include "Branding.h"
#include "Clock.h"
#include "ShowMessage.h"

#include <QSettings>

namespace {
const QString dateFormat = QStringLiteral("yyyy-MM-dd");

QDate storedDate(const QSettings &settings) {
    return QDate::fromString(settings.value(QStringLiteral("Duration")).toString(), dateFormat);
}

bool storeDate(QSettings &settings, QDate date) {
    settings.setValue(QStringLiteral("Duration"), date.toString(dateFormat));
    settings.sync();
    return settings.status() == QSettings::NoError;
}
} // namespace

void CheckUpdateReminder() {
    // The default format is the native one; tests switch it to files in a folder of their own.
    // The program's name serves as both organisation and application, so that no store keeps the
    // date among another organisation's defaults.
    QSettings settings(QSettings::defaultFormat(), QSettings::UserScope, ApplicationName(),
                       ApplicationName());
    settings.beginGroup(QStringLiteral("Settings"));

    const QDate today = Today();
    const QDate last = storedDate(settings);
    // A value that is not a date (hand-edited, or from another format) counts as a first run.
    if (!last.isValid()) {
        storeDate(settings, today);
        return;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return;

    // Today is stored before asking: a store that cannot keep it would otherwise bring the
    // question back at every start, so then the question is not asked at all.
    if (!storeDate(settings, today))
        return;

    const MessageAnswer answer =
        ShowMessage(QStringLiteral("There maybe an update to this software available\r"
                                   "Do you want to check for an update?"),
                    MessageIcon::Information, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        OpenWebPage(WebPage::Download);
}
