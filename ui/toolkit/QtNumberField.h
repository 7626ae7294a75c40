#pragma once

#include <QKeySequence>
#include <QLineEdit>
#include <functional>
#include <string>

namespace tesselon {

// An entry field for numbers of any length.
//
// QLineEdit lays out and repaints its whole text on every keystroke and
// every blink of the caret, which takes seconds at a million characters, and
// it draws the wrong part of texts beyond about a million. So a text longer
// than LongText characters is held here and shown as its beginning and its
// end with the count between; the whole text is what is read, copied, viewed
// and computed with. In that form typing appends at the end, Backspace takes
// the last character away, and with everything selected typing, Delete,
// Backspace and pasting replace the whole text.
//
// In either form pasting cleans the clipboard's text of what is plainly not
// meant to be part of a number (surrounding blanks and line breaks, group
// separators between digits); a double-click selects the whole number, and
// selecting everything also sets the primary selection; copying with
// nothing selected copies the whole text.
class QtNumberField final : public QLineEdit {
  Q_OBJECT

 public:
  static constexpr qsizetype LongText = 10000;

  explicit QtNumberField(QWidget* parent);

  // The text as the program sets it: the view starts at its beginning.
  void setWhole(const std::string& text);
  std::string whole() const;
  QString wholeText() const;
  // The long text the field holds; empty while it shows its text as it is.
  const std::string& longText() const { return whole_; }
  bool isAbridged() const { return abridged_; }
  // Puts the caret after the last character, nothing selected.
  void moveCaretToEnd();
  void copyWhole() const;

  // Called after each edit of the user.
  std::function<void()> edited;
  // Called for an operation character typed where it cannot belong to the
  // number, with the shortcut of the key it stands for; true when that key
  // was pressed.
  std::function<bool(const QKeySequence&)> operatorTyped;
  // Called when the user asks to see the whole number.
  std::function<void()> viewRequested;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void dropEvent(QDropEvent* event) override;

 private:
  void showWhole(std::string text);
  // The beginning and end of the long text with the count between, as wide
  // as the field.
  QString abridgedForm() const;
  void replaceByUser(std::string text);
  void editAbridged(const std::function<void(std::string&)>& edit);
  void pasteCleaned(const QString& pasted);
  void typeIntoAbridged(QKeyEvent* event);
  bool everythingSelected() const;
  bool fitsTheField() const;
  // Where typed text goes in, counted in characters of the whole text.
  qsizetype insertPosition() const;
  void afterUserEdit();
  void offerPrimarySelection() const;

  // The long text; empty while the field shows its text as it is.
  std::string whole_;
  bool abridged_ = false;
};

// What pasting keeps of a text: without the blanks and line breaks around
// it, and without blanks, thin spaces and underscores that separate groups
// of digits ("1 000 000", "3.141_592"). Anything else is kept as it is.
QString cleanedForPaste(const QString& pasted);

// The key shortcut an operation character stands for when typed into an
// operand field ("+" for Ctrl++, "×" for Ctrl+*), or an empty sequence; a
// minus typed as the first character is the sign.
QKeySequence operatorShortcut(const QString& typed, qsizetype insertPosition);

}  // namespace tesselon
