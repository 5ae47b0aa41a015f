// What dorix-diff is called with, for --help and a command line it cannot take.
#pragma once

#include <string_view>

// The usage in the command's language.
std::string_view Usage();
