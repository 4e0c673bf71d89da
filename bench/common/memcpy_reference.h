#pragma once

// The yardstick the frame and present benchmarks report their x_memcpy counter against: one
// 640x480 frame's memcpy (Memcpy_Frame's work), timed in the same process right when asked.
// Both sides are timed on this thread's CPU clock, so a machine busy with other work stretches
// neither side of the ratio.

// This thread's CPU time in seconds.
double ThreadSeconds();
// The median of many memcpys of one 640x480 frame, in thread CPU seconds.
double MemcpyFrameSeconds();
