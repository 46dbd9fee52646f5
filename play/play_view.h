#pragma once
// The range around the figures: ground, walls and the scope overlay.

// The scope mask: 40 points (x, y, z), filled by initscope.
extern double scopeVertices[120];

// Draws the checkerboard ground and the two walls, then the scope.
void scene();
// Computes the scope mask's outline once.
void initscope();
// Draws the cross-hair and the mask in eye space, over everything else.
void drawscope();
