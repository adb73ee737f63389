#include "support/scenes.h"

namespace quillo::testing {

std::vector<Scene>& scenes()
{
    static std::vector<Scene> all;
    return all;
}

SceneRegistrar::SceneRegistrar(std::initializer_list<Scene> list)
{
    for (const Scene& scene : list)
        scenes().push_back(scene);
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
