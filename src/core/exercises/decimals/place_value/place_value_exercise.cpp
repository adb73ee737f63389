#include "core/exercises/decimals/place_value/place_value_exercise.h"

#include "core/kit/random_source.h"

#include <algorithm>

namespace quillo {

namespace {
// Cell texts are UTF-8: a box's room is counted in characters, not bytes.
std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(
        std::count_if(text.begin(), text.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
}  // namespace

std::string_view PlaceValueExercise::expectedMark(int place)
{
    static constexpr std::array<std::string_view, kPlaces + 1> marks = {
        "", "d", "c", "m", "us", "das", "hs", "uk", "dak", "hk"};
    return place >= 1 && place <= kPlaces ? marks[col(place)] : std::string_view{};
}

std::string PlaceValueExercise::wholeMarkBeforeKey(std::string held)
{
    // A capital with an accent is two bytes in UTF-8, its small letter 0x20
    // above it in the second byte (U+00C0 to U+00DE, bar the multiplication
    // sign): the letters an Italian keyboard types.
    for (std::size_t i = 0; i < held.size(); ++i) {
        const auto byte = static_cast<unsigned char>(held[i]);
        if (byte >= 'A' && byte <= 'Z') {
            held[i] = static_cast<char>(byte + ('a' - 'A'));
        } else if (byte == 0xC3 && i + 1 < held.size()) {
            const auto next = static_cast<unsigned char>(held[i + 1]);
            if (next >= 0x80 && next <= 0x9E && next != 0x97)
                held[i + 1] = static_cast<char>(next + 0x20);
            ++i;
        }
    }
    return held;
}

bool PlaceValueExercise::overflows(int place, std::string_view held)
{
    return !isDecimalPlace(place) && characterCount(held) > expectedMark(place).size();
}

void PlaceValueExercise::newExercise(RandomSource& random)
{
    decimalDigits_ = random.between(1, 3);
    wholeDigits_ = random.between(1, 6);
    checks_.reset();
    // Both numbers are drawn again until the second has a pair too; the
    // first is redrawn on its own until it has one.
    do {
        do
            drawNumber(random, 0);
        while (pairs(0).empty());
        drawNumber(random, 1);
    } while (pairs(1).empty());
}

void PlaceValueExercise::drawNumber(RandomSource& random, int number)
{
    auto& digits = digits_[row(number)];
    digits = {};
    for (int place = 1; place <= decimalDigits_; ++place)
        digits[col(place)] = random.between(1, 9);
    for (int place = kUnits; place < kUnits + wholeDigits_; ++place)
        digits[col(place)] = random.between(1, 9);
}

std::vector<PlaceValueExercise::Pair> PlaceValueExercise::pairs(int number) const
{
    std::vector<Pair> found;
    for (int decimal = 1; decimal <= decimalDigits_; ++decimal)
        for (int whole = kUnits; whole < kUnits + wholeDigits_; ++whole)
            if (digit(number, decimal) == digit(number, whole))
                found.emplace_back(decimal, whole);
    return found;
}

bool PlaceValueExercise::indicated(int number, int place) const
{
    for (const auto& [decimal, whole] : pairs(number))
        if (place == decimal || place == whole)
            return true;
    return false;
}

std::string PlaceValueExercise::text(int number) const
{
    std::string text;
    for (int place = kUnits + wholeDigits_ - 1; place >= kUnits; --place)
        text += static_cast<char>('0' + digit(number, place));
    text += ',';
    for (int place = 1; place <= decimalDigits_; ++place)
        text += static_cast<char>('0' + digit(number, place));
    return text;
}

int PlaceValueExercise::lastIndicatedDecimal(int number) const
{
    for (int place = kUnits - 1; place >= 1; --place)
        if (indicated(number, place))
            return place;
    return 0;
}

PlaceValueExercise::Marking PlaceValueExercise::check(const Marks& marks)
{
    Marking wrong{};
    int errors = 0;
    for (int number = 0; number < kNumbers; ++number) {
        for (const auto& [decimal, whole] : pairs(number)) {
            for (int place : {decimal, whole}) {
                if (marks[row(number)][col(place)] == expectedMark(place))
                    continue;
                wrong[row(number)][col(place)] = true;
                ++errors;
            }
        }
    }
    checks_.noteCheck(errors);
    return wrong;
}

const ButtonCycle& PlaceValueExercise::cycle() const
{
    static const ButtonCycle cycle{
        .opened = {.newExercise = true, .check = false, .evaluate = false, .answers = false},
        .presented = {.newExercise = false, .check = false, .answers = true},
        .evaluateOpens = EvaluateOpens::AtFirstCheck,
        .locksAnswersAtFirstCheck = true,
        .evaluated = {.newExercise = true, .check = true, .evaluate = false, .answers = true},
    };
    return cycle;
}

std::optional<Evaluation> PlaceValueExercise::evaluate()
{
    return Evaluation{.verdict = verdict(), .negative = errorCount() > 0, .counts = true, .grade = grade()};
}

VerdictWord PlaceValueExercise::verdictFor(int errors)
{
    if (errors > 2)
        return VerdictWord::NotGood;
    return errors > 0 ? VerdictWord::BeCareful : VerdictWord::AllRight;
}

}  // namespace quillo
