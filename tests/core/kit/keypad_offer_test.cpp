#include "core/kit/key_filter.h"

#include <gtest/gtest.h>

#include <string>

namespace quillo {
namespace {

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
                             KeyFilter::Mark, KeyFilter::Sign, KeyFilter::Name, KeyFilter::None}) {
        for (int code : offeredKeys(filter, true))
            EXPECT_TRUE(accepts(filter, code)) << static_cast<int>(filter) << " offers " << code;
        EXPECT_EQ(offersCapitals(filter), filter == KeyFilter::Name);
    }
    // The boxes that judge for themselves still take every key.
    for (KeyFilter filter : {KeyFilter::Mark, KeyFilter::Sign, KeyFilter::Name})
        for (int code = 0; code < 256; ++code)
            EXPECT_TRUE(accepts(filter, code));
}

}  // namespace
}  // namespace quillo
