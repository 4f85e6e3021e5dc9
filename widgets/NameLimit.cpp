#include "widgets/NameLimit.h"

#include <QApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QStatusTipEvent>
#include <QValidator>

#include "widgets/Texts.h"

namespace {

// Characters, not UTF-16 units: each stored character is one byte in the record.
qsizetype Characters(const QString& text) { return text.toUcs4().size(); }

// One character back from `at`, a surrogate pair as one.
qsizetype CharacterBefore(const QString& text, qsizetype at) {
  if (at >= 2 && text[at - 1].isLowSurrogate() && text[at - 2].isHighSurrogate()) return at - 2;
  return at - 1;
}

// The main window's status bar shows a status tip; a dialog passes it to the window it
// belongs to, and a dialog made without a parent to the application's main window.
void TellStatusBar(QWidget* from, const QString& text) {
  QWidget* w = from->window();
  while (!qobject_cast<QMainWindow*>(w) && w->parentWidget()) w = w->parentWidget()->window();
  if (!qobject_cast<QMainWindow*>(w))
    for (QWidget* top : QApplication::topLevelWidgets())
      if (qobject_cast<QMainWindow*>(top)) w = top;
  QStatusTipEvent tip(text);
  QApplication::sendEvent(w, &tip);
}

class ByteLimit : public QValidator {
 public:
  ByteLimit(QLineEdit* edit, std::size_t width) : QValidator(edit), edit_(edit), width_(qsizetype(width)) {}

  State validate(QString& input, int& pos) const override {
    if (Characters(input) <= width_) return Acceptable;
    qsizetype end = qBound(qsizetype(0), qsizetype(pos), input.size());
    qsizetype start = end;
    for (qsizetype excess = Characters(input) - width_; excess > 0 && start > 0; --excess)
      start = CharacterBefore(input, start);
    input.remove(start, end - start);
    pos = int(start);
    // With the cursor at the start nothing was entered before it: the end goes.
    while (Characters(input) > width_) input.truncate(CharacterBefore(input, input.size()));
    TellStatusBar(edit_, Texts::Q(Texts::kNameCut).arg(width_));
    return Acceptable;
  }

 private:
  QLineEdit* edit_;
  qsizetype width_;
};

}  // namespace

namespace NameLimit {

void Attach(QLineEdit* edit, std::size_t width) {
  // The validator cuts and reports; the edit's own limit would cut first, without a word.
  edit->setMaxLength(32767);
  edit->setValidator(new ByteLimit(edit, width));
}

}  // namespace NameLimit
