#include "core/sheets/family_sheet.h"
#include "core/sheets/worksheet.h"
#include "family_checks.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace quillo::sheets {
namespace {

struct Choice {
    ExerciseFamily family;
    int choice;
    std::string name() const { return std::string(familySheet(family).name) + " " + std::to_string(choice); }
};

// Every family with every choice its screen offers.
std::vector<Choice> everyChoice()
{
    std::vector<Choice> all;
    for (ExerciseFamily family : kAllFamilies) {
        const FamilySheet& sheet = familySheet(family);
        for (int choice = 0; choice < (sheet.choice ? static_cast<int>(sheet.choice->values.size()) : 1); ++choice)
            all.push_back({family, choice});
    }
    return all;
}

Sheet sheetOf(const Choice& choice, int count, Seed seed = 4711, bool withKey = true)
{
    return makeSheet({choice.family, choice.choice, count, seed, withKey});
}

// The footer has the last row of the ruling, with a free row above it.
constexpr int kFooterTop = kRuling.top + (kRulingRows - 1) * kSquare;

bool insideSomeExercise(const Page& page, const Rect& rect)
{
    for (const Placement& placement : page.exercises)
        if (placement.area.contains(rect))
            return true;
    return false;
}

TEST(Worksheet, ExercisesFillEachPageInReadingOrderWithoutOverlapOrSplit)
{
    for (const Choice& choice : everyChoice()) {
        SCOPED_TRACE(choice.name());
        const Sheet sheet = sheetOf(choice, kMostExercises);
        const int perPage = exercisesPerPage(choice.family, choice.choice);
        const int pages = (kMostExercises + perPage - 1) / perPage;
        ASSERT_EQ(sheet.pages.size(), static_cast<std::size_t>(2 * pages));

        int next = 1;
        for (int index = 0; index < 2 * pages; ++index) {
            const Page& page = sheet.pages[static_cast<std::size_t>(index)];
            EXPECT_EQ(page.key, index >= pages);
            if (index == pages)
                next = 1;
            const int expected = std::min(perPage, kMostExercises - (index % pages) * perPage);
            ASSERT_EQ(page.exercises.size(), static_cast<std::size_t>(expected));
            const int headerBottom = page.exercises.front().area.top;
            for (std::size_t i = 0; i < page.exercises.size(); ++i) {
                const Placement& placement = page.exercises[i];
                EXPECT_EQ(placement.number, next++);
                EXPECT_TRUE(kRuling.contains(placement.area));
                EXPECT_LE(placement.area.bottom() + kSquare, kFooterTop);
                if (i > 0) {
                    const Rect& before = page.exercises[i - 1].area;
                    EXPECT_TRUE(placement.area.top > before.top ||
                                (placement.area.top == before.top && placement.area.left > before.left))
                        << "reading order";
                }
                for (std::size_t j = 0; j < i; ++j)
                    EXPECT_FALSE(placement.area.overlaps(page.exercises[j].area));
            }
            // A full page has no room for one more exercise of the same size,
            // one free square from its neighbours and from the footer.
            if (expected == perPage) {
                const Rect& last = page.exercises.back().area;
                EXPECT_GT(last.right() + kSquare + last.width, kRuling.right());
                EXPECT_GT(last.bottom() + kSquare + last.height + kSquare, kFooterTop);
            }
            // Everything drawn belongs to an exercise, bar the header's and
            // the footer's texts and the lines to write the name on.
            for (const Glyph& glyph : page.drawing.glyphs)
                EXPECT_TRUE(insideSomeExercise(page, {glyph.corner.x, glyph.corner.y, kSquare, kSquare})) << glyph.text;
            for (const Box& box : page.drawing.boxes)
                EXPECT_TRUE(insideSomeExercise(page, box.rect));
            for (const Rule& rule : page.drawing.rules) {
                const Rect span{std::min(rule.from.x, rule.to.x), std::min(rule.from.y, rule.to.y),
                                std::abs(rule.to.x - rule.from.x), std::abs(rule.to.y - rule.from.y)};
                EXPECT_TRUE(insideSomeExercise(page, span) || (span.bottom() < headerBottom && kRuling.contains(span)));
            }
            for (const Text& text : page.drawing.texts)
                EXPECT_TRUE(insideSomeExercise(page, text.box) || text.box.bottom() <= headerBottom ||
                            text.box.top == kFooterTop)
                    << text.text;
        }
    }
}

// The items of a page that are not answers; counts the answers it leaves out.
template <typename Item, typename IsAnswer>
std::vector<Item> withoutAnswers(const std::vector<Item>& items, IsAnswer isAnswer, int& answers)
{
    std::vector<Item> given;
    for (const Item& item : items)
        if (isAnswer(item))
            ++answers;
        else
            given.push_back(item);
    return given;
}

TEST(Worksheet, KeyIsTheSheetWithTheAnswersWrittenIntoEmptySquaresAndTheSeedMakesTheSheet)
{
    const auto glyphAnswer = [](const Glyph& glyph) { return glyph.ink == Ink::Answer; };
    const auto boxAnswer = [](const Box& box) { return box.fill != Fill::None; };
    const auto textAnswer = [](const Text& text) { return text.ink == Ink::Answer; };
    for (const Choice& choice : everyChoice()) {
        SCOPED_TRACE(choice.name());
        const Sheet sheet = sheetOf(choice, kMostExercises);
        const std::size_t pages = sheet.pages.size() / 2;
        int answers = 0;
        int answersOnSheet = 0;
        for (std::size_t index = 0; index < pages; ++index) {
            const Page& blank = sheet.pages[index];
            const Page& key = sheet.pages[index + pages];
            ASSERT_EQ(blank.exercises, key.exercises);
            for (const Placement& placement : blank.exercises) {
                const reading::ExerciseOnPaper onSheet(blank, placement);
                const reading::ExerciseOnPaper inKey(key, placement);
                EXPECT_EQ(withoutAnswers(inKey.glyphs(), glyphAnswer, answers),
                          withoutAnswers(onSheet.glyphs(), glyphAnswer, answersOnSheet));
                EXPECT_EQ(withoutAnswers(inKey.boxes(), boxAnswer, answers),
                          withoutAnswers(onSheet.boxes(), boxAnswer, answersOnSheet));
                EXPECT_EQ(withoutAnswers(inKey.texts(), textAnswer, answers),
                          withoutAnswers(onSheet.texts(), textAnswer, answersOnSheet));
                for (const Glyph& glyph : inKey.glyphs())
                    for (const Glyph& other : onSheet.glyphs())
                        EXPECT_FALSE(glyphAnswer(glyph) && other.corner == glyph.corner) << "an answer over " << other.text;
            }
        }
        EXPECT_EQ(answersOnSheet, 0);
        EXPECT_GE(answers, kMostExercises);
        // The same request gives the same pages, another seed other exercises,
        // and a shorter sheet of the same seed the same first exercises.
        EXPECT_EQ(sheet, sheetOf(choice, kMostExercises));
        EXPECT_NE(sheet.pages.front().drawing.glyphs, sheetOf(choice, 20, 4712).pages.front().drawing.glyphs);
        const Placement& fifth = sheet.pages.front().exercises.at(4);
        EXPECT_EQ(reading::ExerciseOnPaper(sheetOf(choice, 5, 4711, false).pages.front(), fifth).glyphs(),
                  reading::ExerciseOnPaper(sheet.pages.front(), fifth).glyphs());
    }
}

TEST(Worksheet, EveryAnswerInTheKeyIsTheOneWorkedOutFromTheGivenNumbers)
{
    const auto& rows = checks::families();
    for (const Choice& choice : everyChoice()) {
        const auto check = std::find_if(rows.begin(), rows.end(), [&](const checks::FamilyRow& row) {
                               return row.family == choice.family;
                           })->check;
        for (Seed seed : {1u, 4711u, 999999999u})
            for (const Page& page : sheetOf(choice, kMostExercises, seed).pages)
                for (const Placement& placement : page.key ? page.exercises : std::vector<Placement>{}) {
                    SCOPED_TRACE(choice.name() + " seed " + std::to_string(seed) + " exercise " +
                                 std::to_string(placement.number));
                    check(reading::ExerciseOnPaper(page, placement), choice.choice);
                }
    }
}

// The texts of a page outside its exercises, top to bottom.
std::vector<std::string> framing(const Page& page)
{
    std::vector<std::string> texts;
    for (const Text& text : page.drawing.texts)
        if (!insideSomeExercise(page, text.box))
            texts.push_back(text.text);
    return texts;
}

TEST(Worksheet, HeaderHasTheNameLinesAndTheInstructionFooterTellsHowToPrintItAgain)
{
    const Sheet sheet = makeSheet({ExerciseFamily::Division, 2, 12, 4711, true});
    ASSERT_EQ(sheet.pages.size(), 2u);
    const std::string footer = "Divisioni col divisore di due cifre \u00B7 cifre 4 \u00B7 esercizi 12 \u00B7 seme 4711";
    EXPECT_EQ(framing(sheet.pages[0]),
              (std::vector<std::string>{"Nome", "Classe", "Data", "Esegui la seguente divisione in colonna:", footer,
                                        "pagina 1 di 1"}));
    EXPECT_EQ(framing(sheet.pages[1]),
              (std::vector<std::string>{"Soluzioni", "Esegui la seguente divisione in colonna:", footer,
                                        "Soluzioni \u00B7 pagina 1 di 1"}));

    // Each family's instruction as its screen words it, wrapped on whole
    // words into lines that fit the ruling.
    const std::vector<std::pair<ExerciseFamily, std::string>> instructions{
        {ExerciseFamily::Addition, "Esegui la seguente addizione in colonna"},
        {ExerciseFamily::Subtraction, "Esegui la seguente sottrazione in colonna"},
        {ExerciseFamily::Multiplication, "Esegui la seguente moltiplicazione in colonna:"},
        {ExerciseFamily::FractionConcept,
         "Del seguente intero colora in rosso la parte indicata dalla frazione "
         "data,in blu la rimanenza. Scrivi la frazione complementare."},
        {ExerciseFamily::FractionKinds, "Distingui le seguenti frazioni  ( proprie = p; improprie = i, apparenti = a"},
        {ExerciseFamily::DecimalFractions, "Trasforma le seguenti frazioni decimali in numeri decimali"},
        {ExerciseFamily::FractionComparison, "Confronta le seguenti coppie di frazioni, usando il segno  < , = , >"},
        {ExerciseFamily::PlaceValue,
         "Sistema opportunamente le marche sulle cifre indicate. Usa us, das, hs , uk, "
         "dak, hk per la parte intera; d, c, m per la parte decimale."},
        {ExerciseFamily::DecimalComparison, "Confronta le seguenti coppie di numeri decimali, usando i segni <, =, >"},
    };
    for (const auto& [family, instruction] : instructions) {
        const Page page = makeSheet({family, 0, 1, 1, false}).pages.front();
        const std::vector<std::string> texts = framing(page);
        std::string joined;
        for (std::size_t i = 3; i + 2 < texts.size(); ++i) {
            EXPECT_LE(texts[i].size(), 90u) << texts[i];
            joined += (joined.empty() ? "" : " ") + texts[i];
        }
        EXPECT_EQ(joined, instruction);
    }
}

TEST(Worksheet, RefusesRequestsOutsideTheirRanges)
{
    const std::vector<SheetRequest> refused{
        {ExerciseFamily::Addition, 0, 0, 1, false},    {ExerciseFamily::Addition, 0, kMostExercises + 1, 1, false},
        {ExerciseFamily::Addition, 2, 1, 1, false},    {ExerciseFamily::Division, -1, 1, 1, false},
        {ExerciseFamily::Subtraction, 1, 1, 1, false}, {ExerciseFamily::Addition, 0, 1, kLargestSeed + 1, false},
    };
    for (const SheetRequest& request : refused)
        EXPECT_THROW(makeSheet(request), std::invalid_argument) << request.count << " " << request.choice;
}

TEST(Worksheet, SixtyExercisesWithTheirKeyAreLaidOutInMilliseconds)
{
    for (ExerciseFamily family : kAllFamilies) {
        const auto start = std::chrono::steady_clock::now();
        makeSheet({family, 0, kMostExercises, 4711, true});
        const auto took = std::chrono::steady_clock::now() - start;
        // A few milliseconds in a plain build; the bound leaves room for the
        // sanitizers and a busy machine.
        EXPECT_LT(took, std::chrono::milliseconds(250)) << familySheet(family).name;
    }
}

}  // namespace
}  // namespace quillo::sheets
