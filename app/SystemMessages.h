// The platform's failure messages in the program's language: what failed, and the system's
// reason, which the common codes have in the program's own translation (the C library gives
// its texts only in languages whose locale is installed).
#pragma once

#include "FileText.h"

#include <QString>

#include <string>

// The reason for a system error code; the system's own words (fallback) for a code the program
// has no words for.
QString SystemReason(int errorNumber, const std::string &fallback);

// "Cannot open file NAME" or "Cannot read file NAME", in the program's language.
QString LoadFailureTitle(const QString &name, const TLoadStatus &status);
// Why: the system's reason, or the program's own for a failure the system did not report.
QString LoadFailureReason(const TLoadStatus &status);

QString OutOfMemoryText();
