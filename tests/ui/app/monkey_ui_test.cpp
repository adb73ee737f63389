// A seeded stream of random clicks, keys, pastes, drops, pen strokes,
// resizes and navigations over every screen the program can reach, with the
// program's invariants checked after each event.
#include "support/harness.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include <memory>
#include <random>
#include <set>

namespace quillo::testing {
namespace {

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed) { restart(); }

    void run(int events, std::set<ScreenId>& visited)
    {
        for (int i = 0; i < events && !::testing::Test::HasFatalFailure(); ++i) {
            switch (pick(10)) {
            case 0: case 1: case 2: clickButton(); break;
            case 3: case 4: case 5: typeKeys(); break;
            case 6: paste(); break;
            case 7: clickSome<Label>(); break;
            case 8: drawOnPaper(); break;
            case 9: app_->window.resize(400 + pick(1200), 300 + pick(900)); break;
            }
            Harness::settle();
            checkInvariants(i);
            visited.insert(app_->registry.current());
        }
    }

    std::set<ScreenId> builtScreens() const
    {
        std::set<ScreenId> built;
        for (int id = 0; id < kScreenCount; ++id)
            if (app_->registry.instance(static_cast<ScreenId>(id)))
                built.insert(static_cast<ScreenId>(id));
        return built;
    }

private:
    int pick(int size) { return std::uniform_int_distribution<int>(0, size - 1)(rng_); }
    bool chance(int percent) { return pick(100) < percent; }

    void restart()
    {
        app_ = std::make_unique<Harness>();
        presented_.fill(0);
        // Most runs give a name first, so the exercises get visited.
        if (chance(90))
            app_->enterName(QStringLiteral("Monkey"));
    }

    template <typename T>
    T* some()
    {
        std::vector<T*> found;
        for (T* widget : app_->page().findChildren<T*>())
            if (widget->isVisible() && widget->isEnabled())
                found.push_back(widget);
        return found.empty() ? nullptr : found[pick(static_cast<int>(found.size()))];
    }

    template <typename T>
    void clickSome()
    {
        if (T* widget = some<T>())
            QTest::mouseClick(widget, Qt::LeftButton);
    }

    void clickButton()
    {
        Button* button = some<Button>();
        const bool isExit = button && button->text() == QStringLiteral("exit");
        if (!button || (isExit && !chance(3)))
            return;
        QTest::mouseClick(button, Qt::LeftButton);
        if (isExit) {
            EXPECT_TRUE(app_->registry.hasEnded());
            Harness::settle();
            restart();
        }
    }

    void typeKeys()
    {
        TextBox* box = some<TextBox>();
        if (!box)
            return;
        box->setFocus();
        static const QString typed = QStringLiteral("0123456789/:,.<=>piaPIAxz -+rusdchkm");
        static const Qt::Key special[] = {Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Escape, Qt::Key_Delete,
                                          Qt::Key_Left,      Qt::Key_Right,  Qt::Key_Tab,    Qt::Key_Home};
        for (int count = 1 + pick(4); count > 0; --count) {
            if (chance(80))
                QTest::keyClicks(box, QString(typed.at(pick(static_cast<int>(typed.size())))));
            else
                QTest::keyClick(box, special[pick(std::size(special))]);
        }
    }

    void paste()
    {
        TextBox* box = some<TextBox>();
        if (!box)
            return;
        QApplication::clipboard()->setText(QString(1 + pick(80), QLatin1Char("9,<pa"[pick(5)])));
        QMimeData data;
        data.setText(QApplication::clipboard()->text());
        QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        switch (pick(3)) {
        case 0: QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier); break;
        case 1: QTest::mouseClick(box, Qt::MiddleButton); break;
        case 2: QApplication::sendEvent(box, &drop); break;
        }
    }

    void drawOnPaper()
    {
        Page& page = app_->page();
        const auto at = [&] { return QPoint(pick(std::max(1, page.width())), pick(std::max(1, page.height()))); };
        const Qt::MouseButton button = chance(70) ? Qt::LeftButton : Qt::RightButton;
        QTest::mousePress(&page, button, Qt::NoModifier, at());
        for (int i = 0; i < 5; ++i) {
            QMouseEvent move(QEvent::MouseMove, at(), page.mapToGlobal(at()), Qt::NoButton, button, Qt::NoModifier);
            QApplication::sendEvent(&page, &move);
        }
        QTest::mouseRelease(&page, button, Qt::NoModifier, at());
    }

    void checkInvariants(int event)
    {
        SCOPED_TRACE(event);
        const ScoreBoard& board = app_->board;
        for (ExerciseFamily family : kAllFamilies) {
            const int count = board.presentedCount(family);
            ASSERT_GE(count, presented_[slotOf(family)]) << "a count went down";
            presented_[slotOf(family)] = count;
            ASSERT_TRUE(board.grade(family) >= 0 && board.grade(family) <= 10);
        }
        int shown = 0;
        for (Page* page : app_->window.findChildren<Page*>())
            shown += page->isVisible() ? 1 : 0;
        ASSERT_EQ(shown, 1);
        for (TextBox* box : app_->page().findChildren<TextBox*>()) {
            ASSERT_LE(box->text().size(), box->maxLength()) << box->objectName().toStdString();
            auto* cell = qobject_cast<DigitCell*>(box);
            if (cell && cell->maxLength() == 1 && !cell->text().isEmpty()) {
                ASSERT_TRUE(accepts(cell->filter(), cell->text().at(0).unicode()))
                    << cell->objectName().toStdString() << " holds " << cell->text().toStdString();
            }
        }
    }

    std::mt19937 rng_;
    std::unique_ptr<Harness> app_;
    std::array<int, kFamilyCount> presented_{};
};

TEST(Monkey, RandomInputNeverBreaksTheProgram)
{
    std::set<ScreenId> visited;
    std::set<ScreenId> built;
    for (unsigned seed : {1u, 2u, 3u}) {
        SCOPED_TRACE(seed);
        Monkey monkey(seed);
        monkey.run(1500, visited);
        built = monkey.builtScreens();
    }
    EXPECT_EQ(visited, built) << "the monkey must reach every screen the program has";
}

}  // namespace
}  // namespace quillo::testing
