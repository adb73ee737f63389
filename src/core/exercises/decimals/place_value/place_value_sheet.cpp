#include "core/exercises/decimals/place_value/place_value_sheet.h"

#include "core/exercises/decimals/place_value/place_value_exercise.h"

namespace quillo::sheets {

namespace {

using Exercise = PlaceValueExercise;

// The places stand in fixed columns as on screen: hundred-thousands to
// units in columns 0 to 5, the comma in 6, tenths to thousandths in 7 to 9.
// Each number has its row of mark boxes above its digits.
constexpr int kCommaColumn = 6;
constexpr int kRowStep = 3;

int columnOf(int place)
{
    return Exercise::isDecimalPlace(place) ? kCommaColumn + place : kCommaColumn - 1 - (place - Exercise::kUnits);
}

BlockSize size(int)
{
    return {kCommaColumn + 4, kRowStep + 2};
}

ExerciseBlock draw(RandomSource& random, int)
{
    Exercise exercise;
    exercise.newExercise(random);

    ExerciseBlock block;
    for (int number = 0; number < Exercise::kNumbers; ++number) {
        const int marks = kRowStep * number;
        const int digits = marks + 1;
        put(block.given, kCommaColumn, digits, ",", Ink::Given);
        for (int place = 1; place <= Exercise::kPlaces; ++place) {
            const int digit = exercise.digit(number, place);
            if (digit == 0)
                continue;
            put(block.given, columnOf(place), digits, std::string(1, static_cast<char>('0' + digit)), Ink::Given);
            if (exercise.indicated(number, place)) {
                const Rect mark = squares(columnOf(place), marks, 1, 1);
                box(block.given, mark);
                smallText(block.answers, mark, std::string(Exercise::expectedMark(place)), Ink::Answer);
            }
        }
    }
    return block;
}

}  // namespace

const FamilySheet& placeValueSheet()
{
    static const FamilySheet sheet{
        .name = "valore-posizione",
        .title = "Valore di posizione delle cifre",
        .size = size,
        .draw = draw,
    };
    return sheet;
}

}  // namespace quillo::sheets
