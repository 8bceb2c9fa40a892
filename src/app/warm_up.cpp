#include "app/warm_up.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QImageReader>

namespace spurgear {

FontWarmUp::FontWarmUp() : thread_([] { FcInit(); }) {}
FontWarmUp::~FontWarmUp() { thread_.join(); }

ToolkitWarmUp::ToolkitWarmUp()
    : thread_([] {
        QFontDatabase::families();  // the class is thread-safe; the first label waits for it
        QImageReader::supportedImageFormats();
      }) {}
ToolkitWarmUp::~ToolkitWarmUp() { thread_.join(); }

}  // namespace spurgear
