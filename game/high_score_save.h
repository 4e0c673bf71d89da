#pragma once

#include <cstdint>

// Saves the high-score table and, for a run that entered table row `row` (0..4), its replay
// into that row's slot with the slots below moved down one; any other row saves the table
// alone. The table is written to its temporary file first and replaces "init.bin" only once
// the slots have moved, and the slots move back when it cannot, so every row keeps its own
// replay whatever fails. After a failure the table in memory is read back from "init.bin", as
// that is what the slots still belong to. True when the table was saved.
bool SaveHighScores(int32_t row);
