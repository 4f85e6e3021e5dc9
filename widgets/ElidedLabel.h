#pragma once
// A one-line label that keeps its whole text (what a screen reader and text() give) but
// paints it cut in the middle when it does not fit, so that both the start of a message
// and its end, where the reason stands, stay in view; the whole text is then its tool tip.
#include <QLabel>

class ElidedLabel : public QLabel {
  Q_OBJECT
 public:
  using QLabel::QLabel;

  // Any width will do: the text gives way, never the window.
  QSize minimumSizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;
};
