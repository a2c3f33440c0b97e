#include "ui/qt/qt_controls.h"

#include <QAction>
#include <QCheckBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QtGlobal>

#include "ui/qt/qt_style.h"

namespace ui::qt {

namespace {

// Handlers may replace themselves while they run: call a copy.
template <class F, class... Args>
void Fire(const F& handler, Args... args) {
  if (!handler) return;
  F copy = handler;
  copy(args...);
}

// The letter after a single '&' ("E&xit": 'x'); none without one.
QChar MnemonicOf(const QString& caption) {
  for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') return caption[i + 1];
    ++i;  // "&&" shows a plain '&'
  }
  return {};
}

// The window classes set plain captions ("Exit"); the button keeps the Alt key
// its form gave it when the new caption has that letter.
QString KeepMnemonic(const QString& caption, QChar key) {
  if (key.isNull() || caption.contains('&')) return caption;
  const qsizetype at = caption.indexOf(key, 0, Qt::CaseInsensitive);
  if (at < 0) return caption;
  return caption.left(at) + '&' + caption.mid(at);
}

constexpr int kDataRole = Qt::UserRole;
constexpr int kTextRole = Qt::UserRole + 1;  // the text as the window class gave it

}  // namespace

// ---- widgets -----------------------------------------------------------------

void ClickLabel::mousePressEvent(QMouseEvent* event) {
  pressed_ = event->button() == Qt::LeftButton;
  QLabel::mousePressEvent(event);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  const bool click = pressed_ && !afterDouble_ && event->button() == Qt::LeftButton &&
                     rect().contains(event->position().toPoint());
  pressed_ = false;
  afterDouble_ = false;
  if (click) Fire(clicked);
}

void ClickLabel::keyPressEvent(QKeyEvent* event) {
  const int key = event->key();
  if (focusPolicy() != Qt::NoFocus &&
      (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space)) {
    Fire(clicked);
    return;
  }
  QLabel::keyPressEvent(event);
}

void ClickLabel::paintEvent(QPaintEvent* event) {
  QLabel::paintEvent(event);
  if (!hasFocus()) return;
  QPainter painter(this);
  painter.setPen(QPen(QColor(255, 210, 63), 2));
  painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

void ClickLabel::mouseDoubleClickEvent(QMouseEvent* event) {
  QLabel::mouseDoubleClickEvent(event);
  if (event->button() != Qt::LeftButton) return;
  // The release that follows belongs to the double-click, not to a new click.
  afterDouble_ = true;
  pressed_ = false;
  Fire(doubleClicked);
}

void ListWidget::mousePressEvent(QMouseEvent* event) {
  // Only the left button picks an entry.
  if (event->button() != Qt::LeftButton) return;
  QListWidget::mousePressEvent(event);
  if (indexAt(event->position().toPoint()).isValid()) Fire(clicked);
}

void ListWidget::mouseMoveEvent(QMouseEvent* event) {
  const int before = currentRow();
  QListWidget::mouseMoveEvent(event);
  if ((event->buttons() & Qt::LeftButton) && currentRow() != before) Fire(clicked);
}

void ListWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const QPersistentModelIndex index = indexAt(event->position().toPoint());
  // Qt treats a double-click away from the entry just pressed as a press on the
  // new entry (a click); it is still a double-click on the entry now current.
  QListWidget::mouseDoubleClickEvent(event);
  if (index.isValid() && index == currentIndex()) Fire(doubleClicked);
}

void ListWidget::keyPressEvent(QKeyEvent* event) {
  const int before = currentRow();
  const QModelIndexList selectedBefore = selectedIndexes();
  QListWidget::keyPressEvent(event);
  if (currentRow() != before || selectedIndexes() != selectedBefore) Fire(clicked);
}

void ListWidget::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  viewport()->update();
}

void LineEdit::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  if (!text.isEmpty()) Fire(keyPressed, static_cast<int>(text.at(0).unicode()));
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    // Enter belongs to the text box, not to the window's default button.
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void LineEdit::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  // Another control took the focus; a menu, a message box or a closing window does not count.
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) return;
  if (!window()->isVisible()) return;
  Fire(lostFocus);
}

// ---- QtLabel -------------------------------------------------------------------

QtLabel::QtLabel(ClickLabel* widget, const QString& accessible)
    : widget_(widget), fixedName_(!accessible.isEmpty()) {
  widget->setTextFormat(Qt::PlainText);
  if (fixedName_) widget->setAccessibleName(accessible);
  widget->clicked = [this] { Fire(OnClick); };
  widget->doubleClicked = [this] { Fire(OnDblClick); };
}

QtLabel::~QtLabel() {
  if (widget_) widget_->clicked = widget_->doubleClicked = nullptr;
}

void QtLabel::SetVisible(bool visible) { widget_->setVisible(visible); }
bool QtLabel::Visible() const { return !widget_->isHidden(); }
void QtLabel::SetToolTip(const std::string& tip) { widget_->setToolTip(ToQt(tip)); }

void QtLabel::SetCaption(const std::string& caption) {
  caption_ = caption;
  const QString shown = ToQt(caption);
  widget_->setText(shown);
  if (!fixedName_) widget_->setAccessibleName(shown.trimmed());
}

std::string QtLabel::Caption() const { return caption_; }

void QtLabel::SetColor(ui::Rgb color) {
  QPalette palette = widget_->palette();
  palette.setColor(QPalette::WindowText, ToColor(color));
  widget_->setPalette(palette);
}

ui::Rgb QtLabel::Color() const { return FromColor(widget_->palette().color(QPalette::WindowText)); }

void QtLabel::SetBold(bool bold) {
  QFont font = widget_->font();
  font.setBold(bold);
  widget_->setFont(font);
}

bool QtLabel::Bold() const { return widget_->font().bold(); }

// ---- QtList ----------------------------------------------------------------------

QtList::QtList(ListWidget* widget) : widget_(widget) {
  widget->setSelectionMode(QAbstractItemView::SingleSelection);
  widget->setSortingEnabled(false);
  widget->clicked = [this] { Fire(OnClick); };
  widget->doubleClicked = [this] { Fire(OnDblClick); };
}

QtList::~QtList() {
  if (widget_) widget_->clicked = widget_->doubleClicked = nullptr;
}

void QtList::SetVisible(bool visible) { widget_->setVisible(visible); }
bool QtList::Visible() const { return !widget_->isHidden(); }
void QtList::SetToolTip(const std::string& tip) { widget_->setToolTip(ToQt(tip)); }

void QtList::Configure(bool sorted, bool multiSelect) {
  sorted_ = sorted;
  widget_->setSelectionMode(multiSelect ? QAbstractItemView::ExtendedSelection
                                        : QAbstractItemView::SingleSelection);
}

void QtList::Clear() {
  const QSignalBlocker block(widget_.data());
  widget_->clear();
}

void QtList::AddItem(const std::string& text, int data) {
  const QSignalBlocker block(widget_.data());
  int pos = widget_->count();
  if (sorted_) pos = ui::SortedInsertPos([this](int i) { return ItemText(i); }, pos, text);
  auto* item = new QListWidgetItem(ToQt(text));
  item->setData(kDataRole, data);
  item->setData(kTextRole, QByteArray::fromStdString(text));
  widget_->insertItem(pos, item);
}

int QtList::Count() const { return widget_->count(); }

QListWidgetItem* QtList::Item(int index) const {
  QListWidgetItem* item = widget_->item(index);
  if (item == nullptr)
    qFatal("%s: no entry %d of %d", qPrintable(widget_->objectName()), index, widget_->count());
  return item;
}

std::string QtList::ItemText(int index) const {
  return Item(index)->data(kTextRole).toByteArray().toStdString();
}

int QtList::ItemData(int index) const { return Item(index)->data(kDataRole).toInt(); }

void QtList::SetItemText(int index, const std::string& text) {
  const QSignalBlocker block(widget_.data());
  QListWidgetItem* item = Item(index);
  item->setText(ToQt(text));
  item->setData(kTextRole, QByteArray::fromStdString(text));
}

int QtList::ListIndex() const { return widget_->currentRow(); }

void QtList::SetListIndex(int index) {
  {
    const QSignalBlocker block(widget_.data());
    widget_->clearSelection();
    if (index >= 0) {
      widget_->setCurrentRow(index, QItemSelectionModel::ClearAndSelect);
      widget_->scrollToItem(widget_->item(index));
    } else {
      widget_->setCurrentRow(-1, QItemSelectionModel::Clear);
    }
  }
  Fire(OnClick);
}

bool QtList::Selected(int index) const { return Item(index)->isSelected(); }

void QtList::SetSelected(int index, bool selected) {
  const QSignalBlocker block(widget_.data());
  Item(index)->setSelected(selected);
}

// ---- QtText -------------------------------------------------------------------------

QtText::QtText(LineEdit* widget) : widget_(widget) {
  widget->keyPressed = [this](int key) { Fire(OnKeyPress, key); };
  widget->lostFocus = [this] { Fire(OnLostFocus); };
}

QtText::~QtText() {
  if (widget_) {
    widget_->keyPressed = nullptr;
    widget_->lostFocus = nullptr;
  }
}

void QtText::SetVisible(bool visible) { widget_->setVisible(visible); }
bool QtText::Visible() const { return !widget_->isHidden(); }
void QtText::SetToolTip(const std::string& tip) { widget_->setToolTip(ToQt(tip)); }

void QtText::SetText(const std::string& text) {
  const QSignalBlocker block(widget_.data());
  widget_->setText(ToQt(text));
}

std::string QtText::Text() const { return FromQt(widget_->text()); }
void QtText::SetLocked(bool locked) { widget_->setReadOnly(locked); }
bool QtText::Locked() const { return widget_->isReadOnly(); }

// ---- QtButton -------------------------------------------------------------------------

QtButton::QtButton(QPushButton* widget)
    : widget_(widget), mnemonic_(MnemonicOf(widget->text())), caption_(FromQt(widget->text())) {
  connection_ = QObject::connect(widget, &QPushButton::clicked, [this] { Fire(OnClick); });
}

QtButton::~QtButton() { QObject::disconnect(connection_); }

void QtButton::SetVisible(bool visible) { widget_->setVisible(visible); }
bool QtButton::Visible() const { return !widget_->isHidden(); }
void QtButton::SetToolTip(const std::string& tip) { widget_->setToolTip(ToQt(tip)); }
void QtButton::SetCaption(const std::string& caption) {
  caption_ = caption;
  widget_->setText(KeepMnemonic(ToQt(caption), mnemonic_));
}
std::string QtButton::Caption() const { return caption_; }
void QtButton::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }
bool QtButton::Enabled() const { return widget_->isEnabled(); }

// ---- QtToggle ---------------------------------------------------------------------------

QtToggle::QtToggle(QAbstractButton* widget)
    : widget_(widget), mnemonic_(MnemonicOf(widget->text())) {
  // clicked comes from the user (and click()), never from setChecked.
  connection_ = QObject::connect(widget, &QAbstractButton::clicked, [this] { Fire(OnClick); });
}

QtToggle::~QtToggle() { QObject::disconnect(connection_); }

void QtToggle::SetVisible(bool visible) { widget_->setVisible(visible); }
bool QtToggle::Visible() const { return !widget_->isHidden(); }
void QtToggle::SetToolTip(const std::string& tip) { widget_->setToolTip(ToQt(tip)); }

void QtToggle::SetValue(bool on) {
  const QSignalBlocker block(widget_.data());
  // An exclusive option button refuses to be switched off directly.
  const bool exclusive = widget_->autoExclusive();
  if (!on && exclusive) widget_->setAutoExclusive(false);
  widget_->setChecked(on);
  if (!on && exclusive) widget_->setAutoExclusive(true);
}

bool QtToggle::Value() const { return widget_->isChecked(); }
void QtToggle::SetCaption(const std::string& caption) {
  widget_->setText(KeepMnemonic(ToQt(caption), mnemonic_));
}

// ---- QtMenuItem -------------------------------------------------------------------------

QtMenuItem::QtMenuItem(QAction* action) : action_(action) {
  connection_ = QObject::connect(action, &QAction::triggered, [this] {
    if (action_ && action_->isVisible()) Fire(OnClick);
  });
}

QtMenuItem::~QtMenuItem() { QObject::disconnect(connection_); }

// Qt also disables a hidden action, so its shortcut does nothing.
void QtMenuItem::SetVisible(bool visible) { action_->setVisible(visible); }
bool QtMenuItem::Visible() const { return action_->isVisible(); }

// ---- ControlSet ----------------------------------------------------------------------------

namespace {

void Place(QWidget* widget, std::string_view name, int index, QRect geometry) {
  widget->setObjectName(QString::fromStdString(ui::ControlName(name, index)));
  widget->setGeometry(geometry);
}

}  // namespace

QLabel* ControlSet::AddLabel(QWidget* parent, std::string_view name, int index, QRect geometry,
                             const QString& text, const QString& accessible) {
  auto* widget = new ClickLabel(parent);
  Place(widget, name, index, geometry);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, Qt::white);
  widget->setPalette(palette);
  auto control = std::make_unique<QtLabel>(widget, accessible);
  control->SetCaption(text.toStdString());
  labels_[ui::ControlName(name, index)] = std::move(control);
  return widget;
}

QListWidget* ControlSet::AddList(QWidget* parent, std::string_view name, int index, QRect geometry,
                                 const QString& accessible) {
  auto* widget = new ListWidget(parent);
  Place(widget, name, index, geometry);
  widget->setAccessibleName(accessible);
  lists_[ui::ControlName(name, index)] = std::make_unique<QtList>(widget);
  return widget;
}

QLineEdit* ControlSet::AddText(QWidget* parent, std::string_view name, int index, QRect geometry,
                               const QString& accessible) {
  auto* widget = new LineEdit(parent);
  Place(widget, name, index, geometry);
  widget->setAccessibleName(accessible);
  texts_[ui::ControlName(name, index)] = std::make_unique<QtText>(widget);
  return widget;
}

QPushButton* ControlSet::AddButton(QWidget* parent, std::string_view name, int index,
                                   QRect geometry, const QString& caption,
                                   const QString& accessible) {
  auto* widget = new QPushButton(caption, parent);
  Place(widget, name, index, geometry);
  widget->setAutoDefault(false);
  if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
  buttons_[ui::ControlName(name, index)] = std::make_unique<QtButton>(widget);
  return widget;
}

QAbstractButton* ControlSet::AddToggle(QWidget* parent, std::string_view name, int index,
                                       QRect geometry, const QString& caption,
                                       const QString& accessible, bool option, ToggleStyle style) {
  QAbstractButton* widget = nullptr;
  if (style == ToggleStyle::Picture) {
    auto* button = new QPushButton(caption, parent);
    button->setCheckable(true);
    button->setAutoDefault(false);
    button->setAutoExclusive(option);
    widget = button;
  } else if (option) {
    widget = new QRadioButton(caption, parent);
  } else {
    widget = new QCheckBox(caption, parent);
  }
  Place(widget, name, index, geometry);
  if (!accessible.isEmpty()) widget->setAccessibleName(accessible);
  auto& map = option ? options_ : checks_;
  map[ui::ControlName(name, index)] = std::make_unique<QtToggle>(widget);
  return widget;
}

void ControlSet::AddMenu(std::string_view name, QAction* action) {
  action->setObjectName(QString::fromStdString(std::string(name)));
  menus_[std::string(name)] = std::make_unique<QtMenuItem>(action);
}

template <class T>
T& ControlSet::Find(std::map<std::string, std::unique_ptr<T>, std::less<>>& map,
                    std::string_view name, int index, const char* kind) {
  const auto it = map.find(ui::ControlName(name, index));
  if (it == map.end()) {
    qFatal("%s has no %s named %s", qPrintable(owner_->objectName()), kind,
           ui::ControlName(name, index).c_str());
  }
  return *it->second;
}

QtLabel& ControlSet::Label(std::string_view n, int i) { return Find(labels_, n, i, "label"); }
QtList& ControlSet::List(std::string_view n, int i) { return Find(lists_, n, i, "list"); }
QtText& ControlSet::Text(std::string_view n, int i) { return Find(texts_, n, i, "text box"); }
QtButton& ControlSet::Button(std::string_view n, int i) { return Find(buttons_, n, i, "button"); }
QtToggle& ControlSet::Check(std::string_view n, int i) { return Find(checks_, n, i, "check box"); }
QtToggle& ControlSet::Option(std::string_view n, int i) {
  return Find(options_, n, i, "option button");
}
QtMenuItem& ControlSet::Menu(std::string_view n) { return Find(menus_, n, -1, "menu item"); }

}  // namespace ui::qt
