#include "core/exercises/decimals/place_value_exercise.h"

#include "core/kit/random_source.h"

namespace quillo {

std::string_view PlaceValueExercise::expectedMark(int place)
{
    static constexpr std::array<std::string_view, kPlaces + 1> marks = {
        "", "d", "c", "m", "us", "das", "hs", "uk", "dak", "hk"};
    return place >= 1 && place <= kPlaces ? marks[col(place)] : std::string_view{};
}

void PlaceValueExercise::newExercise(RandomSource& random)
{
    decimalDigits_ = random.between(1, 3);
    wholeDigits_ = random.between(1, 6);
    checksDone_ = 0;
    errorCount_ = 0;
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
    const bool counting = ++checksDone_ == 1;
    for (int number = 0; number < kNumbers; ++number) {
        for (const auto& [decimal, whole] : pairs(number)) {
            for (int place : {decimal, whole}) {
                if (marks[row(number)][col(place)] == expectedMark(place))
                    continue;
                wrong[row(number)][col(place)] = true;
                if (counting)
                    ++errorCount_;
            }
        }
    }
    return wrong;
}

VerdictWord PlaceValueExercise::verdictFor(int errors)
{
    if (errors > 2)
        return VerdictWord::NotGood;
    return errors > 0 ? VerdictWord::BeCareful : VerdictWord::AllRight;
}

}  // namespace quillo
