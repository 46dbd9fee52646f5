#pragma once
// Angles are kept in degrees and turned into radians only where a sine or
// cosine is taken. The eight-decimal pi is part of the game's feel: aims and
// launch arcs are computed with it, not with the exact constant.

inline double rad(double kakudo) { return kakudo * 3.14159265 / 180.0; }
