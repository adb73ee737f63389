#include "support/scenes.h"

namespace quillo::testing {
namespace {

void walkMenus(Harness& app, const Shoot& shoot)
{
    shoot(QStringLiteral("main-first-visit"));
    app.enterName(QStringLiteral("Giulia Rossi V A"));
    app.click(QStringLiteral("Command7"));
    shoot(QStringLiteral("fractions"));
    app.click(QStringLiteral("Command6"));
    app.click(QStringLiteral("Command8"));
    shoot(QStringLiteral("decimals"));
    app.click(QStringLiteral("Command4"));
    shoot(QStringLiteral("main-return-visit"));
}

const SceneRegistrar menus{
    {QStringLiteral("menus-small"), {800, 578}, walkMenus},
    {QStringLiteral("menus-large"), {1400, 1012}, walkMenus},
};

}  // namespace
}  // namespace quillo::testing
