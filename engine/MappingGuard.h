// Reading a file through a memory mapping raises SIGBUS where the file was cut short after it
// was mapped. A guarded mapping survives that: the signal handler puts zero pages in place of
// the rest of the mapping and marks it damaged, and the reader finds out afterwards.
#pragma once

#include <cstddef>

// Guards [base, base + length) until UnguardMapping. Returns a slot for the calls below, or -1
// when every slot is taken (the mapping then stays unguarded).
int GuardMapping(const void *base, std::size_t length);

// Whether a read of the guarded mapping faulted since it was guarded.
bool MappingDamaged(int slot);

void UnguardMapping(int slot);
