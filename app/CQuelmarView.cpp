#include "app/CQuelmarView.h"

#include "app/CMainSheet.h"
#include "db/CQuelmarDoc.h"

CQuelmarView::CQuelmarView(CQuelmarDoc& doc, CommandTarget* target, QWidget* parent)
    : QScrollArea(parent), doc_(doc), target_(target) {
  setObjectName(QStringLiteral("CQuelmarView"));
  setAccessibleName(QStringLiteral("View"));
  setFrameShape(QFrame::NoFrame);
  // The sheet is never smaller than its pages need (a window smaller than that
  // scrolls); a larger window hands the sheet the extra space, which its lists take.
  setWidgetResizable(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

CQuelmarView::~CQuelmarView() { RemoveSheet(); }

void CQuelmarView::BuildSheet() {
  RemoveSheet();
  auto* sheet = new CMainSheet(doc_, target_);
  setWidget(sheet);
  sheet_ = sheet;
  sheet->move(0, 0);
  sheet->show();
  sheet->ActivateAll();
  emit SheetBuilt();
}

void CQuelmarView::RemoveSheet() {
  if (!sheet_) return;
  delete takeWidget();
  sheet_ = nullptr;
}

void CQuelmarView::OnRefreshViews() {
  BuildSheet();
  if (sheet_ && doc_.HasData()) {
    sheet_->SatTPPage()->RefreshSatellites();
    sheet_->GroupChPage()->RefreshPage();
  }
}
