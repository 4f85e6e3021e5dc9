#pragma once
// What of a window's texts does not fit: a caption, button, check box, group title,
// column header or tab narrower than its text, a wrapped label shorter than its lines,
// a control reaching out of its parent. One line a fault, naming the text.
#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QStyle>
#include <QTabBar>
#include <QTreeWidget>

#include "widgets/Texts.h"

namespace i18ntest {

inline int TextWidth(const QFontMetrics& fm, QString text) {
  text.remove(QLatin1Char('&'));
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n'))) widest = std::max(widest, fm.horizontalAdvance(line));
  return widest;
}

inline QStringList CutTexts(QWidget& window) {
  // A dialog measured before it shows has its controls where its layout puts them.
  if (window.layout()) window.layout()->activate();
  QStringList faults;
  const auto fault = [&](QWidget* w, const QString& text, int needed, int has) {
    faults << QStringLiteral("%1 %2 \"%3\": needs %4, has %5")
                  .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text)
                  .arg(needed)
                  .arg(has);
  };
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window) || w->isWindow()) continue;
    const QFontMetrics fm = w->fontMetrics();
    const QStyle* style = w->style();
    QString text;
    int needed = 0;
    int has = w->width();
    if (auto* label = qobject_cast<QLabel*>(w)) {
      text = label->text();
      if (text.isEmpty() || label->textFormat() == Qt::RichText) continue;
      if (label->wordWrap()) {
        if (label->heightForWidth(label->width()) > label->height() + 1)
          fault(w, text, label->heightForWidth(label->width()), label->height());
        continue;
      }
      needed = TextWidth(fm, text);
      has = label->contentsRect().width();
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      text = static_cast<QAbstractButton*>(w)->text();
      needed = TextWidth(fm, text) + style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, w) +
               style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, w);
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
      text = button->text();
      // A button holds its caption with the style's margins, or is as wide as its style
      // asks (which may leave less of a margin).
      needed = std::min(button->sizeHint().width(),
                        TextWidth(fm, text) + 2 * style->pixelMetric(QStyle::PM_ButtonMargin, nullptr, w));
    } else if (auto* group = qobject_cast<QGroupBox*>(w)) {
      text = group->title();
      needed = TextWidth(fm, text);
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      if (header->orientation() != Qt::Horizontal || !header->model()) continue;
      const int margin = 2 * style->pixelMetric(QStyle::PM_HeaderMargin, nullptr, w);
      for (int i = 0; i < header->count(); ++i) {
        if (header->isSectionHidden(i)) continue;
        const QString title = header->model()->headerData(i, Qt::Horizontal).toString();
        const int need = QFontMetrics(header->font()).horizontalAdvance(title) + margin;
        // The last column takes what is left of the list's width.
        const bool last = i == header->count() - 1 && header->stretchLastSection();
        if (!title.isEmpty() && !last && need > header->sectionSize(i)) fault(w, title, need, header->sectionSize(i));
      }
      continue;
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < tabs->count(); ++i) {
        const int need = TextWidth(fm, tabs->tabText(i)) + style->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, w);
        if (tabs->tabRect(i).width() < need) fault(w, tabs->tabText(i), need, tabs->tabRect(i).width());
      }
      continue;
    } else {
      continue;
    }
    if (text.isEmpty()) continue;
    if (needed > has) fault(w, text, needed, has);
    if (fm.height() > w->height() + 1) fault(w, text, fm.height(), w->height());
    // A control grown past its parent (the page, the dialog, a group box) is cut there.
    if (!w->parentWidget()->rect().contains(w->geometry()))
      fault(w, text + QStringLiteral(" (outside its parent)"), w->geometry().right(), w->parentWidget()->width());
  }
  // A caption or button grown over its neighbour: two controls of one parent overlap.
  const auto leaf = [](QWidget* w) {
    return qobject_cast<QLabel*>(w) || qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QComboBox*>(w) || qobject_cast<QProgressBar*>(w);
  };
  const QList<QWidget*> all = window.findChildren<QWidget*>();
  for (QWidget* a : all) {
    if (!a->isVisibleTo(&window) || !leaf(a) || a->isWindow()) continue;
    for (QWidget* b : all) {
      if (b <= a || b->parentWidget() != a->parentWidget() || !b->isVisibleTo(&window) || !leaf(b)) continue;
      // A combo box's own line edit and the like sit inside it, not beside it.
      if (a->isAncestorOf(b) || b->isAncestorOf(a)) continue;
      if (!qobject_cast<QLabel*>(a) && !qobject_cast<QAbstractButton*>(a) && !qobject_cast<QLabel*>(b) &&
          !qobject_cast<QAbstractButton*>(b))
        continue;
      if (a->geometry().intersects(b->geometry())) {
        const auto name = [](QWidget* w) {
          if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
          if (auto* bt = qobject_cast<QAbstractButton*>(w)) return bt->text();
          return w->objectName();
        };
        faults << QStringLiteral("\"%1\" overlaps \"%2\"").arg(name(a), name(b));
      }
    }
  }
  return faults;
}

// Texts a window shows in English where the catalogue in force has them in another
// language: a text set before the translation was, or shown without looking it up.
inline QStringList EnglishTexts(QWidget& window) {
  QStringList faults;
  const auto check = [&](QWidget* w, const QString& text) {
    if (!text.isEmpty() && !Texts::Translated(text.toUtf8().constData()).isNull())
      faults << QStringLiteral("%1 %2 \"%3\" is English")
                    .arg(QString::fromLatin1(w->metaObject()->className()), w->objectName(), text);
  };
  for (QWidget* w : window.findChildren<QWidget*>()) {
    if (!w->isVisibleTo(&window)) continue;
    check(w, w->toolTip());
    check(w, w->accessibleName());
    if (auto* label = qobject_cast<QLabel*>(w)) check(w, label->text());
    if (auto* button = qobject_cast<QAbstractButton*>(w)) check(w, button->text());
    if (auto* group = qobject_cast<QGroupBox*>(w)) check(w, group->title());
    if (auto* tabs = qobject_cast<QTabBar*>(w))
      for (int i = 0; i < tabs->count(); ++i) check(w, tabs->tabText(i));
    if (auto* header = qobject_cast<QHeaderView*>(w); header && header->model())
      for (int i = 0; i < header->count(); ++i)
        check(w, header->model()->headerData(i, header->orientation()).toString());
  }
  return faults;
}

// Items of one menu whose accelerator (the letter after '&') another item takes too.
inline QStringList SharedAccelerators(const QList<QAction*>& items) {
  QStringList faults;
  QMap<QChar, QString> taken;
  for (QAction* a : items) {
    const QString text = a->text().section(QLatin1Char('\t'), 0, 0);
    const qsizetype at = text.indexOf(QLatin1Char('&'));
    if (at < 0 || at + 1 >= text.size()) continue;
    const QChar key = text.at(at + 1).toLower();
    if (taken.contains(key)) faults << QStringLiteral("%1 and %2 share &%3").arg(taken[key], text, QString(key));
    taken.insert(key, text);
  }
  return faults;
}

}  // namespace i18ntest
