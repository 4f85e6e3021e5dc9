#include "ui/satellites/CPageSatTP.h"

#include <QGridLayout>

#include "db/document/DocEditing.h"
#include "db/document/StepSubject.h"
#include "db/records/TableAt.h"
#include "ui/PageHost.h"
#include "ui/satellites/SatInfoArea.h"
#include "ui/satellites/SatTPListView.h"
#include "ui/satellites/SatTPTexts.h"
#include "ui/satellites/SatellitePanel.h"
#include "ui/satellites/TransponderPanel.h"
#include "widgets/AccessibleTree.h"
#include "widgets/DialogUnits.h"
#include "widgets/TabOrder.h"
#include "widgets/Texts.h"

using Texts::Q;

CPageSatTP::CPageSatTP(DocEditing& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageSatTP"));
  setWindowTitle(Title());
  setFont(DialogUnits::DialogFont());
  satellites_ = new SatellitePanel(doc_, *this);
  transponders_ = new TransponderPanel(doc_, *this);
  actions_ = {satellites_->AddAction(),   satellites_->DeleteAction(), transponders_->AddAction(),
              transponders_->DeleteAction(), transponders_->EditAction(), satellites_->Menu(),
              transponders_->Menu()};
  // A popup menu is no child of any window for a screen reader: the page lists them.
  AccessibleTree::ListMenus(*this, {actions_.satMenu, actions_.tpMenu});
  // The satellites down the left, the transponders on the right above "Sat. Info". The
  // lists take the height "Sat. Info" leaves, and the satellites a fifth of the width.
  auto* grid = new QGridLayout(this);
  grid->addWidget(satellites_, 0, 0, 2, 1);
  grid->addWidget(transponders_, 0, 1);
  grid->addWidget(&satellites_->Info(), 1, 1);
  grid->setColumnStretch(0, 1);
  grid->setColumnStretch(1, 4);
  grid->setRowStretch(0, 1);
  // The current satellite chooses the transponders listed.
  connect(satellites_, &SatellitePanel::currentSatelliteChanged, transponders_, &TransponderPanel::Refresh);
  // The lists, then the settings: down the left column, down the right, then Update.
  SetTabOrder({satellites_->List(), transponders_->List()});
  satellites_->Info().ChainTabOrder(transponders_->List());
  doc_.Listen(this);
}

QSize CPageSatTP::minimumSizeHint() const {
  return QWidget::minimumSizeHint().expandedTo(DialogUnits::ToPixels(font(), kTemplateWidth, kTemplateHeight));
}

QString CPageSatTP::Title() { return Q(SatTPTexts::kPageTitle); }

CPageSatTP::~CPageSatTP() { doc_.Unlisten(this); }

void CPageSatTP::OnDocChanged(const DocChange& change) {
  using Kind = StepSubject::Kind;
  const bool satellites = change.Touched(Kind::Satellite);
  const bool transponders = change.Touched(Kind::Transponder);
  if (change.cause == DocChange::Cause::Edit && !satellites && !transponders) return;
  // An undo or a redo rebuilds the page; the window then shows the record it changed.
  if (change.cause != DocChange::Cause::Edit) {
    RefreshSatellites();
    return;
  }
  // An edit, the page's own or another's: the rows worked on stay marked where they
  // still exist. A rebuilt satellite list lists the transponders again itself.
  EnsureInitialised();
  if (satellites && satellites_->RefreshChanged()) return;
  if (transponders) transponders_->Refresh(satellites_->State().CurrentSatellite());
}

void CPageSatTP::Activate() { EnsureInitialised(); }

void CPageSatTP::EnsureInitialised() {
  satellites_->EnsureInitialised();
  transponders_->EnsureInitialised();
}

void CPageSatTP::RefreshSatellites() {
  EnsureInitialised();
  satellites_->Refresh();
}

void CPageSatTP::UpdateSatellite() {
  EnsureInitialised();
  satellites_->UpdateSatellite();
}

bool CPageSatTP::ResolveInfoEdits() { return satellites_->ResolveInfoEdits(); }

SatTPPageState CPageSatTP::State() const { return {satellites_->State(), transponders_->State()}; }

bool CPageSatTP::ShowRecord(const StepSubject& subject) {
  EnsureInitialised();
  if (!doc_.HasData()) return false;
  const ChannelDatabase& db = doc_.Working();
  int satellite = -1, transponder = -1;
  if (subject.kind == StepSubject::Kind::Satellite) {
    satellite = subject.slot;
  } else if (subject.kind == StepSubject::Kind::Transponder) {
    transponder = subject.slot;
    const TransponderRecord* tp = TableAt(db.transponders, transponder);
    if (!tp || !tp->IsUsed()) return false;
    satellite = int(tp->SatelliteIndex());
  } else {
    return false;
  }
  if (!satellites_->Select(satellite)) return false;
  if (transponder >= 0) transponders_->Select(transponder);
  return true;
}

bool CPageSatTP::Reveal(const StepSubject& record) {
  if (!ShowRecord(record)) return false;
  // The satellite of a transponder its list does not show (a hidden one) is shown, but
  // the transponder itself has no row.
  return record.kind != StepSubject::Kind::Transponder || transponders_->Select(record.slot);
}
