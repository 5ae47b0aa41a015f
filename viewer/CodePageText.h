// Bytes of a code page as Qt strings, and the user's typed text back to Windows-1251.
#pragma once

#include "CodePages.h"

#include <QString>

// One UTF-16 unit per byte, for drawing: every byte keeps exactly one cell.
QString DecodeForDisplay(std::string_view bytes, TCodePage page);

// Decodes Windows-1251 text faithfully (for the clipboard).
QString DecodeWindows1251(std::string_view bytes);
// Any code page the same way: control bytes as themselves.
QString DecodeFaithfully(std::string_view bytes, TCodePage page);

std::optional<std::string> EncodeWindows1251(const QString &text);
