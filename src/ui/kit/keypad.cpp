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
#include <utility>

namespace quillo {

namespace {
const QColor kPanel(0xD8, 0xD4, 0xC8);
const QColor kGrip(0x9C, 0x96, 0x88);

int gapFor(int key)
{
    return std::max(4, key / 16);
}

int gripFor(int key)
{
    return std::max(20, key * 2 / 5);
}

// Digits stand three to a row as on a telephone, letters eight.
int favouriteRow(int keys)
{
    if (keys <= 3)
        return keys;
    return keys <= 12 ? 3 : 8;
}

// Keys of this edge in rows of this length, with a gap around each.
QSize gridSize(int keys, int rowLength, int key)
{
    const int rows = (keys + rowLength - 1) / rowLength;
    const int gap = gapFor(key);
    return {rowLength * (key + gap) + gap, rows * (key + gap) + gap};
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

// "key" and what the key writes: key7, keyA, keyComma, keyEGrave.
QString keyName(int code)
{
    static const std::pair<int, const char*> kNamed[] = {
        {keycode::Backspace, "Backspace"}, {' ', "Space"},       {',', "Comma"},       {'\'', "Apostrophe"},
        {'<', "Less"},                     {'=', "Equals"},      {'>', "Greater"},     {0xE0, "AGrave"},
        {0xE8, "EGrave"},                  {0xE9, "EAcute"},     {0xEC, "IGrave"},     {0xF2, "OGrave"},
        {0xF9, "UGrave"},
    };
    for (const auto& [named, word] : kNamed) {
        if (code == named)
            return QStringLiteral("key") + QLatin1String(word);
    }
    return QStringLiteral("key") + QChar(static_cast<char16_t>(code)).toUpper();
}

bool isLetter(int code)
{
    return QChar(static_cast<char16_t>(code)).isLetter();
}
}  // namespace

Keypad::Keypad(QWidget* parent) : SidePanel(parent)
{
    setObjectName(QStringLiteral("keypad"));
    setAccessibleName(QStringLiteral("Tastierino"));
    setFocusPolicy(Qt::NoFocus);
    hint_ = new QLabel(QStringLiteral("Tocca una casella per scrivere"), this);
    hint_->setAlignment(Qt::AlignCenter);
    hint_->setWordWrap(true);
    QObject::connect(qApp, &QApplication::focusChanged, this, [this] { followFocus(); });
    new GripDrag(*this, [this] { return gripHeight(); }, [this] { Q_EMIT dropped(); });
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
    // Followed while hidden too, so the window sizes the keypad for the box
    // it will type into before it shows it.
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
        QPushButton* key = addKey(keyName(code), accessibleCaption(code));
        QObject::connect(key, &QPushButton::clicked, this, [this, code] { tap(code); });
        keys_.push_back(key);
    }
    if (capitals) {
        capitals_ = addKey(QStringLiteral("capitalsKey"), QStringLiteral("Maiuscole"));
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
    return docked_ ? 0 : gripFor(largestKey_);
}

int Keypad::roomInKeys() const
{
    // With no box to type in, the hint takes the room of three keys.
    return std::max(3, keyCount());
}

std::vector<int> Keypad::rowLengths() const
{
    const int keys = roomInKeys();
    const int favourite = favouriteRow(keys);
    const auto rows = [keys](int length) { return (keys + length - 1) / length; };
    // A longer row that needs as many rows only widens the keypad.
    std::vector<int> lengths;
    for (int length = 1; length <= keys; ++length) {
        if (length == 1 || rows(length) < rows(length - 1))
            lengths.push_back(length);
    }
    std::stable_sort(lengths.begin(), lengths.end(),
                     [favourite](int a, int b) { return std::abs(a - favourite) < std::abs(b - favourite); });
    return lengths;
}

Keypad::Grid Keypad::largestGrid(QSize area, int largest) const
{
    const std::vector<int> lengths = rowLengths();
    for (int key = largest; key > 0; --key) {
        for (int length : lengths) {
            const QSize size = gridSize(roomInKeys(), length, key);
            if (size.width() <= area.width() && size.height() <= area.height())
                return {length, key};
        }
    }
    return {lengths.front(), 0};
}

int Keypad::largestKeyIn(QSize area, int largest) const
{
    return largestGrid(area, largest).key;
}

std::vector<QSize> Keypad::floatingSizes(int key) const
{
    std::vector<QSize> sizes;
    for (int length : rowLengths())
        sizes.push_back(gridSize(roomInKeys(), length, key) + QSize(0, gripFor(key)));
    return sizes;
}

void Keypad::setDocked(bool docked, int key)
{
    docked_ = docked;
    largestKey_ = key;
    layOutKeys();
    update();
}

void Keypad::layOutKeys()
{
    const QRect area = rect().adjusted(0, gripHeight(), 0, 0);
    const Grid grid = largestGrid(area.size(), largestKey_);
    const int key = std::max(1, grid.key);
    const int gap = gapFor(key);
    hint_->setGeometry(area.adjusted(gap, gap, -gap, -gap));
    if (keyCount() == 0)
        return;
    const QSize size = gridSize(keyCount(), grid.columns, key);
    const QPoint origin = area.topLeft() + QPoint((area.width() - size.width()) / 2 + gap,
                                                  (area.height() - size.height()) / 2 + gap);
    QFont font = this->font();
    font.setBold(true);
    font.setPixelSize(std::max(8, key * 9 / 20));
    QFont wordFont = font;
    wordFont.setPixelSize(std::max(8, key / 4));
    std::vector<QPushButton*> all = keys_;
    if (capitals_)
        all.push_back(capitals_);
    for (std::size_t i = 0; i < all.size(); ++i) {
        const int column = static_cast<int>(i) % grid.columns;
        const int row = static_cast<int>(i) / grid.columns;
        all[i]->setGeometry(origin.x() + column * (key + gap), origin.y() + row * (key + gap), key, key);
        all[i]->setFont(all[i]->text().size() > 1 ? wordFont : font);
    }
}

void Keypad::resizeEvent(QResizeEvent* event)
{
    SidePanel::resizeEvent(event);
    layOutKeys();
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
