// Where the help file is: beside the program in a build tree, under share/dorix once installed.
#pragma once

#include <QString>

// The help file for a program in programDir: the first of programDir/dorix.chm and
// programDir/../share/dorix/dorix.chm that exists, else the first (named in the message that it
// cannot be opened).
QString FindHelpFile(const QString &programDir);

// The folder of the help's own HTML pages, for a desktop without a help file viewer: the build's
// help-pages beside the program, or share/dorix/help once installed; empty when neither is
// there.
QString FindHelpPages(const QString &programDir);
