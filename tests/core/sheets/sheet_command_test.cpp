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

// Every family's word is listed, in order, in the message for a missing
// family; each gives its family back, spelt exactly so.
TEST(SheetCommand, EachFamilyByItsWordTakesAFreshSeedOnePageAndTheFirstChoice)
{
    EXPECT_EQ(familyNamed("Divisione"), std::nullopt);
    for (ExerciseFamily family : kAllFamilies) {
        const std::string name(familySheet(family).name);
        const SheetRequest request = accepted({"--scheda", name}, 4242).request;
        EXPECT_EQ(request.family, family) << name;
        EXPECT_EQ(request.seed, 4242u) << name;
        EXPECT_EQ(request.choice, 0) << name;
        EXPECT_FALSE(request.withKey);
        // One page, and a full one.
        EXPECT_EQ(makeSheet(request).pages.size(), 1u) << name;
        EXPECT_EQ(makeSheet({family, 0, request.count + 1, 1, false}).pages.size(), 2u) << name;
    }
}

TEST(SheetCommand, EachMistakeHasItsOwnItalianMessage)
{
    using M = SheetMistake;
    const std::string families =
        "divisione, moltiplicazione, addizione, sottrazione, concetto-frazione, "
        "tipi-frazione, frazioni-decimali, confronto-frazioni, valore-posizione o "
        "confronto-decimali";
    const std::string noFamily = "manca la scheda da preparare: --scheda seguito da " + families;
    struct Row {
        Arguments arguments;
        SheetMistake mistake;
        std::string message;
    };
    std::vector<Row> rows{
        {{}, M::MissingFamily, noFamily},
        {{"--seme", "5"}, M::MissingFamily, noFamily},
        {{"--scheda", "frazione"}, M::UnknownFamily, "scheda sconosciuta «frazione»: si può scegliere tra " + families},
        {{"--scheda", "divisione", "--colore", "rosso"}, M::UnknownOption, "opzione sconosciuta «--colore»"},
        {{"--scheda", "addizione", "--cifre", "4"}, M::OptionNotForFamily,
         "l'opzione «--cifre» vale solo per la scheda «divisione», non per «addizione»"},
        {{"--addendi", "2", "--scheda", "valore-posizione"}, M::OptionNotForFamily,
         "l'opzione «--addendi» vale solo per la scheda «addizione», non per «valore-posizione»"},
        {{"--scheda", "divisione", "--seme"}, M::MissingValue, "manca il valore dell'opzione «--seme»"},
        {{"--scheda", "divisione", "--esercizi", "--soluzioni"}, M::MissingValue,
         "manca il valore dell'opzione «--esercizi»"},
        {{"--scheda", "divisione", "-o"}, M::MissingValue, "manca il valore dell'opzione «-o»"},
        {{"--scheda", "divisione", "--soluzioni=si"}, M::ValueNotWanted, "l'opzione «--soluzioni» non vuole un valore"},
        {{"--scheda", "addizione", "--addendi", "4"}, M::BadChoice,
         "«4» non è un valore di «--addendi»: si può scegliere 2 o 3"},
        {{"--scheda", "moltiplicazione", "--moltiplicatore", "P"}, M::BadChoice,
         "«P» non è un valore di «--moltiplicatore»: si può scegliere 2, 3 o zeri"},
        {{"--scheda", "divisione", "--cifre", "7"}, M::BadChoice,
         "«7» non è un valore di «--cifre»: si può scegliere 2, 3, 4, 5 o 6"},
        {{"--scheda", "divisione", "--seme", "1", "--seme=2"}, M::RepeatedOption,
         "l'opzione «--seme» è data più di una volta"},
        {{"--scheda", "divisione", "divisioni.pdf"}, M::UnexpectedArgument, "argomento inatteso «divisioni.pdf»"},
    };
    for (const std::string count : {"0", "61", "dodici", "-3"})
        rows.push_back({{"--scheda", "divisione", "--esercizi", count}, M::CountOutOfRange,
                        "il numero di esercizi va da 1 a 60, non «" + count + "»"});
    for (const std::string seed : {"abc", "-1", "1000000000", "12.5"})
        rows.push_back({{"--scheda", "divisione", "--seme", seed}, M::SeedNotANumber,
                        "il seme è un numero intero da 0 a 999999999, non «" + seed + "»"});
    rows.push_back({{"--scheda", "divisione", "--seme="}, M::SeedNotANumber,
                    "il seme è un numero intero da 0 a 999999999, non «»"});
    for (const Row& row : rows) {
        const auto parsed = parseSheetCommand(row.arguments, 1);
        const auto* error = std::get_if<SheetError>(&parsed);
        ASSERT_NE(error, nullptr) << row.message;
        EXPECT_EQ(error->mistake, row.mistake) << row.message;
        EXPECT_EQ(error->message, row.message);
    }
}

}  // namespace
}  // namespace quillo::sheets
