#pragma once
// The desktop services of the main window: clipboard, printing, help, close.
#include <QImage>
#include <QPainter>
#include <QSize>
#include <QUrl>
#include <QWidget>

#include "commands/ports.h"

namespace spurgear::ui {

class QtDesktop : public DesktopPort {
 public:
  explicit QtDesktop(QWidget* mainWindow) : window_(mainWindow) {}
  void SetClipboard(std::string_view text) override;
  bool PrintWindow() override;
  void WriteWindowPdf(const std::string& path) override;
  void OpenHelp() override;
  void Close() override;

 private:
  QWidget* window_;
};

// The window's client area as displayed, without its menu bar.
QImage ClientPicture(QWidget& window);

// Draws the picture stretched to fit a page of the given size (aspect ratio
// kept) with its top-left corner at the page's top-left corner.
void PaintFitted(QPainter& painter, QSize page, const QImage& picture);

// The page the printer would print, as a one-page A4 PDF document.
QByteArray WindowPdf(const QImage& picture);

// help/frame.htm (frame_en.htm in English) in the directory of the executable.
QUrl HelpPageUrl();

}  // namespace spurgear::ui
