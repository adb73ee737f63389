#include "core/kit/key_filter.h"

#include <gtest/gtest.h>

#include <set>

namespace quillo {
namespace {

std::set<int> acceptedCodes(KeyFilter filter)
{
    std::set<int> codes;
    for (int code = 0; code < 256; ++code) {
        if (accepts(filter, code))
            codes.insert(code);
    }
    return codes;
}

TEST(KeyFilter, AcceptsExactlyItsCodes)
{
    std::set<int> digits;
    for (int code = 47; code <= 58; ++code)
        digits.insert(code);
    EXPECT_EQ(acceptedCodes(KeyFilter::Digit), digits) << "'/' and ':' pass too, 46 and 59 do not";

    std::set<int> decimals = digits;
    decimals.insert({44, 8});
    EXPECT_EQ(acceptedCodes(KeyFilter::Decimal), decimals);

    EXPECT_EQ(acceptedCodes(KeyFilter::Relation), (std::set<int>{60, 61, 62}));
    EXPECT_EQ(acceptedCodes(KeyFilter::Kind), (std::set<int>{97, 105, 112}));
    EXPECT_FALSE(accepts(KeyFilter::Kind, 'P'));
    EXPECT_EQ(acceptedCodes(KeyFilter::None).size(), 256u);
}

}  // namespace
}  // namespace quillo
