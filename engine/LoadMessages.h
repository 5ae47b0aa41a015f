// The words for a file that cannot be read, in the programs' own language (Russian), marked for
// the translation each program shows them through: the window with its toolkit, dorix-diff with
// its table of the same translation. The engine itself stays free of any toolkit.
#pragma once

#include "FileText.h"

// The program's words for a system error code; none for a code it has no words for (the
// system's own text is shown then).
const char *SystemReasonText(int errorNumber);

// "Не удаётся открыть файл %1" or "Не удаётся прочитать файл %1".
const char *LoadFailureTitleText(const TLoadStatus &status);

// Why: the reason for the system's error code, or the program's own words for a failure the
// system did not report; none where only the status's own Reason says it.
const char *LoadFailureReasonText(const TLoadStatus &status);
