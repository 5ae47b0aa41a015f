// dorix-diff's language: its texts are Russian in the sources, as the window's are, and English
// under any locale but a Russian one, from the same translation the window is built with.
#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// Marks a text for Qt's translation tools, which gather it into the translation file; the
// command itself has no toolkit.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif

// The language of messages as the environment sets it: LC_ALL, else LC_MESSAGES, else LANG, and
// under any of them but C the first language of LANGUAGE before it. Read once, at the first text.
bool SpeaksRussian();

// A text in the command's language: the Russian itself, or its English form (the Russian where
// the translation has none).
std::string_view Tr(std::string_view russian);

// The text with %1, %2, ... replaced by the values in their order.
std::string Arg(std::string_view text, std::initializer_list<std::string_view> values);
