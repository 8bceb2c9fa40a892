// Clipboard, printing of the main window and the help page.
#include "ui/copy_print_help.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QGuiApplication>
#include <QBuffer>
#include <QFile>
#include <QMenuBar>
#include <QPageLayout>
#include <QPdfWriter>

#include "core/file_io.h"

#include "core/errors.h"
#include "core/module_file.h"
#include "output/grid_text.h"
#include "ui/print_module.h"
#include "ui/qt_ports.h"
#include "ui/translation.h"
#include "ui/widgets.h"

namespace spurgear::ui {

void QtDesktop::SetClipboard(std::string_view text) {
  QGuiApplication::clipboard()->setText(Q(text));
}

QImage ClientPicture(QWidget& window) {
  QRect area = window.rect();
  if (auto* menu = window.findChild<QMenuBar*>(QString(), Qt::FindDirectChildrenOnly);
      menu != nullptr && menu->isVisible() && menu->geometry().top() <= area.top()) {
    area.setTop(menu->geometry().bottom() + 1);
  }
  return window.grab(area).toImage();
}

void PaintFitted(QPainter& painter, QSize page, const QImage& picture) {
  const PrintSize size = FitToPage(picture.width(), picture.height(), page.width(), page.height());
  if (size.width <= 0 || size.height <= 0) return;
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(QRect(0, 0, size.width, size.height), picture);
}

bool QtDesktop::PrintWindow() {
  const auto print =
      reinterpret_cast<PrintModuleEntry>(ModuleFunction(kPrintModuleFile, kPrintModuleEntry, "印刷"));
  const QImage picture = ClientPicture(*window_);
  const auto outcome = static_cast<PrintOutcome>(print(&picture, "歯車諸元計算", &PaintFitted));
  if (outcome == PrintOutcome::NotStarted) throw CommandError("プリンタで印刷を開始できません");
  return outcome == PrintOutcome::Printed;
}

QByteArray WindowPdf(const QImage& picture) {
  QByteArray bytes;
  QBuffer out(&bytes);
  out.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&out);
    pdf.setTitle(QStringLiteral("歯車諸元計算"));
    pdf.setCreator(ApplicationTitle());
    pdf.setResolution(300);
    // A4 with the margins a printer keeps, the picture at the corner of
    // the printable area as on paper.
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                  QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter));
    QPainter painter(&pdf);
    PaintFitted(painter, QSize(pdf.width(), pdf.height()), picture);
  }
  return bytes;
}

void QtDesktop::WriteWindowPdf(const std::string& path) {
  const QByteArray bytes = WindowPdf(ClientPicture(*window_));
  WriteFileAtomically(path, std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

QUrl HelpPageUrl() {
  // Beside the executable in a build; under share/ once installed. The
  // English page stands beside the Japanese one.
  const QString dir = QCoreApplication::applicationDirPath();
  const QString page = WindowLanguage::Current() == Language::English
                           ? QStringLiteral("frame_en.htm")
                           : QStringLiteral("frame.htm");
  const QString beside = dir + QStringLiteral("/help/") + page;
  const QString installed = dir + QStringLiteral("/../share/spurgear/help/") + page;
  if (!QFileInfo::exists(beside) && QFileInfo::exists(installed)) {
    return QUrl::fromLocalFile(QFileInfo(installed).canonicalFilePath());
  }
  return QUrl::fromLocalFile(beside);
}

void QtDesktop::OpenHelp() {
  // Whatever the desktop does with a missing page or handler is left to it.
  QDesktopServices::openUrl(HelpPageUrl());
}

void QtDesktop::Close() { window_->close(); }

}  // namespace spurgear::ui
