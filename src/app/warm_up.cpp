#include "app/warm_up.h"

#include <fontconfig/fontconfig.h>

#include <QFontDatabase>
#include <QImageReader>

#include "ui/app_setup.h"

namespace spurgear {

void WarmUpFonts() {
  FcInit();
  ui::ProgramIconImage();
}

void WarmUpToolkit() {
  QFontDatabase::families();  // the class is thread-safe; the first label waits for it
  QImageReader::supportedImageFormats();
}

}  // namespace spurgear
