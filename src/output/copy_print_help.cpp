// Placeholder until copy, print and help land.
#include "output/copy_print_help.h"

#include <QClipboard>
#include <QGuiApplication>

namespace spurgear::ui {

void QtDesktop::SetClipboard(std::string_view text) {
  QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
bool QtDesktop::PrintWindow() { return false; }
void QtDesktop::OpenHelp() {}
void QtDesktop::Close() { window_->close(); }

}  // namespace spurgear::ui
