#include "core/kit/standard_texts.h"

#include "core/families/family_description.h"

namespace quillo {

Section sectionOf(ExerciseFamily family) { return describe(family).section; }
std::string_view newExerciseTooltip(ExerciseFamily family) { return describe(family).texts.newExerciseTooltip; }
std::string_view checkCaption(ExerciseFamily family) { return describe(family).texts.checkCaption; }
std::string_view checkTooltip(ExerciseFamily family) { return describe(family).texts.checkTooltip; }
std::string_view evaluateTooltip(ExerciseFamily family) { return describe(family).texts.evaluateTooltip; }
std::string_view mainMenuTooltip(ExerciseFamily family) { return describe(family).texts.mainMenuTooltip; }
std::string_view sectionMenuCaption(Section section) { return describe(section).menuButtonCaption; }
std::string_view sectionMenuTooltip(ExerciseFamily family) { return describe(family).texts.sectionMenuTooltip; }
Colour sectionMenuColour(Section section) { return describe(section).menuButtonColour; }
Colour exitColour(ExerciseFamily family) { return describe(family).buttonColours.exit; }
Colour newExerciseColour(ExerciseFamily family) { return describe(family).buttonColours.newExercise; }
Colour checkColour(ExerciseFamily family) { return describe(family).buttonColours.check; }
Colour familyColour(ExerciseFamily family) { return describe(family).cellColour; }
Colour paperColour(ExerciseFamily family) { return describe(family).paperColour; }

}  // namespace quillo
