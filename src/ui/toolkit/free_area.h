#pragma once

#include <QRect>

#include <optional>
#include <vector>

namespace quillo {

// The room that the things standing on an area leave for one thing more, a
// panel or a button of a given size, which must keep within the area.
class FreeArea {
public:
    FreeArea(QRect bounds, std::vector<QRect> taken);

    bool isFree(QRect place) const;
    // The free place nearest to the wanted one (by the sum of the moves
    // across and down), of its size; none when no place of that size is left.
    std::optional<QRect> nearestFree(QRect wanted) const;
    // The place of the wanted size that covers the least of what is taken,
    // the nearest to the wanted one among equals.
    QRect leastCovering(QRect wanted) const;

private:
    // The places of the wanted size worth trying. A place slid towards the
    // wanted one stops being free, and one slid away from a thing stops
    // uncovering it, where it comes flush against a side of that thing or
    // an edge of the area: the best places have their left and top there,
    // or at the wanted ones.
    std::vector<QRect> tries(QRect wanted) const;
    std::vector<int> stops(int wanted, int length, bool across) const;

    QRect bounds_;
    std::vector<QRect> taken_;
};

}  // namespace quillo
