#pragma once
// The scene objects of the process.
class Play_State;

// The one play scene, which Create_StateInstance registers under PLAY.
Play_State& play_scene();
