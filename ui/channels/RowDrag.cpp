#include "ui/channels/RowDrag.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

#include "ui/channels/GroupChListView.h"
#include "ui/channels/GroupChTexts.h"
#include "widgets/Texts.h"

namespace {
// The drag image is drawn this far right of and below the cursor.
const QPoint kImageOffset(10, 14);
}  // namespace

RowDrag::RowDrag(QWidget& page, GroupChListView& list, std::function<void()> drop)
    : page_(page), list_(list), drop_(std::move(drop)) {
  page.installEventFilter(this);
  edgeTimer_.setInterval(kEdgeScrollMs);
  connect(&edgeTimer_, &QTimer::timeout, this, &RowDrag::ScrollAtEdge);
}

RowDrag::~RowDrag() {
  if (dragging_) End();
}

void RowDrag::Begin(int row) {
  if (dragging_ || row < 0 || row >= list_.RowCount()) return;
  dragRow_ = row;
  // A press on one of several selected rows carries them all; on any other row only it.
  dragRows_ = list_.SelectedRows();
  if (std::find(dragRows_.begin(), dragRows_.end(), row) == dragRows_.end()) dragRows_ = {row};
  image_ = new QLabel(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowTransparentForInput);
  image_->setObjectName(QStringLiteral("dragImage"));
  image_->setAttribute(Qt::WA_TransparentForMouseEvents);
  // One row is shown as it looks; a block says how many programs it carries.
  if (dragRows_.size() > 1) {
    image_->setText(Texts::Q(GroupChTexts::kDragCount).arg(dragRows_.size()));
    image_->setMargin(4);
    image_->setAutoFillBackground(true);
    image_->setFrameShape(QFrame::Box);
  } else {
    image_->setPixmap(list_.viewport()->grab(list_.RowRect(row)));
  }
  image_->adjustSize();
  image_->move(QCursor::pos() + kImageOffset);
  image_->show();
  dragging_ = true;
  dropRow_ = -1;
  edge_ = 0;
  QGuiApplication::setOverrideCursor(Qt::ArrowCursor);
  page_.grabMouse();
}

void RowDrag::End() {
  edgeTimer_.stop();
  edge_ = 0;
  page_.releaseMouse();
  dragging_ = false;
  delete image_;
  image_ = nullptr;
  QGuiApplication::restoreOverrideCursor();
}

bool RowDrag::OverList(const QPoint& globalPos) const {
  QWidget* w = QApplication::widgetAt(globalPos);
  if (!w) {
    // Platforms that cannot say which window lies under a point: look inside ours.
    QWidget* top = page_.window();
    const QPoint local = top->mapFromGlobal(globalPos);
    if (top->rect().contains(local)) w = top->childAt(local);
  }
  for (; w; w = w->parentWidget()) {
    if (w == &list_) return true;
    if (w->isWindow()) break;
  }
  return false;
}

void RowDrag::ShowLine() {
  // The block lands before the row under the cursor, or after the last one below them all.
  list_.SetDropLine(!dragging_ ? -1 : dropRow_ < 0 ? list_.RowCount() : dropRow_);
}

int RowDrag::EdgeAt(const QPoint& globalPos) const {
  if (list_.RowCount() == 0 || !OverList(globalPos)) return 0;
  const int y = list_.viewport()->mapFromGlobal(globalPos).y();
  const int row = list_.rowHeight(0);
  if (y < row) return -1;
  if (y >= list_.viewport()->height() - row) return 1;
  return 0;
}

void RowDrag::ScrollAtEdge() {
  // The rows move under a cursor that stands still: the drop place follows them.
  if (dragging_ && edge_ != 0 && list_.ScrollOneRow(edge_)) Move(cursor_);
}

void RowDrag::Move(const QPoint& globalPos) {
  cursor_ = globalPos;
  edge_ = EdgeAt(globalPos);
  if (edge_ == 0)
    edgeTimer_.stop();
  else if (!edgeTimer_.isActive())
    edgeTimer_.start();
  if (image_) image_->move(globalPos + kImageOffset);
  const bool over = OverList(globalPos);
  if (over) {
    QGuiApplication::changeOverrideCursor(Qt::ArrowCursor);
    dropRow_ = list_.RowAt(list_.viewport()->mapFromGlobal(globalPos));
    ShowLine();
  } else {
    QGuiApplication::changeOverrideCursor(Qt::ForbiddenCursor);
    dropRow_ = -1;
    list_.SetDropLine(-1);
  }
}

bool RowDrag::Release(const QPoint& globalPos) {
  End();
  const bool dropped = OverList(globalPos);
  list_.SetDropLine(-1);
  // The drop goes to the row under the cursor now, whatever the last move saw.
  dropRow_ = dropped ? list_.RowAt(list_.viewport()->mapFromGlobal(globalPos)) : -1;
  return dropped;
}

bool RowDrag::eventFilter(QObject* watched, QEvent* event) {
  if (!dragging_ || watched != &page_) return false;
  if (event->type() == QEvent::MouseMove) {
    Move(static_cast<QMouseEvent*>(event)->globalPosition().toPoint());
    return true;
  }
  if (event->type() == QEvent::MouseButtonRelease) {
    auto* mouse = static_cast<QMouseEvent*>(event);
    if (mouse->button() != Qt::LeftButton) return false;
    if (Release(mouse->globalPosition().toPoint())) drop_();
    return true;
  }
  return false;
}
