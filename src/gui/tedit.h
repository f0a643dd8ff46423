// TEdit: a single-line edit with the few behaviours the windows ask for.
//
// - OnKeyPress sees each typed character first and may replace it with 0,
//   which swallows the key (Enter starts a search instead of reaching the
//   window). Enter and keypad Enter both arrive as character 13. The release
//   of a swallowed key is swallowed too: it would only restart the cursor's
//   blinking, and the repaint that costs would hold up the search it began.
// - DigitsOnly drops typed characters other than 0-9; pasted or
//   programmatically set text is not filtered, as with a native number box.
// - AutoSelect chooses whether the whole text is selected on entry by the
//   keyboard or the mouse; focus the program gives (OtherFocusReason, as
//   when the mouse moves onto the line) leaves cursor and selection alone.
// - OnMouseEnter is raised when the mouse moves onto the edit.
// - OnKeyDown sees each key pressed without Shift, Ctrl, Alt or Meta before
//   the edit does; answering true takes the key from the edit.
// - OnContextMenu may add entries to the standard context menu before it
//   shows; the menu deletes itself when closed.
#pragma once

#include <QLineEdit>

#include <functional>

class QMenu;

class TEdit : public QLineEdit {
  Q_OBJECT
 public:
  explicit TEdit(QWidget* Parent);

  void SetDigitsOnly(bool Value) { FDigitsOnly = Value; }
  void SetAutoSelect(bool Value) { FAutoSelect = Value; }

  std::function<void(char16_t& Key)> OnKeyPress;
  std::function<void()> OnMouseEnter;
  std::function<bool(int Key)> OnKeyDown;
  std::function<void(QMenu& Menu)> OnContextMenu;

 protected:
  bool event(QEvent* Event) override;
  void keyPressEvent(QKeyEvent* Event) override;
  void focusInEvent(QFocusEvent* Event) override;
  void enterEvent(QEnterEvent* Event) override;
  void contextMenuEvent(QContextMenuEvent* Event) override;

 private:
  bool FDigitsOnly = false;
  bool FAutoSelect = false;
  // The key whose press OnKeyPress swallowed, until its release; 0 for none.
  int FSwallowedKey = 0;
};
