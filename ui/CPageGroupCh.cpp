#include "ui/CPageGroupCh.h"

CPageGroupCh::CPageGroupCh(CQuelmarDoc& doc, PageHost& host, QWidget* parent)
    : QWidget(parent), doc_(doc), host_(host) {
  setObjectName(QStringLiteral("CPageGroupCh"));
  setWindowTitle(Title());
}

QString CPageGroupCh::Title() { return QStringLiteral("Group/Channel"); }

void CPageGroupCh::Activate() { initialised_ = true; }

void CPageGroupCh::RefreshPage() {}

bool CPageGroupCh::OnCommand(int) { return false; }
