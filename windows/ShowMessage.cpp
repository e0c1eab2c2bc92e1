#include "ShowMessage.h"

MessageAnswer ShowMessage(const QString &, MessageIcon, MessageButtons) { return MessageAnswer::Ok; }
