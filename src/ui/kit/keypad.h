#pragma once

#include "core/kit/key_filter.h"
#include "ui/toolkit/main_window.h"

#include <QPointer>

#include <vector>

class QLabel;
class QPushButton;

namespace quillo {

// The on-screen keypad of the interactive whiteboard, where there is no
// keyboard. It offers the keys that the box with the keyboard focus accepts,
// read from that box's own filter, and types each tap into the box as a key
// press and release with the key's character, so the box's handlers cannot
// tell a tap from a typed key. Its keys never take the focus: the cell the
// pupil tapped keeps it, and with no box to type in the keypad offers none.
class Keypad : public SidePanel {
    Q_OBJECT

public:
    explicit Keypad(QWidget* parent = nullptr);

    // The character codes on the keys now (Backspace as 8), in their order.
    const std::vector<int>& offer() const { return offer_; }
    // The key that types this code, if it is on offer.
    QPushButton* keyFor(int code) const;
    QPushButton* capitalsKey() const { return capitals_; }

    int largestKeyIn(QSize area, int largest) const override;
    std::vector<QSize> floatingSizes(int key) const override;
    void setDocked(bool docked, int key) override;

    // Types one key into the widget as the keyboard would.
    static void typeKey(QWidget* target, int code, bool capital);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    struct Grid {
        int columns = 1;
        int key = 0;
    };

    void followFocus();
    void rebuildKeys(const std::vector<int>& offer, bool capitals);
    void tap(int code);
    void toggleCapitals();
    void relabel();
    void layOutKeys();
    int keyCount() const;
    int roomInKeys() const;
    int gripHeight() const;
    // The row lengths worth laying the keys in, the favourite first.
    std::vector<int> rowLengths() const;
    // The largest keys, up to `largest`, whose rows fit the area.
    Grid largestGrid(QSize area, int largest) const;

    std::vector<int> offer_;
    std::vector<QPushButton*> keys_;
    QPushButton* capitals_ = nullptr;
    QLabel* hint_ = nullptr;
    bool capitalsOn_ = false;
    bool docked_ = false;
    int largestKey_ = 60;
};

}  // namespace quillo
