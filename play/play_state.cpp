#include "play/play_state.h"
