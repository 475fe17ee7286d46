#pragma once
// Counts the bytes a program holds on the heap, for the benchmarks' memory
// figures. Linking HeapCounter.cpp into an executable replaces the global
// operator new and delete of that executable (not of a library or a
// program that leaves the file out), so every allocation made through them
// is counted: the figures are the sizes asked for, without the allocator's
// own overhead or the pages it keeps, and they are the same on every run.
#include <cstddef>

namespace gw::heap {

// Bytes allocated through operator new and not yet deleted.
std::size_t liveBytes();
// The largest liveBytes() since the last resetPeak() (or the start).
std::size_t peakBytes();
// Starts a new peak at the current liveBytes().
void resetPeak();

} // namespace gw::heap
