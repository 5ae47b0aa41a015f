// The 9 by 6 gutter glyphs of the three difference kinds, white where the line shows through.
#pragma once

#include <QImage>

QImage MakeGlyphInserted(); // a red plus
QImage MakeGlyphDeleted();  // a blue minus
QImage MakeGlyphUpdated();  // two green arrowheads with a grey stroke between them
