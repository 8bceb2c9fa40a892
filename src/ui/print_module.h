#pragma once
// Printing as a module of its own, libspurgear_print.so, so that the window
// loads Qt's print support only when it first prints: the module's one C
// entry point.
#include <QImage>
#include <QPainter>
#include <QSize>

namespace spurgear::ui {

inline constexpr const char* kPrintModuleFile = "libspurgear_print.so";
inline constexpr const char* kPrintModuleEntry = "spurgear_print_picture";

// What the entry did: printed, found no default printer, or could not start.
enum class PrintOutcome : int { Printed = 0, NoPrinter = 1, NotStarted = 2 };

// Prints `picture` on the default printer as the document `title`, drawn
// by `paint` on the printable page (its top-left corner the origin, of the
// size given); returns a PrintOutcome.
using PaintPicture = void (*)(QPainter& painter, QSize page, const QImage& picture);
using PrintModuleEntry = int (*)(const QImage* picture, const char* title, PaintPicture paint);

}  // namespace spurgear::ui
