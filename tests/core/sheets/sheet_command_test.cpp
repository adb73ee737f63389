#include "core/sheets/family_sheet.h"
#include "core/sheets/sheet_command.h"
#include "core/sheets/worksheet.h"

#include <gtest/gtest.h>

namespace quillo::sheets {
namespace {

using Arguments = std::vector<std::string>;

SheetCommand accepted(const Arguments& arguments, Seed seedIfNone = 77)
{
    auto parsed = parseSheetCommand(arguments, seedIfNone);
    if (const auto* error = std::get_if<SheetError>(&parsed))
        ADD_FAILURE() << error->message;
    return std::get_if<SheetCommand>(&parsed) ? std::get<SheetCommand>(parsed) : SheetCommand{};
}

TEST(SheetCommand, ReadsTheWholeRequestInItalianWords)
{
    const SheetCommand division = accepted({"--scheda", "divisione", "--cifre", "4", "--esercizi", "12", "--seme",
                                            "4711", "--soluzioni", "-o", "divisioni.pdf"});
    EXPECT_EQ(division.request, (SheetRequest{ExerciseFamily::Division, 2, 12, 4711, true}));
    EXPECT_EQ(division.output, "divisioni.pdf");
    EXPECT_FALSE(division.overwrite);

    const SheetCommand addition =
        accepted({"--addendi=3", "--seme=0", "--esercizi=60", "--scheda=addizione", "--sovrascrivi"});
    EXPECT_EQ(addition.request, (SheetRequest{ExerciseFamily::Addition, 1, 60, 0, false}));
    EXPECT_TRUE(addition.overwrite);

    EXPECT_EQ(accepted({"--scheda", "moltiplicazione", "--moltiplicatore", "zeri"}).request.choice, 2);
    EXPECT_EQ(accepted({"--scheda", "confronto-decimali", "--seme", "999999999"}).request.seed, kLargestSeed);
}

TEST(SheetCommand, WithoutSeedCountOrChoiceTakesAFreshSeedOnePageAndTheFirstChoice)
{
    for (ExerciseFamily family : kAllFamilies) {
        const std::string name(familySheet(family).name);
        const SheetRequest request = accepted({"--scheda", name}, 4242).request;
        EXPECT_EQ(request.seed, 4242u) << name;
        EXPECT_EQ(request.choice, 0) << name;
        EXPECT_FALSE(request.withKey);
        // One page, and a full one.
        EXPECT_EQ(makeSheet(request).pages.size(), 1u) << name;
        SheetRequest more = request;
        ++more.count;
        EXPECT_EQ(makeSheet(more).pages.size(), 2u) << name;
    }
}

TEST(SheetCommand, NamesEveryFamilyInItsOwnWord)
{
    const std::vector<std::pair<std::string, ExerciseFamily>> names{
        {"addizione", ExerciseFamily::Addition},
        {"sottrazione", ExerciseFamily::Subtraction},
        {"moltiplicazione", ExerciseFamily::Multiplication},
        {"divisione", ExerciseFamily::Division},
        {"concetto-frazione", ExerciseFamily::FractionConcept},
        {"tipi-frazione", ExerciseFamily::FractionKinds},
        {"frazioni-decimali", ExerciseFamily::DecimalFractions},
        {"confronto-frazioni", ExerciseFamily::FractionComparison},
        {"valore-posizione", ExerciseFamily::PlaceValue},
        {"confronto-decimali", ExerciseFamily::DecimalComparison},
    };
    for (const auto& [name, family] : names)
        EXPECT_EQ(familyNamed(name), family) << name;
    EXPECT_EQ(familyNamed("Divisione"), std::nullopt);
}

TEST(SheetCommand, EachMistakeHasItsOwnItalianMessage)
{
    const std::string families =
        "divisione, moltiplicazione, addizione, sottrazione, concetto-frazione, "
        "tipi-frazione, frazioni-decimali, confronto-frazioni, valore-posizione o "
        "confronto-decimali";
    struct Row {
        Arguments arguments;
        SheetMistake mistake;
        std::string message;
    };
    const std::vector<Row> rows{
        {{}, SheetMistake::MissingFamily, "manca la scheda da preparare: --scheda seguito da " + families},
        {{"--seme", "5"}, SheetMistake::MissingFamily, "manca la scheda da preparare: --scheda seguito da " + families},
        {{"--scheda", "frazione"},
         SheetMistake::UnknownFamily,
         "scheda sconosciuta «frazione»: si può scegliere tra " + families},
        {{"--scheda", "divisione", "--colore", "rosso"}, SheetMistake::UnknownOption, "opzione sconosciuta «--colore»"},
        {{"--scheda", "addizione", "--cifre", "4"},
         SheetMistake::OptionNotForFamily,
         "l'opzione «--cifre» vale solo per la scheda «divisione», non per «addizione»"},
        {{"--addendi", "2", "--scheda", "valore-posizione"},
         SheetMistake::OptionNotForFamily,
         "l'opzione «--addendi» vale solo per la scheda «addizione», non per «valore-posizione»"},
        {{"--scheda", "divisione", "--seme"}, SheetMistake::MissingValue, "manca il valore dell'opzione «--seme»"},
        {{"--scheda", "divisione", "--esercizi", "--soluzioni"},
         SheetMistake::MissingValue,
         "manca il valore dell'opzione «--esercizi»"},
        {{"--scheda", "divisione", "-o"}, SheetMistake::MissingValue, "manca il valore dell'opzione «-o»"},
        {{"--scheda", "divisione", "--soluzioni=si"},
         SheetMistake::ValueNotWanted,
         "l'opzione «--soluzioni» non vuole un valore"},
        {{"--scheda", "addizione", "--addendi", "4"},
         SheetMistake::BadChoice,
         "«4» non è un valore di «--addendi»: si può scegliere 2 o 3"},
        {{"--scheda", "moltiplicazione", "--moltiplicatore", "P"},
         SheetMistake::BadChoice,
         "«P» non è un valore di «--moltiplicatore»: si può scegliere 2, 3 o zeri"},
        {{"--scheda", "divisione", "--cifre", "7"},
         SheetMistake::BadChoice,
         "«7» non è un valore di «--cifre»: si può scegliere 2, 3, 4, 5 o 6"},
        {{"--scheda", "divisione", "--esercizi", "0"},
         SheetMistake::CountOutOfRange,
         "il numero di esercizi va da 1 a 60, non «0»"},
        {{"--scheda", "divisione", "--esercizi", "61"},
         SheetMistake::CountOutOfRange,
         "il numero di esercizi va da 1 a 60, non «61»"},
        {{"--scheda", "divisione", "--esercizi", "dodici"},
         SheetMistake::CountOutOfRange,
         "il numero di esercizi va da 1 a 60, non «dodici»"},
        {{"--scheda", "divisione", "--esercizi", "-3"},
         SheetMistake::CountOutOfRange,
         "il numero di esercizi va da 1 a 60, non «-3»"},
        {{"--scheda", "divisione", "--seme", "abc"},
         SheetMistake::SeedNotANumber,
         "il seme è un numero intero da 0 a 999999999, non «abc»"},
        {{"--scheda", "divisione", "--seme", "-1"},
         SheetMistake::SeedNotANumber,
         "il seme è un numero intero da 0 a 999999999, non «-1»"},
        {{"--scheda", "divisione", "--seme", "1000000000"},
         SheetMistake::SeedNotANumber,
         "il seme è un numero intero da 0 a 999999999, non «1000000000»"},
        {{"--scheda", "divisione", "--seme", "12.5"},
         SheetMistake::SeedNotANumber,
         "il seme è un numero intero da 0 a 999999999, non «12.5»"},
        {{"--scheda", "divisione", "--seme="},
         SheetMistake::SeedNotANumber,
         "il seme è un numero intero da 0 a 999999999, non «»"},
        {{"--scheda", "divisione", "--seme", "1", "--seme=2"},
         SheetMistake::RepeatedOption,
         "l'opzione «--seme» è data più di una volta"},
        {{"--scheda", "divisione", "divisioni.pdf"},
         SheetMistake::UnexpectedArgument,
         "argomento inatteso «divisioni.pdf»"},
    };
    for (const Row& row : rows) {
        std::string typed;
        for (const std::string& argument : row.arguments)
            typed += argument + " ";
        const auto parsed = parseSheetCommand(row.arguments, 1);
        const auto* error = std::get_if<SheetError>(&parsed);
        ASSERT_NE(error, nullptr) << typed;
        EXPECT_EQ(error->mistake, row.mistake) << typed;
        EXPECT_EQ(error->message, row.message) << typed;
    }
}

}  // namespace
}  // namespace quillo::sheets
