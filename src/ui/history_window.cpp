// TForm2 "計算履歴": a grid of the ten history rows under a heading row.
#include "ui/history_window.h"

#include <QColor>
#include <QFont>
#include <QHeaderView>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTableWidgetItem>
#include <functional>

#include "commands/control_names.h"
#include "output/grid_text.h"
#include "ui/placement.h"
#include "ui/widgets.h"

namespace spurgear::ui {
namespace {

const QColor kWindowColor(254, 249, 226);  // light cream
const QColor kFixedColor(209, 254, 211);   // light green heading cells
constexpr int kRowHeight = 24;             // without the grid line
constexpr int kGridLine = 1;

// The grid's fonts: the window's face where it is installed, a like face
// otherwise.
QFont GridFont(int pixels) {
  QFont font;
  font.setFamilies({QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("MS PGothic"),
                    QStringLiteral("IPAPGothic"), QStringLiteral("Noto Sans CJK JP")});
  font.setPixelSize(pixels);
  return font;
}

// Cells are drawn as a string grid draws them: the cell colour (or the
// selection colour), the text two pixels in from the left, cut off at the
// cell's edge rather than shortened with an ellipsis.
class CellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    QBrush fill = index.data(Qt::BackgroundRole).value<QBrush>();
    if (selected) fill = option.palette.brush(QPalette::Active, QPalette::Highlight);
    if (fill.style() != Qt::NoBrush) painter->fillRect(option.rect, fill);
    painter->save();
    painter->setFont(option.font);
    painter->setPen(selected ? option.palette.color(QPalette::Active, QPalette::HighlightedText)
                             : QColor(Qt::black));
    painter->drawText(option.rect.adjusted(2, 0, -1, 0), Qt::AlignLeft | Qt::AlignVCenter,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
  }
};

// A string grid that also reports a click on the cell that is already
// current (a selection of that cell again). A click that moves the current
// cell is reported by currentCellChanged, so it is not reported twice.
class StringGrid : public QTableWidget {
 public:
  StringGrid(QWidget* parent, std::function<void(int)> reselected)
      : QTableWidget(kGridRows, kGridColumns, parent), reselected_(std::move(reselected)) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override {
    const QModelIndex before = currentIndex();
    QTableWidget::mousePressEvent(event);
    const QModelIndex at = indexAt(event->position().toPoint());
    if (event->button() == Qt::LeftButton && at.isValid() && before.isValid() && at == before &&
        currentIndex() == before) {
      reselected_(at.row());
    }
  }

 private:
  std::function<void(int)> reselected_;
};

}  // namespace

HistoryWindow::HistoryWindow(Commands& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), commands_(commands) {
  setObjectName("Form2");
  setWindowTitle(QStringLiteral("計算履歴"));
  setFont(GridFont(12));
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kWindowColor);
  setPalette(pal);
  setAutoFillBackground(true);
  // Outer 691 x 326 at (434, 425): the client area inside a thin frame.
  resize(683, 299);
  move(KeptOn(AvailableArea(this), {434, 425}, QSize(691, 326).expandedTo(frameGeometry().size())));

  grid_ = new StringGrid(this, [this](int row) { Selected(row); });
  grid_->setObjectName(kHistoryGrid);
  grid_->setGeometry(8, 9, 673, 280);
  grid_->setFont(GridFont(13));
  grid_->setItemDelegate(new CellDelegate(grid_));
  grid_->horizontalHeader()->hide();
  grid_->verticalHeader()->hide();
  grid_->horizontalHeader()->setMinimumSectionSize(1);
  grid_->verticalHeader()->setMinimumSectionSize(1);
  grid_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
  grid_->setTabKeyNavigation(false);
  grid_->setWordWrap(false);
  grid_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  grid_->setLineWidth(1);
  for (int c = 0; c < kGridColumns; ++c) {
    grid_->setColumnWidth(c, kGridColumnWidths[static_cast<std::size_t>(c)] + kGridLine);
  }
  for (int r = 0; r < kGridRows; ++r) grid_->setRowHeight(r, kRowHeight + kGridLine);

  for (int r = 0; r < kGridRows; ++r) {
    for (int c = 0; c < kGridColumns; ++c) {
      auto* item = new QTableWidgetItem;
      if (r == 0 || c == 0) {
        // Heading cells can be neither selected nor reached by the keys.
        item->setFlags(Qt::NoItemFlags);
        item->setBackground(kFixedColor);
      } else {
        item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        item->setBackground(QColor(Qt::white));
      }
      grid_->setItem(r, c, item);
    }
  }
  {
    // The grid opens with the first data cell current, which is no selection.
    const QSignalBlocker quiet(grid_);
    grid_->setCurrentCell(1, 1);
  }
  connect(grid_, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int, int) { Selected(row); });
}

void HistoryWindow::Selected(int row) {
  if (row < 0) return;
  commands_.Run([&] { commands_.sg1Click(row); });
}

void HistoryWindow::SetCell(int column, int row, std::string_view text) {
  if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return;
  grid_->item(row, column)->setText(Q(text));
}

std::string HistoryWindow::Cell(int column, int row) const {
  if (column < 0 || column >= kGridColumns || row < 0 || row >= kGridRows) return {};
  return grid_->item(row, column)->text().toStdString();
}

void HistoryWindow::ShowWindow() {
  show();
  raise();
  activateWindow();
}

}  // namespace spurgear::ui
