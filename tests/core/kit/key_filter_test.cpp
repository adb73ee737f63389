#include "core/kit/key_filter.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace quillo {
namespace {

std::set<int> acceptedCodes(KeyFilter filter)
{
    std::set<int> codes;
    for (int code = 0; code < 256; ++code)
        if (accepts(filter, code))
            codes.insert(code);
    return codes;
}

TEST(KeyFilter, AcceptsExactlyItsCodes)
{
    std::set<int> digits;
    for (int code = 47; code <= 58; ++code)
        digits.insert(code);
    EXPECT_EQ(acceptedCodes(KeyFilter::Digit), digits) << "'/' and ':' pass too, 46 and 59 do not";
    digits.insert({44, 8});
    EXPECT_EQ(acceptedCodes(KeyFilter::Decimal), digits);
    EXPECT_EQ(acceptedCodes(KeyFilter::Relation), (std::set<int>{60, 61, 62}));
    EXPECT_EQ(acceptedCodes(KeyFilter::Kind), (std::set<int>{97, 105, 112}));
    // The boxes that judge for themselves take every key.
    for (KeyFilter filter : {KeyFilter::Mark, KeyFilter::Sign, KeyFilter::Name, KeyFilter::None})
        EXPECT_EQ(acceptedCodes(filter).size(), 256u);
}

std::u32string offer(KeyFilter filter, bool editsText)
{
    std::u32string keys;
    for (int code : offeredKeys(filter, editsText))
        keys.push_back(static_cast<char32_t>(code));
    return keys;
}

TEST(KeypadOffer, OffersWhatEachFilterTakesAndNothingElse)
{
    EXPECT_EQ(offer(KeyFilter::Digit, false), U"1234567890") << "no '/' nor ':'";
    EXPECT_EQ(offer(KeyFilter::Decimal, true), U"1234567890,\b");
    EXPECT_EQ(offer(KeyFilter::Relation, false), U"<=>");
    EXPECT_EQ(offer(KeyFilter::Sign, false), U"<=>");
    EXPECT_EQ(offer(KeyFilter::Kind, false), U"pia");
    EXPECT_EQ(offer(KeyFilter::Mark, false), U"acdhkmsu");
    EXPECT_EQ(offer(KeyFilter::Mark, true), U"acdhkmsu\b");
    EXPECT_EQ(offer(KeyFilter::None, true), U"");
    EXPECT_EQ(offer(KeyFilter::Name, true),
              U"abcdefghijklmnopqrstuvwxyz\u00E0\u00E8\u00E9\u00EC\u00F2\u00F9' 1234567890\b");
    // Backspace only where the filter lets it through and the box edits.
    EXPECT_EQ(offer(KeyFilter::Digit, true), U"1234567890");
    EXPECT_EQ(offer(KeyFilter::Decimal, false), U"1234567890,");
    for (KeyFilter filter : {KeyFilter::Digit, KeyFilter::Decimal, KeyFilter::Relation, KeyFilter::Kind,
                             KeyFilter::Mark, KeyFilter::Sign, KeyFilter::Name, KeyFilter::None})
        EXPECT_EQ(offersCapitals(filter), filter == KeyFilter::Name);
}

}  // namespace
}  // namespace quillo
