// Letter case for comparisons that do not tell it apart: Unicode's simple case folding for UTF-8
// text, the lower case of a single-byte code page's letters. The search and the comparison both
// fold with these, so that they agree on what counts as the same letter.
#pragma once

#include "CodePages.h"

#include <cstdint>

// The code point a character folds to: itself when it has no case or is folded already.
char32_t FoldedCodePoint(char32_t c);
