#include "core/kit/standard_texts.h"

namespace quillo {

using F = ExerciseFamily;

Section sectionOf(ExerciseFamily family)
{
    switch (family) {
    case F::FractionConcept:
    case F::FractionKinds:
    case F::DecimalFractions:
    case F::FractionComparison: return Section::Fractions;
    case F::PlaceValue:
    case F::DecimalComparison: return Section::Decimals;
    default: return Section::None;
    }
}

std::string_view newExerciseTooltip(ExerciseFamily family)
{
    switch (family) {
    case F::Division: return "Presenta una nuova divisione";
    case F::Multiplication: return "Presenta una nuova moltiplicazione";
    case F::Addition: return "Presenta una nuova addizione";
    case F::Subtraction: return "Presenta una nuova sottrazione";
    case F::FractionKinds: return "Presenta un nuovo gruppo di frazioni";
    case F::DecimalFractions: return "Presenta una nuova serie di frazioni";
    case F::FractionComparison: return "";
    case F::FractionConcept:
    case F::PlaceValue:
    case F::DecimalComparison: return "Presenta una nuova operazione";
    }
    return "";
}

std::string_view checkCaption(ExerciseFamily family)
{
    return family == F::DecimalFractions ? "controllo" : "Controllo";
}

std::string_view checkTooltip(ExerciseFamily family)
{
    switch (family) {
    case F::Division: return "Evidenzia gli eventuali errori. Usare il controllo ad operazione ultimata";
    case F::Multiplication:
    case F::Addition: return "Evidenzia eventuali errori.Usare il controllo ad operazione ultimata";
    case F::FractionComparison: return "";
    default: return "Evidenzia eventuali errori. Usare il controllo ad operazione ultimata";
    }
}

std::string_view evaluateTooltip(ExerciseFamily family)
{
    switch (family) {
    case F::FractionComparison: return "";
    case F::DecimalFractions: return "Valuta,in base al grado di difficoltà, l'operazione eseguita";
    default: return "Valuta, in base al grado di difficoltà, l'operazione eseguita";
    }
}

std::string_view mainMenuTooltip(ExerciseFamily family)
{
    switch (family) {
    case F::FractionComparison: return "";
    case F::Subtraction: return "Apre il meni principale";
    default: return "Apre il menu principale";
    }
}

std::string_view sectionMenuCaption(Section section)
{
    switch (section) {
    case Section::Fractions: return "Menu fraz";
    case Section::Decimals: return "Menu dec";
    case Section::None: break;
    }
    return "";
}

std::string_view sectionMenuTooltip(ExerciseFamily family)
{
    if (family == F::FractionComparison)
        return "";
    switch (sectionOf(family)) {
    case Section::Fractions: return "Apre il menu delle frazioni";
    case Section::Decimals: return "Apre il menu dei numeri decimali";
    case Section::None: break;
    }
    return "";
}

Colour sectionMenuColour(Section section)
{
    return section == Section::Decimals ? colour::DecimalsMenuButton : colour::FractionsMenuButton;
}

Colour exitColour(ExerciseFamily family)
{
    switch (family) {
    case F::Addition:
    case F::Subtraction:
    case F::Multiplication:
    case F::FractionConcept: return colour::Green;
    default: return colour::LightGreen;
    }
}

Colour newExerciseColour(ExerciseFamily family)
{
    switch (family) {
    case F::Division:
    case F::Multiplication: return colour::Green;
    default: return checkColour(family);
    }
}

Colour checkColour(ExerciseFamily family)
{
    switch (family) {
    case F::Addition:
    case F::Subtraction:
    case F::FractionConcept: return colour::Green;
    default: return colour::LightGreen;
    }
}

}  // namespace quillo
