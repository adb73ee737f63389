#pragma once

#include "core/families/exercise_family.h"
#include "core/kit/colours.h"

#include <string_view>

namespace quillo::sheets {
struct FamilySheet;
}

namespace quillo {

// How the program signs its pages, under the paper.
inline constexpr std::string_view kFooter = "vt-pb - Aritmetica V";

// The group a family belongs to: its menu, its line on the report card and
// the section-menu button of its screen.
enum class Section { Operations, Fractions, Decimals };

// What every screen, menu and report shows of a family, stated once in the
// family's own folder. Each text stands to the letter as the pupil reads
// it, blanks and spelling included, so none is built from another.
struct FamilyDescription {
    // The window's caption and the instruction across the top of the page.
    std::string_view caption;
    std::string_view instruction;
    // A line under the instruction, where a family keys its answers.
    std::string_view legend;
    Section section = Section::Operations;
    // The family's button on its menu and the words beside it.
    struct {
        std::string_view caption;
        std::string_view description;
        Colour colour = colour::White;
    } menu;
    // The report card's caption of an operation's own line; the families of
    // a group share their section's line.
    std::string_view reportCaption;
    // The cells' background while the pupil types, and the paper under them.
    Colour cellColour = colour::LightCyan;
    Colour paperColour = colour::White;
    struct {
        Colour newExercise = colour::LightGreen;
        // "Controllo" and "Valutazione" always share their colour.
        Colour check = colour::LightGreen;
        Colour exit = colour::LightGreen;
    } buttonColours;
    struct {
        std::string_view newExerciseTooltip;
        std::string_view checkCaption = "Controllo";
        std::string_view checkTooltip = "Evidenzia eventuali errori. Usare il controllo ad operazione ultimata";
        std::string_view evaluateTooltip = "Valuta, in base al grado di difficoltà, l'operazione eseguita";
        std::string_view mainMenuTooltip = "Apre il menu principale";
        std::string_view sectionMenuTooltip;
    } texts;
    std::string_view footer = kFooter;
    // How its worksheets are made.
    const sheets::FamilySheet& (*sheet)() = nullptr;
};

// What a section shows of itself.
struct SectionDescription {
    // The report card's line of a group; empty for the operations, which
    // have a line each.
    std::string_view reportCaption;
    // The button of an exercise screen that leads back to its section's
    // menu, and what a screen reader says of it.
    std::string_view menuButtonCaption;
    std::string_view menuButtonName;
    Colour menuButtonColour = colour::White;
};

const FamilyDescription& describe(ExerciseFamily family);
const SectionDescription& describe(Section section);

// Each family's description, defined in its own folder.
#define QUILLO_DECLARE_FAMILY_DESCRIPTION(name) extern const FamilyDescription k##name##Family;
QUILLO_FOR_EACH_FAMILY(QUILLO_DECLARE_FAMILY_DESCRIPTION)
#undef QUILLO_DECLARE_FAMILY_DESCRIPTION

}  // namespace quillo
