#pragma once
// Objects as their creators make them, for the world tests.
#include <memory>

#include "world/hito.h"
#include "world/tama.h"
#include "world/vectord.h"

// A person that stands still (pattern 5 with no velocity or gravity), with
// size s, so radius s·√3.
std::unique_ptr<hito> standing_person(const VECTORD& pos, double life = 100.0, double size = 1.0);

// A bullet at `pos` with the given velocity (5000 is 50 units per tick).
std::unique_ptr<tama> bullet(const VECTORD& pos, const VECTORD& vel);
