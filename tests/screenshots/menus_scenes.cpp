#include "support/scenes.h"

namespace quillo::testing {
namespace {

void walkMenus(Harness& app, const Shoot& shoot)
{
    shoot(QStringLiteral("main-first-visit"));
    openNamed(app, {"fractionsMenuButton"});
    shoot(QStringLiteral("fractions"));
    app.click(QStringLiteral("mainMenuButton"));
    app.click(QStringLiteral("decimalsMenuButton"));
    shoot(QStringLiteral("decimals"));
    app.click(QStringLiteral("mainMenuButton"));
    shoot(QStringLiteral("main-return-visit"));
}

const SceneRegistrar menus{
    {QStringLiteral("menus-small"), {800, 578}, walkMenus},
    {QStringLiteral("menus-large"), {1400, 1012}, walkMenus},
};

}  // namespace
}  // namespace quillo::testing
