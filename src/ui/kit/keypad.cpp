#include "ui/kit/keypad.h"

#include "ui/kit/digit_cell.h"
#include "ui/toolkit/grip_drag.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cmath>

namespace quillo {

namespace {
const QColor kPanel(0xD8, 0xD4, 0xC8);
const QColor kGrip(0x9C, 0x96, 0x88);
constexpr int kSmallestKey = 16;

int gapFor(int cellPixels)
{
    return std::max(4, cellPixels / 16);
}

// Digits stand three to a row as on a telephone; letters as many as fit.
int widestRow(int keys)
{
    if (keys <= 3)
        return std::max(1, keys);
    return keys <= 12 ? 3 : 8;
}

QString caption(int code, bool capital)
{
    if (code == keycode::Backspace)
        return QStringLiteral("\u2190");
    if (code == ' ')
        return QStringLiteral("spazio");
    const QString text(QChar(static_cast<char16_t>(code)));
    return capital ? text.toUpper() : text;
}

QString accessibleCaption(int code)
{
    if (code == keycode::Backspace)
        return QStringLiteral("Cancella");
    if (code == ' ')
        return QStringLiteral("Spazio");
    return QString(QChar(static_cast<char16_t>(code)));
}

bool isLetter(int code)
{
    return QChar(static_cast<char16_t>(code)).isLetter();
}
}  // namespace

Keypad::Keypad(QWidget* parent) : SidePanel(parent)
{
    setObjectName(QStringLiteral("Keypad"));
    setAccessibleName(QStringLiteral("Tastierino"));
    setFocusPolicy(Qt::NoFocus);
    hint_ = new QLabel(QStringLiteral("Tocca una casella per scrivere"), this);
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    QObject::connect(qApp, &QApplication::focusChanged, this, [this] { followFocus(); });
    new GripDrag(*this, [this] { return gripHeight(); });
}

void Keypad::typeKey(QWidget* target, int code, bool capital)
{
    const bool backspace = code == keycode::Backspace;
    QString text = backspace ? QStringLiteral("\b") : QString(QChar(static_cast<char16_t>(code)));
    if (capital)
        text = text.toUpper();
    // A keyboard reports a character's key by its upper-case code.
    const int key = backspace ? static_cast<int>(Qt::Key_Backspace)
                              : static_cast<int>(QChar(static_cast<char16_t>(code)).toUpper().unicode());
    const Qt::KeyboardModifiers modifiers = capital ? Qt::ShiftModifier : Qt::NoModifier;
    QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
    QCoreApplication::sendEvent(target, &press);
    // The press may have sent the focus elsewhere; the release belongs to
    // the box that had the press, as on a keyboard.
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
    QCoreApplication::sendEvent(target, &release);
}

QPushButton* Keypad::keyFor(int code) const
{
    const auto it = std::find(offer_.begin(), offer_.end(), code);
    return it == offer_.end() ? nullptr : keys_[static_cast<std::size_t>(it - offer_.begin())];
}

void Keypad::followFocus()
{
    if (isHidden())
        return;
    QWidget* focus = window()->focusWidget();
    const auto filter = keypadFilter(focus);
    std::vector<int> offer;
    bool capitals = false;
    if (filter) {
        // The box's own length, in whole characters, not the line edit's.
        const auto* box = static_cast<const TextBox*>(focus);
        offer = offeredKeys(*filter, box->maxLength() > 1);
        capitals = offersCapitals(*filter);
    }
    if (offer == offer_ && capitals == (capitals_ != nullptr))
        return;
    rebuildKeys(offer, capitals);
    Q_EMIT contentChanged();
}

void Keypad::rebuildKeys(const std::vector<int>& offer, bool capitals)
{
    // A tap may be what changed the offer: its key goes once the tap is over.
    for (QPushButton* key : keys_) {
        key->hide();
        key->deleteLater();
    }
    if (capitals_) {
        capitals_->hide();
        capitals_->deleteLater();
    }
    keys_.clear();
    capitals_ = nullptr;
    capitalsOn_ = false;
    offer_ = offer;

    const auto addKey = [this](const QString& name, const QString& accessible) {
        auto* key = new QPushButton(this);
        key->setObjectName(name);
        key->setAccessibleName(accessible);
        // The cell keeps the keyboard: a key that took it would type nowhere.
        key->setFocusPolicy(Qt::NoFocus);
        key->setAutoDefault(false);
        key->show();
        return key;
    };
    for (int code : offer_) {
        QPushButton* key = addKey(QStringLiteral("Key%1").arg(code), accessibleCaption(code));
        QObject::connect(key, &QPushButton::clicked, this, [this, code] { tap(code); });
        keys_.push_back(key);
    }
    if (capitals) {
        capitals_ = addKey(QStringLiteral("KeyCapitals"), QStringLiteral("Maiuscole"));
        capitals_->setCheckable(true);
        QObject::connect(capitals_, &QPushButton::clicked, this, &Keypad::toggleCapitals);
    }
    hint_->setVisible(offer_.empty());
    relabel();
    layOutKeys();
}

void Keypad::tap(int code)
{
    // Type only into a box that still takes this key: the focus may have
    // moved without the keypad seeing it yet.
    followFocus();
    QWidget* focus = window()->focusWidget();
    if (!keypadFilter(focus) || std::find(offer_.begin(), offer_.end(), code) == offer_.end())
        return;
    const bool capital = capitalsOn_ && isLetter(code);
    typeKey(focus, code, capital);
    // A capital is for one letter, as with Shift.
    if (capital) {
        capitalsOn_ = false;
        relabel();
    }
}

void Keypad::toggleCapitals()
{
    capitalsOn_ = !capitalsOn_;
    relabel();
}

void Keypad::relabel()
{
    for (std::size_t i = 0; i < keys_.size(); ++i)
        keys_[i]->setText(caption(offer_[i], capitalsOn_ && isLetter(offer_[i])));
    if (capitals_) {
        capitals_->setChecked(capitalsOn_);
        capitals_->setText(capitalsOn_ ? QStringLiteral("abc") : QStringLiteral("ABC"));
    }
}

int Keypad::keyCount() const
{
    return static_cast<int>(keys_.size()) + (capitals_ ? 1 : 0);
}

int Keypad::gripHeight() const
{
    return docked_ ? 0 : std::max(20, cellPixels_ * 2 / 5);
}

int Keypad::leastBandWidth(int cellPixels) const
{
    const int gap = gapFor(cellPixels);
    return 3 * cellPixels + 4 * gap;
}

void Keypad::setDocked(bool docked, int cellPixels)
{
    docked_ = docked;
    cellPixels_ = cellPixels;
    followFocus();
    layOutKeys();
    update();
}

Keypad::Grid Keypad::floatingGrid(int cellPixels, QSize room) const
{
    const int gap = gapFor(cellPixels);
    const int count = std::max(1, keyCount());
    Grid grid;
    grid.key = cellPixels;
    while (true) {
        grid.columns = std::clamp((room.width() + gap) / (grid.key + gap), 1, widestRow(count));
        grid.rows = (count + grid.columns - 1) / grid.columns;
        if (grid.rows * (grid.key + gap) - gap <= room.height() || grid.key <= kSmallestKey)
            return grid;
        --grid.key;
    }
}

QSize Keypad::floatingSize(int cellPixels, QSize room) const
{
    const int gap = gapFor(cellPixels);
    const int grip = std::max(20, cellPixels * 2 / 5);
    if (keyCount() == 0)
        return {3 * cellPixels + 4 * gap, grip + cellPixels};
    // A floating panel stays small beside the page it covers.
    const QSize keysRoom(room.width() * 9 / 10 - 2 * gap, room.height() * 3 / 5 - grip - 2 * gap);
    const Grid grid = floatingGrid(cellPixels, keysRoom);
    return {grid.columns * (grid.key + gap) + gap, grip + grid.rows * (grid.key + gap) + gap};
}

void Keypad::layOutKeys()
{
    const int gap = gapFor(cellPixels_);
    const QRect area = rect().adjusted(gap, gap + gripHeight(), -gap, -gap);
    hint_->setGeometry(area);
    if (keyCount() == 0)
        return;
    const Grid grid = floatingGrid(cellPixels_, area.size());
    const int gridWidth = grid.columns * (grid.key + gap) - gap;
    const int gridHeight = grid.rows * (grid.key + gap) - gap;
    const QPoint origin(area.left() + (area.width() - gridWidth) / 2, area.top() + (area.height() - gridHeight) / 2);
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(8, grid.key * 9 / 20));
    QFont wordFont = font;
    wordFont.setPixelSize(std::max(8, grid.key / 4));
    std::vector<QPushButton*> all = keys_;
    if (capitals_)
        all.push_back(capitals_);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int column = static_cast<int>(i) % grid.columns;
        const int row = static_cast<int>(i) / grid.columns;
        all[i]->setGeometry(origin.x() + column * (grid.key + gap), origin.y() + row * (grid.key + gap), grid.key,
                            grid.key);
        all[i]->setFont(all[i]->text().size() > 1 ? wordFont : font);
    }
}

void Keypad::resizeEvent(QResizeEvent* event)
{
    SidePanel::resizeEvent(event);
    layOutKeys();
}

void Keypad::showEvent(QShowEvent* event)
{
    SidePanel::showEvent(event);
    followFocus();
}

void Keypad::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), kPanel);
    if (docked_)
        return;
    const QRect grip(0, 0, width(), gripHeight());
    painter.fillRect(grip, kGrip);
    painter.setPen(Qt::white);
    painter.drawText(grip, Qt::AlignCenter, QStringLiteral("Tastierino"));
    painter.setPen(kGrip);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace quillo
