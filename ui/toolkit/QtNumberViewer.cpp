#include "ui/toolkit/QtNumberViewer.h"

#include <QAbstractListModel>
#include <QClipboard>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QListView>
#include <QLocale>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>
#include <utility>

namespace tesselon {

namespace {

QString numberWord(qsizetype count, const char* unit) {
  return QStringLiteral("%1 %2%3").arg(QLocale(QLocale::English).toString(count),
                                       QLatin1String(unit),
                                       count == 1 ? QString() : QStringLiteral("s"));
}

bool isDecimalNumber(std::string_view text) {
  if (text.starts_with('-')) text.remove_prefix(1);
  return !text.empty() &&
         std::ranges::all_of(text, [](char c) { return (c >= '0' && c <= '9') || c == '.'; }) &&
         std::ranges::count(text, '.') <= 1;
}

}  // namespace

// The lines of the viewer, formed when the view asks for them.
class NumberLines final : public QAbstractListModel {
 public:
  explicit NumberLines(std::string text, QObject* parent)
      : QAbstractListModel(parent),
        text_(std::move(text)),
        positionWidth_(static_cast<int>(QString::number(text_.size()).size())) {}

  int rowCount(const QModelIndex& parent) const override {
    if (parent.isValid()) return 0;
    const auto per = static_cast<size_t>(QtNumberViewer::CharactersPerLine);
    return static_cast<int>((text_.size() + per - 1) / per);
  }

  QVariant data(const QModelIndex& index, int role) const override {
    if (role != Qt::DisplayRole) return {};
    const std::string_view line = characters(index.row());
    QString shown = QStringLiteral("%1 ").arg(firstPosition(index.row()), positionWidth_);
    for (size_t at = 0; at < line.size(); at += QtNumberViewer::GroupSize) {
      const std::string_view group = line.substr(at, QtNumberViewer::GroupSize);
      shown += ' ' + QString::fromUtf8(group.data(), static_cast<qsizetype>(group.size()));
    }
    return shown;
  }

  std::string_view characters(int row) const {
    return std::string_view(text_).substr(
        static_cast<size_t>(row) * QtNumberViewer::CharactersPerLine,
        QtNumberViewer::CharactersPerLine);
  }

  static qsizetype firstPosition(int row) {
    return static_cast<qsizetype>(row) * QtNumberViewer::CharactersPerLine + 1;
  }

  const std::string& text() const { return text_; }

 private:
  std::string text_;
  int positionWidth_;
};

QString QtNumberViewer::summary(const std::string& text) {
  if (!isDecimalNumber(text)) return numberWord(QString::fromStdString(text).size(), "character");
  const size_t sign = text.starts_with('-') ? 1 : 0;
  const size_t point = std::min(text.find('.'), text.size());
  const auto integerDigits = static_cast<qsizetype>(point - sign);
  const auto decimals = static_cast<qsizetype>(text.size() - std::min(point + 1, text.size()));
  return numberWord(integerDigits, "integer digit") + QStringLiteral(", ") +
         (decimals == 0 ? QStringLiteral("no decimals") : numberWord(decimals, "decimal"));
}

QtNumberViewer::QtNumberViewer(QWidget* parent, const QString& title, std::string text)
    : QWidget(parent, Qt::Window) {
  setObjectName(QLatin1String(ObjectName));
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle(title);
  auto* layout = new QVBoxLayout(this);
  auto* heading = new QLabel(summary(text), this);
  heading->setObjectName(QStringLiteral("summary"));
  layout->addWidget(heading);

  lines_ = new NumberLines(std::move(text), this);
  view_ = new QListView(this);
  view_->setUniformItemSizes(true);
  view_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view_->setModel(lines_);
  view_->setAccessibleName(title);
  layout->addWidget(view_);

  auto* tools = new QHBoxLayout;
  tools->addWidget(new QLabel(QStringLiteral("Position:"), this));
  position_ = new QSpinBox(this);
  position_->setObjectName(QStringLiteral("position"));
  position_->setAccessibleName(QStringLiteral("Position"));
  position_->setRange(1, static_cast<int>(std::clamp<size_t>(lines_->text().size(), 1,
                                                             std::numeric_limits<int>::max())));
  position_->setGroupSeparatorShown(true);
  tools->addWidget(position_);
  auto* go = new QPushButton(QStringLiteral("Go To"), this);
  connect(go, &QPushButton::clicked, this, &QtNumberViewer::goToPosition);
  connect(position_, &QSpinBox::editingFinished, this, &QtNumberViewer::goToPosition);
  tools->addWidget(go);
  found_ = new QLabel(this);
  found_->setObjectName(QStringLiteral("found"));
  tools->addWidget(found_, 1);
  auto* copy = new QPushButton(QStringLiteral("Copy"), this);
  copy->setToolTip(QStringLiteral("Copies the selected lines, or everything when none is"));
  connect(copy, &QPushButton::clicked, this, &QtNumberViewer::copySelectedOrAll);
  tools->addWidget(copy);
  layout->addLayout(tools);

  connect(new QShortcut(QKeySequence::Copy, view_), &QShortcut::activated, this,
          &QtNumberViewer::copySelectedOrAll);
  connect(new QShortcut(QKeySequence::Close, this), &QShortcut::activated, this, &QWidget::close);
  connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
          &QWidget::close);
  resize(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 90, 480);
}

void QtNumberViewer::goToPosition() {
  const int position = position_->value();
  const int row = (position - 1) / CharactersPerLine;
  const QModelIndex line = lines_->index(row);
  view_->selectionModel()->select(line, QItemSelectionModel::ClearAndSelect);
  view_->setCurrentIndex(line);
  view_->scrollTo(line, QAbstractItemView::PositionAtCenter);
  const char character = lines_->text()[static_cast<size_t>(position - 1)];
  found_->setText(QStringLiteral("Position %1: %2")
                      .arg(QLocale(QLocale::English).toString(position), QChar(character)));
}

void QtNumberViewer::copySelectedOrAll() {
  QModelIndexList selected = view_->selectionModel()->selectedRows();
  if (selected.isEmpty()) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(lines_->text()));
    return;
  }
  std::ranges::sort(selected, {}, &QModelIndex::row);
  std::string copied;
  for (const QModelIndex& line : selected) copied += lines_->characters(line.row());
  QGuiApplication::clipboard()->setText(QString::fromStdString(copied));
}

}  // namespace tesselon
