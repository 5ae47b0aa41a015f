#pragma once

#include <cstdint>
#include <string>

// A character count for the statistics: above 1024 it is shown in units of 1024 with "K", "M"
// or "G"; a smaller count gets a trailing space instead of a unit. Pad comes first.
std::string SizeToText(std::int32_t value, char pad);
