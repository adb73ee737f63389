#include "core/families/family_description.h"

#include <array>

namespace quillo {

const FamilyDescription& describe(ExerciseFamily family)
{
    static constexpr std::array<const FamilyDescription*, kFamilyCount> all = {
#define QUILLO_FAMILY_DESCRIPTION(name) &k##name##Family,
        QUILLO_FOR_EACH_FAMILY(QUILLO_FAMILY_DESCRIPTION)
#undef QUILLO_FAMILY_DESCRIPTION
    };
    return *all.at(slotOf(family));
}

const SectionDescription& describe(Section section)
{
    static constexpr SectionDescription operations{};
    static constexpr SectionDescription fractions{.reportCaption = "Frazioni:",
                                                  .menuButtonCaption = "Menu fraz",
                                                  .menuButtonName = "Menu delle frazioni",
                                                  .menuButtonColour = colour::FractionsMenuButton};
    static constexpr SectionDescription decimals{.reportCaption = "Numeri decimali:",
                                                 .menuButtonCaption = "Menu dec",
                                                 .menuButtonName = "Menu dei numeri decimali",
                                                 .menuButtonColour = colour::DecimalsMenuButton};
    switch (section) {
    case Section::Operations: return operations;
    case Section::Fractions: return fractions;
    case Section::Decimals: return decimals;
    }
    return operations;
}

}  // namespace quillo
