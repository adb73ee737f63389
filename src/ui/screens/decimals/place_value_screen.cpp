#include "ui/screens/decimals/place_value_screen.h"

#include "ui/kit/family_screens.h"
#include "ui/screens/decimals/decimals_layout.h"
#include "ui/kit/digit_cell.h"
#include "ui/kit/verdict_box.h"

namespace quillo {

namespace {
using Exercise = PlaceValueExercise;

constexpr int kMarkHeight = 408;
constexpr int kCommaX = 5040;
// Per number: the top of its mark boxes and of its digits.
constexpr std::array<int, Exercise::kNumbers> kMarkY = {1884, 3684};
constexpr std::array<int, Exercise::kNumbers> kDigitY = {2280, 4080};

// Units stand left of the comma and the higher places further left; tenths
// stand right of it.
int placeX(int place)
{
    return Exercise::isDecimalPlace(place) ? kCommaX + kSquare * place
                                           : kCommaX - kSquare * (place - Exercise::kUnits + 1);
}

// What each place is called, for screen readers.
constexpr std::array<std::string_view, Exercise::kPlaces + 1> kPlaceNames = {
    "", "dei decimi", "dei centesimi", "dei millesimi", "delle unità", "delle decine", "delle centinaia",
    "delle unità di migliaia", "delle decine di migliaia", "delle centinaia di migliaia"};

// Left to right as the pupil reads: hundred-thousands down to thousandths.
constexpr std::array<int, Exercise::kPlaces> kReadingOrder = {9, 8, 7, 6, 5, 4, 1, 2, 3};

// A digit's or a mark's name, its place counted as the exercise counts it:
// 1 to 3 the decimals, 4 the units and upwards.
QString placeName(int number, const QString& what, int place)
{
    return QStringLiteral("number%1%2%3").arg(number + 1).arg(what).arg(place);
}

std::size_t at(int index)
{
    return static_cast<std::size_t>(index);
}

ExerciseLayout layout()
{
    ExerciseLayout look = decimalsLayout();
    // The instruction is long: its two lines stand on the paper's first
    // squares, above the numbers; across the paper's top edge that edge
    // would cut them.
    look.instructionPlace = {240, 480, 9000, 840};
    look.instructionWraps = true;
    return look;
}
}  // namespace

PlaceValueScreen::PlaceValueScreen(Services& services) : FamilyScreen(services, ExerciseFamily::PlaceValue, layout()) {}

Colour PlaceValueScreen::markColour(int place)
{
    static constexpr std::array<Colour, Exercise::kPlaces + 1> colours = {
        colour::Black, 0xC0C0FF, 0x80FF80, 0xC0FFFF, 0xFF0000, 0x0000FF, 0x00C000, 0xFF8080, 0x8080FF, 0x00FF00};
    return colours[at(place)];
}

void PlaceValueScreen::build(Page&)
{
    for (int number = 0; number < Exercise::kNumbers; ++number) {
        for (int place : kReadingOrder) {
            digits_[at(number)][at(place)] =
                addDigitLabel(placeName(number, QStringLiteral("Digit"), place), cellAt(placeX(place), kDigitY[at(number)]));
        }
        auto* comma = addLabel(QStringLiteral("number%1Comma").arg(number + 1), cellAt(kCommaX, kDigitY[at(number)]),
                               QStringLiteral(","), {Face::Arial, 24, true});
        comma->setAlignment(Qt::AlignCenter);
        comma->setTextColour(colour::Blue);
        // Boxes after the digits, so they lie over the digits' top edge and
        // Tab walks them left to right.
        for (int place : kReadingOrder)
            boxes_[at(number)][at(place)] = addAnswer(addMarkBox(number, place, kMarkY[at(number)]));
    }
}

DigitCell* PlaceValueScreen::addMarkBox(int number, int place, int y)
{
    auto* box = page().add<DigitCell>(placeName(number, QStringLiteral("Mark"), place), {placeX(place), y, kCellSize, kMarkHeight}, {Face::Arial, 12, true});
    box->setAccessibleName(QStringLiteral("Posto della cifra %1 del numero %2")
                               .arg(toQString(kPlaceNames[at(place)]))
                               .arg(number + 1));
    if (Exercise::isDecimalPlace(place)) {
        // One character: every key replaces what the box held, in the case typed.
        box->configure(KeyFilter::Mark, colour::DarkGrey, 1, markColour(place));
        opensCheck(*box, [this, number, place] { return exercise_.opensCheck(number, place); });
        return box;
    }
    // The extra character of room lets one letter too many be seen to arrive
    // before the box empties.
    const int markLength = static_cast<int>(Exercise::expectedMark(place).size());
    box->configure(KeyFilter::Mark, colour::LightCyan, markLength + 1, markColour(place));
    box->familyStep = [box](int) {
        box->setText(QString::fromStdString(Exercise::wholeMarkBeforeKey(box->text().toStdString())));
    };
    box->onKeyRelease = [box, place](int) {
        if (Exercise::overflows(place, box->text().toStdString()))
            box->clear();
    };
    return box;
}

void PlaceValueScreen::newExercise()
{
    verdictBox().showText({}, false);
    for (const Row& row : boxes_)
        for (int place : kReadingOrder)
            row[at(place)]->resetColours();

    // The generator is shared with the other screens and seeded once at
    // start-up; this screen draws on from wherever it stands.
    exercise_.newExercise(random());
    showExercise();
}

void PlaceValueScreen::showExercise() const
{
    DigitCell* first = nullptr;
    for (int number = 0; number < Exercise::kNumbers; ++number) {
        for (int place : kReadingOrder) {
            DigitCell* box = boxes_[at(number)][at(place)];
            box->clear();
            box->setVisible(exercise_.indicated(number, place));
            const int digit = exercise_.digit(number, place);
            digits_[at(number)][at(place)]->setText(digit > 0 ? QString::number(digit) : QString());
            if (!first && exercise_.indicated(number, place))
                first = box;
        }
    }
    if (first)
        first->setFocus();
}

void PlaceValueScreen::check()
{
    Exercise::Marks marks;
    for (int number = 0; number < Exercise::kNumbers; ++number)
        for (int place : kReadingOrder)
            marks[at(number)][at(place)] = boxes_[at(number)][at(place)]->text().toStdString();
    const Exercise::Marking wrong = exercise_.check(marks);
    // A wrong mark keeps its own colour on white.
    for (int number = 0; number < Exercise::kNumbers; ++number)
        for (int place : kReadingOrder)
            if (wrong[at(number)][at(place)])
                boxes_[at(number)][at(place)]->setColours(colour::White, markColour(place));
}

std::unique_ptr<Screen> makePlaceValueScreen(Services& services) { return std::make_unique<PlaceValueScreen>(services); }

}  // namespace quillo
