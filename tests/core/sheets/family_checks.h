#pragma once

#include "core/sheets/worksheet.h"
#include "sheet_reading.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

// Every answer of every family's key, checked against the arithmetic done
// here again, the way a teacher checks it, from the numbers on the paper.
// The paper is the sheet as the core lays it out, or as it is read back from
// a printed PDF.
namespace quillo::sheets::checks {

using reading::ExerciseOnPaper;
using reading::number;
using reading::Run;

inline std::string zeros(std::size_t count) { return std::string(count, '0'); }

// Column operations: a rule over the result from `from` to the end of the
// sign column after the units, and the double rule under the result.
inline void expectResultRules(const ExerciseOnPaper& paper, int resultRow, int from, int units)
{
    constexpr int kDoubleRuleGap = 10;
    EXPECT_TRUE(paper.ruled(resultRow, from, units + 2)) << "rule over the result";
    EXPECT_TRUE(paper.ruled(resultRow + 1, from, units + 2) &&
                paper.ruled(resultRow + 1, from, units + 2, kDoubleRuleGap))
        << "double rule under the result";
}

// A fraction's bar on the line between its numbers, over the columns of both.
inline void expectBar(const ExerciseOnPaper& paper, const Run& numerator, const Run& denominator, int denominatorRow)
{
    EXPECT_TRUE(paper.ruled(denominatorRow, std::min(numerator.first, denominator.first),
                            std::max(numerator.last, denominator.last) + 1))
        << numerator.text << "/" << denominator.text;
}

inline void checkAddition(const ExerciseOnPaper& paper, int choice)
{
    const int addends = choice + 2;
    long long sum = 0;
    const int units = paper.line(1, Ink::Given).last - 1;
    for (int row = 1; row <= addends; ++row) {
        const Run line = paper.line(row, Ink::Given);
        ASSERT_GE(line.text.size(), 2u);
        EXPECT_EQ(line.text.back(), row < addends ? '+' : '=');
        EXPECT_EQ(line.last - 1, units);
        const long long addend = number(line.text.substr(0, line.text.size() - 1));
        EXPECT_GE(addend, 1);
        sum += addend;
    }
    EXPECT_LE(sum, 999999);
    const Run answer = paper.line(addends + 1, Ink::Answer);
    EXPECT_EQ(answer.text, std::to_string(sum));
    EXPECT_EQ(answer.last, units);
    // The addition's rules span all six columns and one more on the left.
    expectResultRules(paper, addends + 1, units - 6, units);
}

inline void checkSubtraction(const ExerciseOnPaper& paper, int)
{
    const Run minuend = paper.line(1, Ink::Given);
    const Run subtrahend = paper.line(2, Ink::Given);
    ASSERT_TRUE(minuend.text.ends_with('-') && subtrahend.text.ends_with('='));
    EXPECT_EQ(minuend.last, subtrahend.last);
    const std::string top = minuend.text.substr(0, minuend.text.size() - 1);
    const long long difference = number(top) - number(subtrahend.text.substr(0, subtrahend.text.size() - 1));
    ASSERT_GE(difference, 0);
    // Every column of the minuend is filled, leading zeros included.
    std::string expected = std::to_string(difference);
    expected.insert(0, zeros(top.size() - expected.size()));
    const Run answer = paper.line(3, Ink::Answer);
    EXPECT_EQ(answer.text, expected);
    EXPECT_EQ(answer.last, minuend.last - 1);
    expectResultRules(paper, 3, minuend.first - 1, minuend.last - 1);
}

inline void checkMultiplication(const ExerciseOnPaper& paper, int choice)
{
    const Run top = paper.line(1, Ink::Given);
    const Run bottom = paper.line(2, Ink::Given);
    ASSERT_TRUE(top.text.ends_with('X') && bottom.text.ends_with('='));
    const int units = top.last - 1;
    const std::string multiplicand = top.text.substr(0, top.text.size() - 1);
    const std::string multiplier = bottom.text.substr(0, bottom.text.size() - 1);
    const long long m = number(multiplicand);
    const long long k = number(multiplier);
    const std::set<long long> round{20, 30, 40, 50, 60, 70, 80, 90, 100, 200, 300, 400, 500, 600, 700, 800, 900};
    const bool kindHolds[] = {k >= 11 && k <= 99, k >= 101 && k <= 999, round.contains(k)};
    EXPECT_TRUE(kindHolds[choice]) << k;

    // One partial product per multiplier digit, shifted by its placeholder
    // zeros; a zero digit writes a row of zeros under the multiplicand.
    const int partials = choice == 2 ? 0 : static_cast<int>(multiplier.size());
    for (int i = 1; i <= partials; ++i) {
        const long long digit = multiplier[multiplier.size() - static_cast<std::size_t>(i)] - '0';
        const std::string expected = digit == 0 ? zeros(multiplicand.size() + static_cast<std::size_t>(i) - 1)
                                                : std::to_string(digit * m) + zeros(static_cast<std::size_t>(i) - 1);
        const Run partial = paper.line(2 + i, Ink::Answer);
        EXPECT_EQ(partial.text, expected) << "partial product " << i;
        EXPECT_EQ(partial.last, units);
        EXPECT_EQ(paper.line(2 + i, Ink::Given).text, i < partials ? "+" : "=");
    }
    const Run product = paper.line(3 + partials, Ink::Answer);
    EXPECT_EQ(product.text, std::to_string(m * k));
    EXPECT_EQ(product.last, units);
    expectResultRules(paper, 3 + partials, product.first - 1, units);
    if (partials > 0) {
        EXPECT_TRUE(paper.ruled(3, product.first - 1, units + 2)) << "rule under the multiplier";
    }
}

// The division worked again as in the exercise book: the first partial
// dividend takes as many digits as the quotient leaves, each step writes its
// remainder followed by the digit brought down, the last one the remainder.
inline void checkDivision(const ExerciseOnPaper& paper, int choice)
{
    const Run top = paper.line(0, Ink::Given);
    const std::size_t colon = top.text.find(':');
    ASSERT_NE(colon, std::string::npos);
    ASSERT_TRUE(top.text.ends_with('='));
    const std::string dividend = top.text.substr(0, colon);
    const long long divisor = number(top.text.substr(colon + 1, top.text.size() - colon - 2));
    EXPECT_EQ(dividend.size(), static_cast<std::size_t>(choice + 2));
    EXPECT_TRUE(divisor >= 11 && divisor <= 99 && divisor <= number(dividend)) << top.text;
    const int units = top.first + static_cast<int>(dividend.size()) - 1;

    const std::size_t steps = std::to_string(number(dividend) / divisor).size();
    long long partial = number(dividend.substr(0, dividend.size() - steps + 1));
    std::string quotient;
    for (std::size_t k = 1; k <= steps; ++k) {
        const long long digit = partial / divisor;
        const long long remainder = partial - digit * divisor;
        quotient += std::to_string(digit);
        const std::string rest = dividend.substr(dividend.size() - steps + k);
        const Run row = paper.line(static_cast<int>(k), Ink::Answer);
        if (rest.empty()) {
            EXPECT_EQ(row.text, std::to_string(remainder) + "r") << "remainder";
            EXPECT_EQ(row.last, units + 1);
            break;
        }
        // The digits not brought down yet are not written.
        const std::string running =
            std::to_string(remainder) == "0" ? std::to_string(number(rest)) : std::to_string(remainder) + rest;
        const std::size_t hidden = rest.size() - 1;
        const std::string shown = running.size() > hidden ? running.substr(0, running.size() - hidden) : "";
        EXPECT_EQ(row.text, shown) << "step " << k;
        if (!shown.empty()) {
            EXPECT_EQ(row.last, units - static_cast<int>(hidden));
        }
        partial = remainder * 10 + (rest[0] - '0');
    }
    const Run written = paper.line(0, Ink::Answer);
    EXPECT_EQ(written.text, quotient);
    EXPECT_EQ(written.first, top.last + 1);
    for (int unused = static_cast<int>(steps) + 1; unused <= choice + 1; ++unused)
        EXPECT_TRUE(paper.runs(unused, Ink::Answer).empty());
}

inline void checkFractionConcept(const ExerciseOnPaper& paper, int)
{
    const Run given = paper.line(2, Ink::Given);
    const long long n = number(paper.line(1, Ink::Given).text);
    const long long d = number(given.text);
    expectBar(paper, paper.line(1, Ink::Given), given, 2);
    EXPECT_TRUE(paper.ruled(5, given.first, given.last + 1)) << "the complementary fraction's bar";
    EXPECT_EQ(number(paper.line(4, Ink::Answer).text), d - n);
    EXPECT_EQ(number(paper.line(5, Ink::Answer).text), d);

    // The whole's parts, red first and then blue in reading order.
    std::string colours;
    long long blankBoxes = 0;
    for (const Box& box : paper.boxes())
        if (box.fill == Fill::None)
            ++blankBoxes;
        else
            colours += box.fill == Fill::Red ? 'R' : 'B';
    EXPECT_EQ(colours,
              std::string(static_cast<std::size_t>(n), 'R') + std::string(static_cast<std::size_t>(d - n), 'B'));
    const auto digits = [](long long value) { return static_cast<long long>(std::to_string(value).size()); };
    EXPECT_EQ(blankBoxes, d + digits(d - n) + digits(d));
}

inline void checkFractionKinds(const ExerciseOnPaper& paper, int)
{
    int letters = 0;
    for (const Glyph& letter : paper.glyphs()) {
        if (letter.ink != Ink::Answer)
            continue;
        ++letters;
        const int row = paper.row(letter.corner.y);
        const int column = paper.column(letter.corner.x);
        Run terms[2];
        for (int term = 0; term < 2; ++term)
            for (const Run& run : paper.runs(row - 2 + term, Ink::Given))
                if (run.last == column)
                    terms[term] = run;
        expectBar(paper, terms[0], terms[1], row - 1);
        const long long n = number(terms[0].text);
        const long long d = number(terms[1].text);
        ASSERT_TRUE(n >= 1 && d >= 1);
        const std::string kind = n % d == 0 ? "a" : (n < d ? "p" : "i");
        EXPECT_EQ(letter.text, kind) << n << "/" << d;
    }
    EXPECT_EQ(letters, 10);
}

// The number in a row nearest left of x, or nearest right, in tenths of a millimetre.
inline Run nearest(const ExerciseOnPaper& paper, int row, int x, bool left)
{
    const int column = paper.column(x);
    Run found;
    for (const Run& run : paper.runs(row, Ink::Given)) {
        if (left && run.last < column)
            found = run;
        if (!left && run.first > column && found.empty())
            found = run;
    }
    return found;
}

inline void checkFractionComparison(const ExerciseOnPaper& paper, int)
{
    const std::vector<Glyph> signs = paper.onBars(Ink::Answer);
    EXPECT_EQ(signs.size(), 4u);
    for (const Glyph& sign : signs) {
        const int bar = paper.row(sign.corner.y + kSquare / 2);
        const Run left[2] = {nearest(paper, bar - 1, sign.corner.x, true), nearest(paper, bar, sign.corner.x, true)};
        const Run right[2] = {nearest(paper, bar - 1, sign.corner.x + kSquare - 1, false),
                              nearest(paper, bar, sign.corner.x + kSquare - 1, false)};
        expectBar(paper, left[0], left[1], bar);
        expectBar(paper, right[0], right[1], bar);
        const long long n1 = number(left[0].text);
        const long long d1 = number(left[1].text);
        const long long n2 = number(right[0].text);
        const long long d2 = number(right[1].text);
        ASSERT_TRUE(n1 > 0 && d1 > 0 && n2 > 0 && d2 > 0);
        EXPECT_TRUE(n1 == n2 || d1 == d2) << "a pair shares a numerator or a denominator";
        const long long leftValue = n1 * d2;
        const long long rightValue = n2 * d1;
        EXPECT_EQ(sign.text, leftValue < rightValue ? "<" : (leftValue > rightValue ? ">" : "="))
            << n1 << "/" << d1 << " and " << n2 << "/" << d2;
    }
}

inline void checkDecimalFractions(const ExerciseOnPaper& paper, int)
{
    const std::vector<Glyph> equals = paper.onBars(Ink::Given);
    const std::vector<Glyph> answers = paper.onBars(Ink::Answer);
    EXPECT_EQ(equals.size(), 4u);
    for (const Glyph& sign : equals) {
        ASSERT_EQ(sign.text, "=");
        const int bar = paper.row(sign.corner.y + kSquare / 2);
        const Run numerator = nearest(paper, bar - 1, sign.corner.x, true);
        const Run denominator = nearest(paper, bar, sign.corner.x, true);
        // The bar ends over the units and reaches over both numbers.
        bool barred = false;
        for (const auto& [from, to] : paper.rulesOn(bar))
            barred = barred || (to == denominator.last + 1 && from <= std::min(numerator.first, denominator.first));
        EXPECT_TRUE(barred) << numerator.text << "/" << denominator.text;
        const long long n = number(numerator.text);
        const long long d = number(denominator.text);
        std::string written;
        for (const Glyph& glyph : answers)
            if (glyph.corner.y == sign.corner.y &&
                glyph.corner.x == sign.corner.x + kSquare * (1 + static_cast<int>(written.size())))
                written += glyph.text;
        // Read back: a whole part without leading zeros, a comma, decimals
        // without trailing zeros, worth exactly n / d.
        const std::size_t comma = written.find(',');
        ASSERT_NE(comma, std::string::npos) << written;
        const std::string whole = written.substr(0, comma);
        const std::string decimals = written.substr(comma + 1);
        EXPECT_TRUE(!whole.empty() && (whole == "0" || whole[0] != '0')) << written;
        EXPECT_TRUE(!decimals.empty() && decimals.back() != '0') << written;
        const long long scale = number("1" + zeros(decimals.size()));
        EXPECT_EQ((number(whole) * scale + number(decimals)) * d, n * scale) << n << "/" << d << " = " << written;
    }
}

inline void checkPlaceValue(const ExerciseOnPaper& paper, int)
{
    static const std::vector<std::string> wholeMarks{"us", "das", "hs", "uk", "dak", "hk"};
    static const std::vector<std::string> decimalMarks{"d", "c", "m"};
    for (int row : {1, 4}) {
        const Run digits = paper.line(row, Ink::Given);
        const std::size_t comma = digits.text.find(',');
        ASSERT_NE(comma, std::string::npos);
        const std::string whole = digits.text.substr(0, comma);
        const std::string decimals = digits.text.substr(comma + 1);
        std::map<int, std::string> marks;  // by column: the box over a digit and the key's mark in it
        for (const Box& box : paper.boxes())
            if (paper.row(box.rect.top) == row - 1)
                marks[paper.column(box.rect.left)] = "";
        for (const Text& text : paper.texts())
            if (text.ink == Ink::Answer && paper.row(text.box.top) == row - 1)
                marks[paper.column(text.box.left)] = text.text;
        std::map<int, std::string> expected;
        for (std::size_t i = 0; i < digits.text.size(); ++i) {
            const char digit = digits.text[i];
            if (i == comma)
                continue;
            const bool inWhole = i < comma;
            if ((inWhole ? decimals : whole).find(digit) == std::string::npos)
                continue;
            expected[digits.first + static_cast<int>(i)] =
                inWhole ? wholeMarks.at(comma - 1 - i) : decimalMarks.at(i - comma - 1);
        }
        EXPECT_FALSE(expected.empty()) << digits.text;
        EXPECT_EQ(marks, expected) << digits.text;
    }
}

// A decimal number with a comma as thousandths.
inline long long thousandths(const std::string& text)
{
    const std::size_t comma = text.find(',');
    std::string decimals = comma == std::string::npos ? "" : text.substr(comma + 1);
    decimals.resize(3, '0');
    return number(text.substr(0, comma)) * 1000 + number(decimals);
}

inline void checkDecimalComparison(const ExerciseOnPaper& paper, int)
{
    for (int row : {0, 2, 4}) {
        const Run sign = paper.line(row, Ink::Answer);
        const std::vector<Run> numbers = paper.runs(row, Ink::Given);
        ASSERT_EQ(numbers.size(), 2u);
        EXPECT_EQ(numbers[0].last + 1, sign.first);
        EXPECT_EQ(numbers[1].first - 1, sign.first);
        const long long left = thousandths(numbers[0].text);
        const long long right = thousandths(numbers[1].text);
        EXPECT_EQ(sign.text, left < right ? "<" : (left > right ? ">" : "="))
            << numbers[0].text << " " << numbers[1].text;
    }
}

struct FamilyRow {
    ExerciseFamily family;
    void (*check)(const ExerciseOnPaper&, int);
};

inline const std::vector<FamilyRow>& families()
{
    static const std::vector<FamilyRow> rows{
        {ExerciseFamily::Addition, checkAddition},           {ExerciseFamily::Subtraction, checkSubtraction},
        {ExerciseFamily::Multiplication, checkMultiplication}, {ExerciseFamily::Division, checkDivision},
        {ExerciseFamily::FractionConcept, checkFractionConcept}, {ExerciseFamily::FractionKinds, checkFractionKinds},
        {ExerciseFamily::FractionComparison, checkFractionComparison},
        {ExerciseFamily::DecimalFractions, checkDecimalFractions}, {ExerciseFamily::PlaceValue, checkPlaceValue},
        {ExerciseFamily::DecimalComparison, checkDecimalComparison},
    };
    return rows;
}

}  // namespace quillo::sheets::checks
