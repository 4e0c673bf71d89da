#pragma once

// The heap objects made when the window is created: scenes, backgrounds, panels.
void CreateGlobalObjects();
