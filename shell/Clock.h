#pragma once
#include <QDate>

// Today's local date, as the update reminder sees it. Tests pin it (TestSeams.h).
QDate Today();
