// The five sound effects of the game.
#pragma once

#include "synth.h"

namespace qf::sound {

Buffer ChipsClink();   // chips pushed into the pot
Buffer KnockOnWood();  // a check
Buffer CardSwish();    // a fold
Buffer ButtonClick();  // an action button pressed
Buffer StartJingle();  // the start-up splash

}  // namespace qf::sound
