#pragma once
// Lets a page whose controls sit at fixed places grow with its window. At the size it
// was built for nothing moves; the width and height beyond that are handed to the
// controls named here, each taking a share for its position and its size, while every
// other control keeps its place and size.
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

// Shares of the extra width (x, width) and height (y, height): 0 keeps the edge where it
// was placed, 1 moves it by all of the extra space.
struct Growth {
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

class GrowLayout : public QObject {
 public:
  // `page` is at the size it was built for; the controls are where they belong at it.
  explicit GrowLayout(QWidget* page);

  // A control of the page (or inside one of its boxes) that grows or moves.
  void Add(QWidget* control, Growth growth);
  // A box and every control of the page that lies within it and was not added yet, all
  // moved or grown alike (a box whose fields move down with it, labels included).
  void AddWithin(QWidget* box, Growth growth);

  // The extra space the page has now beyond the size it was built for.
  QSize Extra() const;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  struct Item {
    QPointer<QWidget> control;
    QRect placed;
    Growth growth;
  };
  void Apply();
  bool Has(const QWidget* control) const;

  QWidget* page_;
  QSize built_;
  std::vector<Item> items_;
};
