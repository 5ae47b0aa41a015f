// A name as it can be shown on one line: valid UTF-8 as it is, a backslash doubled, a control
// character as \n, \t, \r or \xHH, and a byte that is not UTF-8 as \xHH.
#pragma once

#include <string>
#include <string_view>

std::string EscapedName(std::string_view name);
