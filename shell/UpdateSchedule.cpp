#include "UpdateSchedule.h"

#include "Branding.h"
#include "Clock.h"

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

bool UpdateQuestionDue() {
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
        return false;
    }
    const qint64 days = today.daysTo(last);
    if (days >= -14 && days <= 14)
        return false;
    // Today is stored before asking, so a question left open when the program is ended does not
    // come back at the next start.
    return storeDate(settings, today);
}
