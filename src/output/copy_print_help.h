#pragma once
// The desktop services of the main window: clipboard, printing, help, close.
#include <QWidget>

#include "commands/ports.h"

namespace spurgear::ui {

class QtDesktop : public DesktopPort {
 public:
  explicit QtDesktop(QWidget* mainWindow) : window_(mainWindow) {}
  void SetClipboard(std::string_view text) override;
  bool PrintWindow() override;
  void OpenHelp() override;
  void Close() override;

 private:
  QWidget* window_;
};

}  // namespace spurgear::ui
