// The print module's entry point (see ui/print_module.h).
#include <QPrinter>
#include <QPrinterInfo>
#include <type_traits>

#include "ui/print_module.h"

extern "C" __attribute__((visibility("default"))) int spurgear_print_picture(
    const QImage* picture, const char* title, spurgear::ui::PaintPicture paint) {
  using spurgear::ui::PrintOutcome;
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return static_cast<int>(PrintOutcome::NoPrinter);
  QPrinter printer(info, QPrinter::HighResolution);
  printer.setDocName(QString::fromUtf8(title));
  printer.setFullPage(false);
  QPainter painter;
  if (!painter.begin(&printer)) return static_cast<int>(PrintOutcome::NotStarted);
  // The painter's origin is the top-left corner of the printable page.
  paint(painter, QSize(printer.width(), printer.height()), *picture);
  painter.end();
  return static_cast<int>(PrintOutcome::Printed);
}

static_assert(std::is_same_v<decltype(&spurgear_print_picture), spurgear::ui::PrintModuleEntry>);
