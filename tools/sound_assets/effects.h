#pragma once
// The game's sound effects, synthesised: each a mono signal in [-1, 1],
// under a second long, peaking just below full scale.
#include <vector>

namespace assets {

std::vector<float> rifle_shot(int rate);      // "shot.wav": a sharp rifle crack
std::vector<float> empty_click(int rate);     // "kara.wav": a dry click, no round
std::vector<float> bright_hit(int rate);      // "ata.wav": a bright hit
std::vector<float> escape_tone(int rate);     // "cap.wav": a falling tone, a figure got away
std::vector<float> bonus_arpeggio(int rate);  // "life.wav": a rising arpeggio, lives added

}  // namespace assets
