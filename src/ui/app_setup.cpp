#include "ui/app_setup.h"

#include <QApplication>
#include <QImageReader>
#include <QLibraryInfo>
#include <QPixmap>
#include <QTranslator>

// The resources live in a static library: registering them by hand keeps
// the linker from leaving them out.
static void RegisterResources() { Q_INIT_RESOURCE(spurgear); }

namespace spurgear::ui {

const QImage& ProgramIconImage() {
  static const QImage image = [] {
    RegisterResources();
    // Read as a PNG by name: a reader left to find the format itself loads
    // every image format plugin to ask each whether the file is its own.
    QImageReader png(QStringLiteral(":/spurgear/spurgear.png"), "png");
    png.setAutoDetectImageFormat(false);
    return png.read();
  }();
  return image;
}

QIcon ProgramIcon() { return QIcon(QPixmap::fromImage(ProgramIconImage())); }

void PrepareApplication(Language language) {
  static bool done = false;
  if (done || QCoreApplication::instance() == nullptr) return;
  done = true;
  // Dialogs and buttons Qt draws itself ("Save As", "Cancel", the prompt
  // before a file is replaced) speak the program's language. Without the
  // translations installed they stay in English, and the program still runs.
  static QTranslator qtTexts;
  if (language == Language::Japanese &&
      qtTexts.load(QLocale(QLocale::Japanese, QLocale::Japan), QStringLiteral("qtbase"),
                   QStringLiteral("_"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(&qtTexts);
  }
  // Task bars find spurgear.desktop, and with it the installed icon.
  QGuiApplication::setDesktopFileName(QStringLiteral("spurgear"));
  QApplication::setWindowIcon(ProgramIcon());
}

}  // namespace spurgear::ui
