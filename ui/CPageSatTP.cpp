#include "ui/CPageSatTP.h"

CPageSatTP::CPageSatTP(CQuelmarDoc& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageSatTP"));
  setWindowTitle(Title());
}

QString CPageSatTP::Title() { return QStringLiteral("Satellite/Transponder"); }

void CPageSatTP::Activate() { initialised_ = true; }

void CPageSatTP::RefreshSatellites() {}

bool CPageSatTP::OnCommand(int) { return false; }
