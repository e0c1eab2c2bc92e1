#pragma once
#include "BuildConfig.h"

#include <QString>

// Names the program shows about itself. Message boxes carry the program's title; every window's
// title bar carries the reading's name and version instead.
inline QString ProgramTitle() {
    return QStringLiteral("ZT Phasewise");
}
inline QString WindowCaption() {
    return QStringLiteral(ZT_WINDOW_CAPTION);
}
inline QString ApplicationName() {
    return QStringLiteral("DIDadiDizaruvaVudiro");
}
// The program icon as drawn for 32 pixels, its size at 100 %; ProgramIcon() has every size.
inline QString ProgramIconPath() {
    return QStringLiteral(":/icon-32.png");
}
