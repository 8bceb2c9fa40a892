#pragma once
// What the application object needs before the first window: Qt's own texts
// in Japanese, the window icon and the desktop file's name.
#include <QIcon>
#include <QImage>

#include "core/language.h"

namespace spurgear::ui {

// Once per process; later calls do nothing. Qt's own texts are Japanese
// only for a Japanese window; in English they stay Qt's own English.
void PrepareApplication(Language language = Language::Japanese);

// The program's icon, compiled in from data/spurgear.png (drawn from
// data/spurgear.svg, which the desktop's icon theme gets).
QIcon ProgramIcon();

// The icon's picture, decoded once; needs no application object, so that
// start-up can decode it on another thread (a caller meanwhile waits).
const QImage& ProgramIconImage();

}  // namespace spurgear::ui
