#pragma once

#include <QColor>
#include <QRect>
#include <QSize>

#include "ui/toolkit/twips.h"

#include <vector>

class QPainter;

namespace quillo {

// The squared paper's ruling at one page size. Drawn line by line once, then
// kept as the runs of pixels those lines lit: filling them again at every
// paint lights exactly the same pixels, for a fraction of the cost of
// drawing the lines anew.
class Ruling {
public:
    // The ruling of a page this many pixels wide and high at this scale,
    // whose paper ends at `paperBottom` twips; drawn now unless such a page
    // was ruled recently.
    static const Ruling& forPage(QSize pixels, double pixelsPerTwip, int paperBottom = kPaperBottom);

    void paint(QPainter& painter) const;

    // The line-by-line drawings made so far, over every size.
    static int drawings();

    static const QColor& colour();

private:
    Ruling(QSize pixels, double pixelsPerTwip, int paperBottom);

    QSize size_;
    double pixelsPerTwip_;
    int paperBottom_;
    std::vector<QRect> runs_;
};

}  // namespace quillo
