#include "support/scenes.h"

#include <algorithm>

namespace quillo::testing {

std::vector<Scene>& scenes()
{
    static std::vector<Scene> all;
    return all;
}

// Kept in the order of their names, whatever order the files register them
// in: a font renders a few pixels differently depending on what it drew
// before, so the same scenes in the same order give the same pictures.
SceneRegistrar::SceneRegistrar(std::initializer_list<Scene> list)
{
    auto& all = scenes();
    for (const Scene& scene : list) {
        const auto at = std::upper_bound(all.begin(), all.end(), scene,
                                         [](const Scene& a, const Scene& b) { return a.name < b.name; });
        all.insert(at, scene);
    }
}

void openNamed(Harness& app, std::initializer_list<const char*> buttons, const Shoot& shoot)
{
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    for (const char* button : buttons)
        app.click(QString::fromLatin1(button));
    if (shoot)
        shoot(QStringLiteral("opened"));
}

void playRound(Harness& app, const Shoot& shoot, const std::function<void()>& answer, const Round& shots)
{
    const auto take = [&](const char* step) {
        if (step)
            shoot(QLatin1String(shots.prefix) + QLatin1String(step));
    };
    app.click(QStringLiteral("newExerciseButton"));
    take(shots.presented);
    answer();
    take(shots.filled);
    app.click(QStringLiteral("checkButton"));
    take(shots.checked);
    app.click(QStringLiteral("evaluateButton"));
    take(shots.evaluated);
}

std::vector<Pictures>& pictures()
{
    static std::vector<Pictures> all;
    return all;
}

PicturesRegistrar::PicturesRegistrar(Pictures take)
{
    pictures().push_back(std::move(take));
}

}  // namespace quillo::testing
