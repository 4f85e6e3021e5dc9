#pragma once
// Buttons placed in dialog units are as wide as their English captions need. In a
// language whose words run longer, a button whose caption would be cut grows, evenly
// on both sides so that it stays centred where it was placed, the first time it shows.
// Installed only while a translation is in force: the English layout stays as it is.
#include <QObject>

namespace TextFit {

class ButtonGrowth : public QObject {
 public:
  using QObject::QObject;
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace TextFit
