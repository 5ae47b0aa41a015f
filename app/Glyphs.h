// The 9 by 6 gutter glyphs of the three difference kinds and of moved text, white where the line
// shows through. They are drawn from shapes for the screen's scale factor (devicePixelRatio), so
// that they stay sharp at 1.5 or 2; at 1 they are exactly the classic pixels.
#pragma once

#include <QImage>

QImage MakeGlyphInserted(qreal scale = 1); // a red plus
QImage MakeGlyphDeleted(qreal scale = 1);  // a blue minus
QImage MakeGlyphUpdated(qreal scale = 1);  // two green arrowheads with a grey stroke between them
QImage MakeGlyphMoved(qreal scale = 1);    // an orange arrow: the line holds moved text
