#pragma once

#include "core/sheets/sheet_request.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillo::sheets {

// A sheet as the command line asks for it, in Italian words:
//   quillo --scheda divisione --cifre 4 --esercizi 12 --seme 4711 --soluzioni -o divisioni.pdf
// The family's own choice has the option its sheet names ("--addendi",
// "--moltiplicatore", "--cifre"); an option may also be written --seme=4711.
struct SheetCommand {
    SheetRequest request;
    std::string output;      // "-o FILE": where the caller writes the sheet; empty when not given
    bool overwrite = false;  // "--sovrascrivi": the caller may replace an existing file
};

// What can be wrong with a command line, one message each.
enum class SheetMistake {
    MissingFamily,       // no --scheda
    UnknownFamily,       // --scheda names no family
    UnknownOption,       // an option nobody knows
    OptionNotForFamily,  // another family's choice
    MissingValue,        // an option that wants a value comes last or before another option
    ValueNotWanted,      // --soluzioni=si
    BadChoice,           // --addendi 4
    CountOutOfRange,     // --esercizi outside 1 to 60, or not a number
    SeedNotANumber,      // --seme that is no whole number from 0 to 999999999
    RepeatedOption,      // the same option twice
    UnexpectedArgument,  // a word that belongs to no option
};

struct SheetError {
    SheetMistake mistake;
    std::string message;  // one Italian sentence for the terminal
};

// Reads the arguments that follow the program's name. Without --seme the
// sheet takes `seedIfNone` (a fresh seed: freshSeed()); without --esercizi,
// one page of exercises; without the family's choice, its first value.
std::variant<SheetCommand, SheetError> parseSheetCommand(const std::vector<std::string>& arguments, Seed seedIfNone);

// The family a command-line word names, if any.
std::optional<ExerciseFamily> familyNamed(std::string_view name);

}  // namespace quillo::sheets
