#pragma once

#include "support/harness.h"

#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace quillo::testing {

// A screenshot scene: drives a fresh program and takes pictures of it on
// the way. The exercise screens' scenes live here in support/, where the
// screen tests walk the same states; the menus, the report card and the
// keypad add theirs under screenshots/.
using Shoot = std::function<void(const QString& name)>;

struct Scene {
    QString name;
    QSize windowSize;
    std::function<void(Harness&, const Shoot&)> drive;
};

std::vector<Scene>& scenes();

// With the pupil's name given, opened through these buttons of the menus,
// and pictured as "opened" when there is a camera.
void openNamed(Harness& app, std::initializer_list<const char*> buttons, const Shoot& shoot = {});

// One exercise from "OK" through the pupil's answer, "Controllo" and
// "Valutazione", a picture after each step under the prefix and the step's
// name; a null name takes no picture there.
struct Round {
    const char* prefix = "";
    const char* presented = "presented";
    const char* filled = "filled";
    const char* checked = "checked";
    const char* evaluated = "evaluated";
};
void playRound(Harness& app, const Shoot& shoot, const std::function<void()>& answer, const Round& shots = {});

struct SceneRegistrar {
    SceneRegistrar(std::initializer_list<Scene> list);
};

// Pictures of what is not the pupils' window (a printed worksheet, the
// teacher's window): each writes its PNGs into the folder and says how
// many it wrote.
using Pictures = std::function<int(const QString& folder)>;

std::vector<Pictures>& pictures();

struct PicturesRegistrar {
    explicit PicturesRegistrar(Pictures take);
};

}  // namespace quillo::testing
