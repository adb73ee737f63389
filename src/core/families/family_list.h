#pragma once

// Every family of exercises, one line each, in the order of the
// scoreboard's slots, of the menus' buttons and of the report card's lines.
// Adding a family is its folders and one line here (see CONTRIBUTING.md):
// the enumeration, the count, the table of descriptions and the screens
// all follow from this list.
#define QUILLO_FOR_EACH_FAMILY(FAMILY) \
    FAMILY(Division)                   \
    FAMILY(Multiplication)             \
    FAMILY(Addition)                   \
    FAMILY(Subtraction)                \
    FAMILY(FractionConcept)            \
    FAMILY(FractionKinds)              \
    FAMILY(DecimalFractions)           \
    FAMILY(FractionComparison)         \
    FAMILY(PlaceValue)                 \
    FAMILY(DecimalComparison)
