#include "support/scenes.h"

namespace quillo::testing {
namespace {

void pushDigits(Harness& app, std::initializer_list<int> digits)
{
    for (int digit : digits)
        app.random.push(drawing(digit, 1, 9));
}

void practisePlaceValue(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("Command8"));
    app.click(QStringLiteral("Command1"));
    shoot(QStringLiteral("opened"));
    // 658 432,853 and 377 921,371: three decimals, six whole digits.
    app.random.push(drawing(3, 1, 3));
    app.random.push(drawing(6, 1, 6));
    pushDigits(app, {8, 5, 3, 2, 3, 4, 8, 5, 6});
    pushDigits(app, {3, 7, 1, 1, 2, 9, 7, 7, 3});
    app.click(QStringLiteral("NewExerciseButton"));
    shoot(QStringLiteral("presented"));
    const std::pair<int, const char*> marks[] = {
        {1, "d"},  {2, "c"},  {3, "m"},  {5, "das"}, {7, "uk"},   {8, "dak"},
        {11, "d"}, {12, "c"}, {13, "M"}, {14, "us"}, {17, "hk"}, {18, "dak"}, {19, "hk"}};
    for (const auto& [box, mark] : marks)
        app.type(QStringLiteral("Text%1").arg(box), QString::fromLatin1(mark));
    app.click(QStringLiteral("CheckButton"));
    shoot(QStringLiteral("checked"));
    app.click(QStringLiteral("EvaluateButton"));
    shoot(QStringLiteral("evaluated"));
}

void pushNumber(Harness& app, int digits, int decimals, int mantissa)
{
    int power = 1;
    for (int d = 1; d < digits; ++d)
        power *= 10;
    app.random.push(drawing(digits, 1, 6));
    app.random.push(drawing(decimals, 1, 3));
    app.random.push(drawing(mantissa, digits == 1 ? 1 : power + 1, power * 10 - 1));
}

void practiseComparison(Harness& app, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("Command8"));
    app.click(QStringLiteral("Command2"));
    shoot(QStringLiteral("opened"));
    pushNumber(app, 6, 1, 999999);
    pushNumber(app, 4, 3, 1230);
    pushNumber(app, 1, 1, 9);
    pushNumber(app, 3, 3, 123);
    pushNumber(app, 3, 2, 450);
    pushNumber(app, 2, 1, 45);
    app.click(QStringLiteral("NewExerciseButton"));
    shoot(QStringLiteral("presented"));
    app.type(QStringLiteral("Text1"), QStringLiteral(">"));
    app.type(QStringLiteral("Text2"), QStringLiteral("<"));
    app.type(QStringLiteral("Text3"), QStringLiteral("="));
    app.click(QStringLiteral("CheckButton"));
    shoot(QStringLiteral("checked"));
    app.click(QStringLiteral("EvaluateButton"));
    shoot(QStringLiteral("evaluated"));
}

const SceneRegistrar decimals{
    {QStringLiteral("place-value"), {951, 687}, practisePlaceValue},
    {QStringLiteral("decimal-comparison"), {951, 687}, practiseComparison},
};

}  // namespace
}  // namespace quillo::testing
