#pragma once
// Full screen and back, through the toolkit's own calls, in every scene.

// Switches between full screen and the window as it was.
void toggle_fullscreen();
