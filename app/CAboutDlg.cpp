#include "app/CAboutDlg.h"

#include <QLabel>
#include <QPushButton>

#include "app/AppIcons.h"
#include "app/AppTexts.h"
#include "widgets/DialogUnits.h"
#include "widgets/Texts.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("CAboutDlg"));
  setWindowTitle(Texts::Q(AppTexts::kAboutCaption));
  setFont(DialogUnits::DialogFont());
  DialogUnits::SizeTo(this, 235, 55);
  setFixedSize(size());

  auto* icon = new QLabel(this);
  icon->setObjectName(QStringLiteral("icon"));
  icon->setAccessibleName(QString::fromLatin1(AppTexts::kSettingsApplication));
  // At the screen's scale, from the larger pixmaps where the screen is dense.
  icon->setPixmap(AppIcons::Application().pixmap(QSize(32, 32), devicePixelRatioF()));
  DialogUnits::Place(icon, 11, 10, 20, 20);

  auto* version = new QLabel(Texts::Q(AppTexts::kAboutVersion), this);
  version->setObjectName(QStringLiteral("version"));
  DialogUnits::Place(version, 40, 10, 119, 8);

  auto* ok = new QPushButton(Texts::Q(AppTexts::kOk), this);
  ok->setObjectName(QStringLiteral("ok"));
  ok->setDefault(true);
  DialogUnits::Place(ok, 178, 7, 50, 14);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}
