#pragma once
// The play scene.
#include "states/state.h"

class Play_State final : public State {};
