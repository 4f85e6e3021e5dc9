#include "app/CQuelmarView.h"

#include "app/AppTexts.h"
#include "app/CMainSheet.h"
#include "db/document/CQuelmarDoc.h"
#include "widgets/Texts.h"

CQuelmarView::CQuelmarView(CQuelmarDoc& doc, QWidget* parent) : QScrollArea(parent), doc_(doc) {
  setObjectName(QStringLiteral("CQuelmarView"));
  setAccessibleName(Texts::Q(AppTexts::kViewName));
  setFrameShape(QFrame::NoFrame);
  // The sheet is never smaller than its pages need (a window smaller than that
  // scrolls); a larger window hands the sheet the extra space, which its lists take.
  setWidgetResizable(true);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  // The view only holds the sheet: Tab goes straight to the sheet's controls, and the
  // view still scrolls to whichever of them has the focus.
  setFocusPolicy(Qt::NoFocus);
}

CQuelmarView::~CQuelmarView() { RemoveSheet(); }

void CQuelmarView::BuildSheet() {
  // Another database opened or received comes up on the page the user was on.
  const int page = sheet_ ? sheet_->currentIndex() : -1;
  RemoveSheet();
  auto* sheet = new CMainSheet(doc_);
  setWidget(sheet);
  sheet_ = sheet;
  sheet->move(0, 0);
  sheet->show();
  sheet->ActivateAll();
  if (page > 0 && page < sheet->count()) sheet->setCurrentIndex(page);
  // The keyboard starts at the page tabs (given when the window is next active, if a
  // dialog has the focus now): the arrow keys change the page, Tab goes on into it.
  sheet->setFocus(Qt::OtherFocusReason);
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

bool CQuelmarView::ResolveInfoEdits() { return !sheet_ || sheet_->ResolveInfoEdits(); }
