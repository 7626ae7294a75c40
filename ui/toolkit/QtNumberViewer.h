#pragma once

#include <QWidget>
#include <string>

class QLabel;
class QListView;
class QSpinBox;

namespace tesselon {

class NumberLines;

// A window that shows one number whole, however long, for reading: its
// characters in groups of ten, fifty to a line, each line led by the
// position of its first character; how many integer digits and decimals it
// has; a position to go to; copying the selected lines or everything. Only
// the lines in sight are ever formed, so it opens at once for any length.
class QtNumberViewer final : public QWidget {
 public:
  QtNumberViewer(QWidget* parent, const QString& title, std::string text);

  static constexpr int CharactersPerLine = 50;
  static constexpr int GroupSize = 10;
  // Object name of the window, for tests.
  static constexpr char ObjectName[] = "number-viewer";

  // "3 integer digits, 5 decimals"; for a text that is no decimal number
  // its length in characters.
  static QString summary(const std::string& text);

 private:
  void goToPosition();
  void copySelectedOrAll();

  NumberLines* lines_;
  QListView* view_;
  QSpinBox* position_;
  QLabel* found_;
};

}  // namespace tesselon
