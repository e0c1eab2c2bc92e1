#include "UpdateReminder.h"

#include "ShowMessage.h"
#include "UpdateSchedule.h"
#include "WebPages.h"

void CheckUpdateReminder() {
    if (!UpdateQuestionDue())
        return;
    const MessageAnswer answer =
        ShowMessage(QStringLiteral("There maybe an update to this software available\r"
                                   "Do you want to check for an update?"),
                    MessageIcon::Information, MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes)
        OpenWebPage(WebPage::Download);
}
