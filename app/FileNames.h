// File names are bytes; the window shows them as text. Names that are not valid UTF-8 keep their
// bytes: each byte that does not decode stands for itself as a code point U+DC80..U+DCFF (which
// no valid text contains), so that turning the text back gives the very same bytes.
#pragma once

#include <QByteArray>
#include <QString>

QString DecodeFileName(const QByteArray &bytes);
QByteArray EncodeFileName(const QString &name);
