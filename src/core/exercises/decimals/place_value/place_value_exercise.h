#pragma once

#include "core/kit/exercise_protocol.h"

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quillo {

class RandomSource;

// Two decimal numbers in which some digit occurs both in the whole part and
// in the decimal part. Each such digit carries a box where the pupil types
// the mark of its place ("us", "das", ... for the whole part, "d", "c", "m"
// for the decimal part).
//
// Each number has nine places: 1 tenths, 2 hundredths, 3 thousandths, then
// 4 units up to 9 hundred-thousands. Numbers are 0 (first) and 1 (second).
class PlaceValueExercise final : public ExerciseProtocol {
public:
    static constexpr int kNumbers = 2;
    static constexpr int kPlaces = 9;
    static constexpr int kUnits = 4;

    // Mark texts by number and place; index 0 of each row is unused.
    using Marks = std::array<std::array<std::string, kPlaces + 1>, kNumbers>;
    using Marking = std::array<std::array<bool, kPlaces + 1>, kNumbers>;
    // A decimal place and a whole place of one number holding the same digit.
    using Pair = std::pair<int, int>;

    static std::string_view expectedMark(int place);
    static bool isDecimalPlace(int place) { return place >= 1 && place < kUnits; }

    // A whole mark is typed letter by letter: before each key what the box
    // already holds is lowered, so a capital typed last stays as typed.
    static std::string wholeMarkBeforeKey(std::string held);
    // One letter past its mark empties a whole box when the key comes up.
    static bool overflows(int place, std::string_view held);

    // Draws how many decimal and whole digits both numbers have, then the
    // digits, until each number has at least one pair.
    void newExercise(RandomSource& random);

    bool presented() const { return decimalDigits_ > 0; }
    int decimalDigits() const { return decimalDigits_; }
    int wholeDigits() const { return wholeDigits_; }
    // 1..9 at a used place, 0 where the number has no digit.
    int digit(int number, int place) const { return digits_[row(number)][col(place)]; }
    // Whether the place's digit is indicated, that is shows a mark box.
    bool indicated(int number, int place) const;
    std::vector<Pair> pairs(int number) const;
    // The number as the pupil reads it, such as "55,5".
    std::string text(int number) const;
    // The rightmost decimal place of the number that shows a mark box.
    int lastIndicatedDecimal(int number) const;

    // Which indicated boxes differ from their mark. Only the first check of
    // an exercise counts the errors, once per pair a box belongs to.
    Marking check(const Marks& marks);
    int errorCount() const { return checks_.errorCount(); }
    VerdictWord verdict() const { return verdictFor(errorCount()); }
    int grade() const { return usualGrade(verdict()); }
    // "Valutazione", which opens at the first check only: the verdict, red
    // for any error, counted once per exercise.
    std::optional<Evaluation> evaluate() override;

    // A key in the second number's rightmost indicated decimal box opens
    // the check.
    bool opensCheck(int number, int place) const { return number == 1 && place == lastIndicatedDecimal(1); }

    const ButtonCycle& cycle() const override;
    bool canCheck() const override { return presented(); }

    static VerdictWord verdictFor(int errors);

private:
    static std::size_t row(int number) { return static_cast<std::size_t>(number); }
    static std::size_t col(int place) { return static_cast<std::size_t>(place); }
    void drawNumber(RandomSource& random, int number);

    int decimalDigits_ = 0;
    int wholeDigits_ = 0;
    std::array<std::array<int, kPlaces + 1>, kNumbers> digits_{};
};

}  // namespace quillo
