// The game's twelve sound effects, each a recipe built from the blocks of
// dsp.h, with the length the game expects of it.

#pragma once

#include "dsp.h"

#include <string_view>
#include <vector>

namespace synth {

struct SoundRecipe {
    std::string_view name;    // file name without ".wav", as the game asks for it
    std::string_view purpose; // what the game plays it for
    double minSeconds;        // allowed length of the finished file
    double maxSeconds;
    Samples (*compose)(); // the raw mix, before mastering
    MasterSettings mastering;
};

// All recipes, in file-name order.
[[nodiscard]] const std::vector<SoundRecipe>& soundRecipes();

// nullptr when there is no sound of that name.
[[nodiscard]] const SoundRecipe* findRecipe(std::string_view name);

// The finished sound: composed, then mastered.
[[nodiscard]] Samples render(const SoundRecipe& recipe);

} // namespace synth
