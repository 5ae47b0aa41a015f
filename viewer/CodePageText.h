// Bytes of a code page as Qt strings, and the user's typed text back to Windows-1251.
#pragma once

#include "CodePages.h"

#include <QString>

// One UTF-16 unit per byte, for drawing: every byte keeps exactly one cell.
QString DecodeForDisplay(std::string_view bytes, TCodePage page);

// UTF-8 text one UTF-16 unit per byte, for the hex layout's character pane: a character in the
// cell of its first byte, a dim dot in the cells of its other bytes; what is not a whole
// character of the text given (or lies outside the first plane) is the replacement mark.
QString DecodeUtf8ByBytes(std::string_view bytes);

// Decodes Windows-1251 text faithfully (for the clipboard).
QString DecodeWindows1251(std::string_view bytes);
// Any code page the same way: control bytes as themselves.
QString DecodeFaithfully(std::string_view bytes, TCodePage page);

std::optional<std::string> EncodeWindows1251(const QString &text);
std::optional<std::string> Encode(const QString &text, TCodePage page);
