#include "gui/tedit.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

TEdit::TEdit(QWidget* Parent) : QLineEdit(Parent) {}

bool TEdit::event(QEvent* Event) {
  if (Event->type() == QEvent::KeyRelease && FSwallowedKey != 0) {
    auto* key = static_cast<QKeyEvent*>(Event);
    if (key->key() == FSwallowedKey && !key->isAutoRepeat()) {
      FSwallowedKey = 0;
      Event->accept();
      return true;
    }
  }
  return QLineEdit::event(Event);
}

void TEdit::keyPressEvent(QKeyEvent* Event) {
  if (OnKeyDown && (Event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier && OnKeyDown(Event->key())) {
    Event->accept();
    return;
  }
  char16_t key = 0;
  if (Event->key() == Qt::Key_Return || Event->key() == Qt::Key_Enter) {
    key = u'\r';
  } else if (Event->text().size() == 1) {
    key = Event->text().at(0).unicode();
  }
  if (key != 0) {
    if (FDigitsOnly && key >= u' ' && (key < u'0' || key > u'9')) {
      Event->accept();
      return;
    }
    if (OnKeyPress) {
      OnKeyPress(key);
      if (key == 0) {
        FSwallowedKey = Event->key();
        Event->accept();
        return;
      }
    }
  }
  QLineEdit::keyPressEvent(Event);
}

void TEdit::focusInEvent(QFocusEvent* Event) {
  QLineEdit::focusInEvent(Event);
  // Focus given back by the program (the mouse moving onto the line) keeps
  // the cursor where it was, so typing goes on where it stopped.
  if (Event->reason() == Qt::OtherFocusReason) return;
  if (FAutoSelect) {
    selectAll();
  } else {
    deselect();
  }
}

void TEdit::enterEvent(QEnterEvent* Event) {
  QLineEdit::enterEvent(Event);
  if (OnMouseEnter) OnMouseEnter();
}

void TEdit::contextMenuEvent(QContextMenuEvent* Event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  if (OnContextMenu) OnContextMenu(*menu);
  menu->popup(Event->globalPos());
}
