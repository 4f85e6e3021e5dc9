#include "app/CAboutDlg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppIcons.h"
#include "app/AppTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CAboutDlg"));
  setWindowTitle(Texts::Q(AppTexts::kAboutCaption));
  setFont(DialogUnits::DialogFont());

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setAccessibleName(QString::fromLatin1(AppTexts::kSettingsApplication));
  // At the screen's scale, from the larger pixmaps where the screen is dense.
  icon->setPixmap(AppIcons::Application().pixmap(QSize(32, 32), devicePixelRatioF()));

  auto* version = new QLabel(Texts::Q(AppTexts::kAboutVersion), this);
  version->setObjectName(QStringLiteral("version"));

  auto* ok = new QPushButton(Texts::Q(AppTexts::kOk), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);

  // The icon, the name and version beside it, OK at the right edge.
  auto* row = new QHBoxLayout(this);
  row->addWidget(icon, 0, Qt::AlignTop);
  row->addWidget(version, 1, Qt::AlignTop);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addStretch();
  row->addLayout(buttons);
  DialogUnits::SizeTo(this, 235, 55, true);
}
