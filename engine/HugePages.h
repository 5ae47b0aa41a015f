// Large fresh allocations backed by 2 MB pages. The first touch of every 4 KB page of a fresh
// allocation costs a fault; on a virtual machine that costs more than clearing the page, and a
// gigabyte of file text or display lines takes a quarter of a million of them.
#pragma once

#include <cstddef>

// Asks the system to back the whole 2 MB pages inside [data, data + bytes) with huge pages when
// they are first touched. Does nothing below a few megabytes, or where the system says no.
void AdviseHugePages(const void *data, std::size_t bytes);
