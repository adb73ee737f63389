#pragma once

#include "core/families/exercise_family.h"
#include "core/families/family_description.h"

#include <string_view>

namespace quillo {

// The captions, tooltips and colours of the standard buttons, which differ
// from family to family in small ways (a missing blank, a typo) that the
// pupils' screens have always shown.

Section sectionOf(ExerciseFamily family);

std::string_view newExerciseTooltip(ExerciseFamily family);
std::string_view checkCaption(ExerciseFamily family);
std::string_view checkTooltip(ExerciseFamily family);
std::string_view evaluateTooltip(ExerciseFamily family);
std::string_view mainMenuTooltip(ExerciseFamily family);
std::string_view sectionMenuCaption(Section section);
std::string_view sectionMenuTooltip(ExerciseFamily family);
Colour sectionMenuColour(Section section);
Colour exitColour(ExerciseFamily family);
Colour newExerciseColour(ExerciseFamily family);
// "Controllo" and "Valutazione" always share their colour.
Colour checkColour(ExerciseFamily family);

inline constexpr std::string_view kFooter = "vt-pb - Aritmetica V";
inline constexpr std::string_view kCaptionPrefix = "vt-pb - Esercitazione di Aritmetica cl. V - ";

}  // namespace quillo
