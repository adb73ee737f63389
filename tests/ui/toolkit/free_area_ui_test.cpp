#include "ui/toolkit/free_area.h"

#include <gtest/gtest.h>

#include <random>

namespace quillo {
namespace {

int distance(QPoint a, QPoint b)
{
    return (a - b).manhattanLength();
}

std::int64_t covered(const QRect& place, const std::vector<QRect>& taken)
{
    std::int64_t area = 0;
    for (const QRect& thing : taken) {
        const QRect both = place & thing;
        area += std::int64_t{both.width()} * both.height();
    }
    return area;
}

// Against every place on a small area, pixel by pixel: the nearest free
// place and the least covering one are as near and cover as little as the
// best of all.
TEST(FreeArea, FindsWhatTryingEveryPlaceFinds)
{
    std::mt19937 draw(20240611);
    const auto between = [&draw](int low, int high) { return std::uniform_int_distribution<int>(low, high)(draw); };
    const QRect bounds(3, 2, 40, 30);
    for (int round = 0; round < 300; ++round) {
        std::vector<QRect> taken;
        for (int count = between(0, 7); count > 0; --count)
            taken.emplace_back(between(-5, 45), between(-5, 35), between(1, 15), between(1, 12));
        const QRect wanted(between(-10, 50), between(-10, 40), between(1, 20), between(1, 20));
        const FreeArea area(bounds, taken);

        std::optional<int> nearest;
        std::int64_t least = -1;
        for (int x = bounds.left(); x + wanted.width() <= bounds.x() + bounds.width(); ++x) {
            for (int y = bounds.top(); y + wanted.height() <= bounds.y() + bounds.height(); ++y) {
                const QRect place(QPoint(x, y), wanted.size());
                const std::int64_t cover = covered(place, taken);
                if (cover == 0 && (!nearest || distance(place.topLeft(), wanted.topLeft()) < *nearest))
                    nearest = distance(place.topLeft(), wanted.topLeft());
                if (least < 0 || cover < least)
                    least = cover;
            }
        }

        const auto found = area.nearestFree(wanted);
        ASSERT_EQ(found.has_value(), nearest.has_value()) << "round " << round;
        if (found) {
            EXPECT_TRUE(area.isFree(*found) && found->size() == wanted.size());
            EXPECT_EQ(distance(found->topLeft(), wanted.topLeft()), *nearest) << "round " << round;
        }
        if (least >= 0) {
            const QRect leastCovering = area.leastCovering(wanted);
            EXPECT_TRUE(bounds.contains(leastCovering) && leastCovering.size() == wanted.size());
            EXPECT_EQ(covered(leastCovering, taken), least) << "round " << round;
        }
    }
}

}  // namespace
}  // namespace quillo
