#pragma once

// Loads the music (not started) and the pictures of the stage a beaten boss leads to, by the
// stage index after the advance. Stage 1 and the end of the run load nothing.
void LoadNextStageAssets(int stageIndex);
