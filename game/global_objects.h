#pragma once

// The heap objects made when the window is created, in their fixed order: the title and
// continue pictures, the backgrounds, the panels, the score keeper, the enemy-bullet sheets,
// the missile pictures and the scene objects. The logo scene is made current. It starts from
// the program-start state and replaces the objects of an earlier creation.
void CreateGlobalObjects();

// The rest, made on the logo's 100th frame: the full-screen program's display switch and its
// deferred pictures, the replay recorder's reset, the boss pictures, the stage scripts and the
// bosses, then the new-game reset.
void LoadGameObjects();
