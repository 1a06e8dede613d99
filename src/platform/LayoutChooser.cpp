#include "platform/LayoutChooser.h"

#include "base/Say.h"
#include "platform/QtPictures.h"
#include "platform/Translation.h"

#include <QApplication>
#include <QCollator>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QScreen>
#include <QStyledItemDelegate>
#include <QVBoxLayout>

#include <algorithm>
#include <vector>

namespace velmor {

namespace {

enum Role { NumberRole = Qt::UserRole, LayersRole, RecordRole, ClearableRole, InPlayRole, RowRole };

constexpr int CardWidth = 172, CardHeight = 194, CardGap = 8, CardInset = 10;

// A card per layout: the sketch, the name under it, then its layers, the player's record and how
// many of its deals can be cleared.
class CardDelegate : public QStyledItemDelegate {
  VELMOR_SPEAKS(velmor)

 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  // Wide enough for the longest line a card shows, so no line is cut in a wordier language or a
  // font that sets wider.
  int width = CardWidth;

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override { return {width, CardHeight}; }

  void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
    p->save();
    p->setRenderHint(QPainter::Antialiasing);
    const QRectF card = QRectF(option.rect).adjusted(3.5, 3.5, -3.5, -3.5);
    const bool selected = option.state & QStyle::State_Selected;
    const bool hovered = option.state & QStyle::State_MouseOver;
    const QPalette& pal = option.palette;
    QPainterPath outline;
    outline.addRoundedRect(card, 7, 7);
    p->fillPath(outline, selected ? pal.color(QPalette::Highlight).lighter(185) : pal.color(QPalette::Base));
    p->setPen(QPen(selected  ? pal.color(QPalette::Highlight)
                   : hovered ? pal.color(QPalette::Highlight).lighter(140)
                             : pal.color(QPalette::Mid),
                   selected ? 2.0 : 1.0));
    p->drawPath(outline);

    const QPixmap sketch = index.data(Qt::DecorationRole).value<QPixmap>();
    const QRect picture(option.rect.left() + (option.rect.width() - sketch.width()) / 2, option.rect.top() + 9,
                        sketch.width(), sketch.height());
    QPainterPath rounded;
    rounded.addRoundedRect(QRectF(picture), 4, 4);
    p->setClipPath(rounded);
    p->drawPixmap(picture.topLeft(), sketch);
    p->setClipping(false);

    QRect line(option.rect.left() + CardInset, picture.bottom() + 5, LayoutChooser::CardTextWidth(option.rect), 18);
    bool first = true;
    for (const LayoutChooser::CardLine& text : LayoutChooser::CardLines(index, option.font)) {
      if (!first) line.translate(0, line.height() - 2);
      p->setFont(text.font);
      p->setPen(first ? pal.color(QPalette::Text) : pal.color(QPalette::PlaceholderText));
      p->drawText(line, Qt::AlignHCenter | Qt::AlignVCenter,
                  QFontMetrics(text.font).elidedText(text.text, Qt::ElideRight, line.width()));
      first = false;
    }
    p->restore();
  }
};

}  // namespace

std::vector<LayoutChooser::CardLine> LayoutChooser::CardLines(const QModelIndex& index, const QFont& font) {
  QFont name = font, small = font;
  name.setBold(true);
  small.setPointSizeF(font.pointSizeF() * 0.9);
  QString title = index.data(Qt::DisplayRole).toString();
  if (index.data(InPlayRole).toBool()) title = Say(Fill(VELMOR_TEXT("%1 \u2022 in play"), title.toStdString()));
  std::vector<CardLine> lines{{title, name}};
  for (int role : {LayersRole, RecordRole, ClearableRole}) lines.push_back({index.data(role).toString(), small});
  return lines;
}

int LayoutChooser::CardTextWidth(const QRect& card) { return card.width() - 2 * CardInset; }

LayoutChooser::LayoutChooser(const LayoutChooserModel& model, QWidget* parent) : QDialog(parent), model_(model) {
  setWindowTitle(Say(VELMOR_TEXT("Velmor - Choose Layout")));
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(10, 10, 10, 10);

  auto* top = new QHBoxLayout();
  auto* find = new QLabel(Say(VELMOR_TEXT("&Filter:")), this);
  filter_ = new QLineEdit(this);
  filter_->setPlaceholderText(Say(VELMOR_TEXT("Type part of a layout's name")));
  filter_->setClearButtonEnabled(true);
  find->setBuddy(filter_);
  top->addWidget(find);
  top->addWidget(filter_, 1);
  column->addLayout(top);

  list_ = new QListWidget(this);
  list_->setViewMode(QListView::IconMode);
  list_->setMovement(QListView::Static);
  list_->setResizeMode(QListView::Adjust);
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setUniformItemSizes(true);
  list_->setSelectionMode(QAbstractItemView::SingleSelection);
  list_->setMouseTracking(true);
  auto* cards = new CardDelegate(list_);
  list_->setItemDelegate(cards);
  list_->setFrameShape(QFrame::NoFrame);
  QPalette back = list_->palette();
  back.setColor(QPalette::Base, palette().color(QPalette::Window).darker(104));
  list_->viewport()->setPalette(back);
  list_->viewport()->setBackgroundRole(QPalette::Base);
  QListWidgetItem* inPlay = nullptr;
  // The cards go in the order of the names as shown: translated names are sorted as their
  // language sorts them.
  std::vector<size_t> order(model_.Rows().size());
  for (size_t k = 0; k < order.size(); ++k) order[k] = k;
  if (Translation::Current().Code() != "") {
    QCollator collator{QLocale(QString::fromStdString(Translation::Current().Code()))};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) {
      return collator.compare(Say(model_.Rows()[a].name), Say(model_.Rows()[b].name)) < 0;
    });
  }
  for (size_t k : order) {
    const LayoutChoiceRow& row = model_.Rows()[k];
    auto* item = new QListWidgetItem(Say(row.name), list_);
    item->setData(RowRole, static_cast<int>(k));
    const Picture& sketch = *row.sketch;
    item->setData(Qt::DecorationRole, QPixmap::fromImage(OpaqueImage(sketch)));
    item->setData(NumberRole, row.number);
    item->setData(LayersRole, Say(row.LayersText()));
    item->setData(RecordRole, Say(row.RecordText()));
    item->setData(ClearableRole, Say(row.ClearableText()));
    item->setData(InPlayRole, row.number == model_.Current());
    item->setToolTip(Say(row.name));
    if (row.number == model_.Current()) inPlay = item;
  }
  int widest = 0;
  for (int i = 0; i < list_->count(); ++i)
    for (const CardLine& line : CardLines(list_->model()->index(i, 0), list_->font()))
      widest = std::max(widest, QFontMetrics(line.font).horizontalAdvance(line.text));
  cards->width = std::clamp(widest + 2 * CardInset + 4, CardWidth, 2 * CardWidth);
  list_->setGridSize(QSize(cards->width + CardGap, CardHeight + CardGap));
  column->addWidget(list_, 1);

  none_ = new QLabel(this);
  none_->setAlignment(Qt::AlignCenter);
  none_->hide();
  column->addWidget(none_);

  auto* bottom = new QHBoxLayout();
  auto* hint = new QLabel(Say(VELMOR_TEXT("Double-click a layout or press Return to play it.")), this);
  hint->setForegroundRole(QPalette::PlaceholderText);
  bottom->addWidget(hint, 1);
  play_ = new QPushButton(Say(VELMOR_TEXT("&Play Layout")), this);
  play_->setDefault(true);
  auto* close = new QPushButton(Say(VELMOR_TEXT("Close")), this);
  bottom->addWidget(play_);
  bottom->addWidget(close);
  column->addLayout(bottom);

  connect(filter_, &QLineEdit::textChanged, this, [this](const QString& text) { ApplyFilter(text); });
  connect(list_, &QListWidget::itemDoubleClicked, this, [this] { Play(); });
  connect(play_, &QPushButton::clicked, this, [this] { Play(); });
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  filter_->installEventFilter(this);

  // Five cards across, three rows down, fewer where the screen is smaller (a scaled desktop, a
  // wordier language); the window may be made larger.
  const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
  const QSize room = screen ? screen->availableGeometry().size() * 9 / 10 : QSize(4096, 4096);
  const int frame = 2 * 10 + list_->style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 8, below = 110;
  const int across = std::clamp((room.width() - frame) / (cards->width + CardGap), 2, 5);
  const int down = std::clamp((room.height() - below) / (CardHeight + CardGap), 1, 3);
  resize(across * (cards->width + CardGap) + frame, down * (CardHeight + CardGap) + below);
  if (inPlay) {
    list_->setCurrentItem(inPlay);
    list_->scrollToItem(inPlay, QAbstractItemView::PositionAtCenter);
  } else if (list_->count() > 0) {
    list_->setCurrentRow(0);
  }
  filter_->setFocus();
}

void LayoutChooser::ApplyFilter(const QString& text) {
  const std::string filter = text.toStdString();
  int shown = 0;
  for (int i = 0; i < list_->count(); ++i) {
    // The name as shown, in the player's language, or as the layout file has it.
    const bool match = LayoutChooserModel::Matches(model_.Rows()[list_->item(i)->data(RowRole).toUInt()], filter) ||
                       list_->item(i)->text().contains(text.trimmed(), Qt::CaseInsensitive);
    list_->item(i)->setHidden(!match);
    shown += match;
  }
  // Return plays what is highlighted, so a layout the filter hides is never the one highlighted.
  QListWidgetItem* current = list_->currentItem();
  if (!current || current->isHidden()) {
    list_->setCurrentItem(nullptr);
    for (int i = 0; i < list_->count(); ++i)
      if (!list_->item(i)->isHidden()) {
        list_->setCurrentRow(i);
        break;
      }
  }
  if (list_->currentItem()) list_->scrollToItem(list_->currentItem());
  none_->setText(Say(Fill(VELMOR_TEXT("No layout's name holds \u201C%1\u201D."), text.trimmed().toStdString())));
  none_->setVisible(shown == 0);
  play_->setEnabled(shown > 0);
}

void LayoutChooser::Play() {
  QListWidgetItem* item = list_->currentItem();
  if (!item || item->isHidden() || chosen_ != 0) return;
  chosen_ = item->data(NumberRole).toInt();
  accept();
}

// The arrow keys move through the pictures while the filter keeps the typing.
bool LayoutChooser::eventFilter(QObject* watched, QEvent* event) {
  if (watched == filter_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
      QApplication::sendEvent(list_, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace velmor
