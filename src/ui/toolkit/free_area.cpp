#include "ui/toolkit/free_area.h"

#include <algorithm>
#include <cstdint>

namespace quillo {

FreeArea::FreeArea(QRect bounds, std::vector<QRect> taken) : bounds_(bounds), taken_(std::move(taken)) {}

bool FreeArea::isFree(QRect place) const
{
    return bounds_.contains(place) &&
           std::none_of(taken_.begin(), taken_.end(), [place](const QRect& thing) { return thing.intersects(place); });
}

std::vector<int> FreeArea::stops(int wanted, int length, bool across) const
{
    const int first = across ? bounds_.left() : bounds_.top();
    const int last = (across ? bounds_.x() + bounds_.width() : bounds_.y() + bounds_.height()) - length;
    if (first > last)
        return {};
    std::vector<int> all{std::clamp(wanted, first, last), first, last};
    for (const QRect& thing : taken_) {
        const int start = across ? thing.x() : thing.y();
        const int end = start + (across ? thing.width() : thing.height());
        for (int stop : {start - length, end})
            all.push_back(std::clamp(stop, first, last));
    }
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    return all;
}

std::vector<QRect> FreeArea::tries(QRect wanted) const
{
    std::vector<QRect> all;
    const std::vector<int> tops = stops(wanted.y(), wanted.height(), false);
    for (int left : stops(wanted.x(), wanted.width(), true)) {
        for (int top : tops)
            all.emplace_back(QPoint(left, top), wanted.size());
    }
    return all;
}

std::optional<QRect> FreeArea::nearestFree(QRect wanted) const
{
    std::optional<QRect> nearest;
    int nearestDistance = 0;
    for (const QRect& place : tries(wanted)) {
        const int away = (place.topLeft() - wanted.topLeft()).manhattanLength();
        if ((!nearest || away < nearestDistance) && isFree(place)) {
            nearest = place;
            nearestDistance = away;
        }
    }
    return nearest;
}

QRect FreeArea::leastCovering(QRect wanted) const
{
    QRect least = wanted;
    std::pair<std::int64_t, int> leastHarm{-1, 0};
    for (const QRect& place : tries(wanted)) {
        std::int64_t covered = 0;
        for (const QRect& thing : taken_) {
            const QRect both = thing & place;
            covered += static_cast<std::int64_t>(both.width()) * both.height();
        }
        const std::pair harm{covered, (place.topLeft() - wanted.topLeft()).manhattanLength()};
        if (leastHarm.first < 0 || harm < leastHarm) {
            least = place;
            leastHarm = harm;
        }
    }
    return least;
}

}  // namespace quillo
