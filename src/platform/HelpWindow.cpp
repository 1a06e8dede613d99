#include "platform/HelpWindow.h"

#include "base/Say.h"
#include "base/Version.h"
#include "platform/QtPictures.h"
#include "platform/Translation.h"

#include <QComboBox>
#include <QDesktopServices>
#include <QFile>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

namespace velmor {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }

// A page whose picture background is stretched to the page.
class BackdropPage : public QWidget {
 public:
  BackdropPage(const QPixmap& backdrop, QWidget* parent) : QWidget(parent), backdrop_(backdrop) {}

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    if (backdrop_.isNull())
      p.fillRect(rect(), QColor(250, 214, 160));
    else
      p.drawPixmap(rect(), backdrop_);
  }

 private:
  QPixmap backdrop_;
};

// The page's words are translated one sentence at a time; its markup stays here.
QString AboutHtml() {
  return QString(
             "<div style='font-family:\"Courier New\"; font-size:30pt; font-weight:bold; "
             "color:#c00000;'>Velmor " VELMOR_VERSION
             "</div>"
             "<p style='font-size:11pt;'>%1</p>"
             "<p>%2<br>%3</p>"
             "<p><a href='https://velmor.example.org/'>velmor.example.org</a> &nbsp; "
             "<a href='https://velmor.example.org/layouts/'>%4</a><br>"
             "<a href='mailto:players@velmor.example.org'>players@velmor.example.org</a> &nbsp; "
             "<a href='mailto:layouts@velmor.example.org'>layouts@velmor.example.org</a></p>")
      .arg(Say(VELMOR_TEXT("Mah-Jongg solitaire and Voverizo Dadazu for the Linux desktop.")).toHtmlEscaped(),
           Say(VELMOR_TEXT(
                   "Tiles, backgrounds, layouts, tunes and sounds were made for this game by its own generators."))
               .toHtmlEscaped(),
           Say(VELMOR_TEXT("Thanks to everyone who played the earlier versions and sent ideas and layouts."))
               .toHtmlEscaped(),
           Say(VELMOR_TEXT("More layouts")).toHtmlEscaped());
}

const char* const FrenchHtml =
    "<h2 style='color:#8a1010;'>Velmor : le solitaire Mah-Jongg</h2>"
    "<p>Velmor est un jeu de patience : un tas de 144 tuiles est pos&eacute; sur la table, sur "
    "plusieurs &eacute;tages.</p>"
    "<p><b>But du jeu :</b> retirer toutes les tuiles, deux par deux, jusqu'&agrave; vider le plateau.</p>"
    "<p><b>Tuiles libres :</b> on ne peut prendre qu'une tuile libre, c'est-&agrave;-dire sans tuile "
    "au-dessus d'elle et avec au moins un c&ocirc;t&eacute;, gauche ou droit, d&eacute;gag&eacute;.</p>"
    "<p><b>Paires :</b> deux tuiles identiques forment une paire. Les quatre fleurs vont ensemble, "
    "de m&ecirc;me que les quatre saisons, bien que chacune ait son propre dessin.</p>"
    "<p style='font-size:8pt;'>Ce jeu est distribu&eacute; tel quel, sans garantie d'aucune sorte.</p>";
}  // namespace

HelpWindow::HelpWindow(TVelmor& game, QWidget* parent) : QDialog(parent), game_(game) {
  setWindowTitle(Say(VELMOR_TEXT("Velmor - Help")));
  setWindowFlags(Qt::Dialog | Qt::WindowStaysOnTopHint | Qt::WindowCloseButtonHint | Qt::WindowMaximizeButtonHint);
  // The pages were laid out for this size; the player may make the window larger.
  setMinimumSize(616, 438);
  background_.load(Text(game_.Folders.AppFolder + "orange.jpg"));

  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(4, 4, 4, 4);
  pages_ = new QTabWidget(this);
  // Every tab in sight, however long its name in the language spoken: no tab behind scroll
  // arrows, none shortened; the window is made wide enough for them instead.
  pages_->tabBar()->setUsesScrollButtons(false);
  pages_->tabBar()->setElideMode(Qt::ElideNone);
  column->addWidget(pages_);

  auto textPage = [this](const std::string& html) {
    auto* view = new QTextBrowser(pages_);
    view->setReadOnly(true);
    view->setOpenExternalLinks(true);
    QPalette tip = view->palette();
    tip.setColor(QPalette::Base, palette().color(QPalette::ToolTipBase));
    view->setPalette(tip);
    view->setHtml(Text(html));
    return view;
  };
  help_ = textPage(game_.Help.HelpHtml);
  whatsnew_ = textPage(game_.Help.WhatsNewHtml);
  pages_->addTab(help_, Say(VELMOR_TEXT("Help")));
  pages_->addTab(whatsnew_, Say(VELMOR_TEXT("What's New")));
  pages_->addTab(PicturePage(AboutHtml(), false), Say(VELMOR_TEXT("About")));
  pages_->addTab(PicturePage(FrenchHtml, false), Say(VELMOR_TEXT("French")));
  pages_->addTab(PicturePage(QString(), true), Say(VELMOR_TEXT("Tiles")));

  auto* options = new QWidget(pages_);
  auto* optionsColumn = new QVBoxLayout(options);
  auto* nameGroup = new QGroupBox(Say(VELMOR_TEXT("Player Name")), options);
  auto* nameRow = new QHBoxLayout(nameGroup);
  nameRow->addWidget(new QLabel(Say(VELMOR_TEXT("Your name")), nameGroup));
  playerName_ = new QLineEdit(nameGroup);
  playerName_->setMaxLength(8);
  playerName_->setFont(QFont("Courier New"));
  nameRow->addWidget(playerName_);
  connect(playerName_, &QLineEdit::textEdited, this,
          [this](const QString& t) { game_.PlayerNameChange(t.toStdString()); });
  auto* seedGroup = new QGroupBox(Say(VELMOR_TEXT("Random Seed")), options);
  auto* seedColumn = new QVBoxLayout(seedGroup);
  seedColumn->addWidget(
      new QLabel(Say(VELMOR_TEXT("Choose a specific game number (from 1 to 2,147,483,647)")), seedGroup));
  randomSeed_ = new QLineEdit(seedGroup);
  randomSeed_->setValidator(new QIntValidator(1, 2147483647, randomSeed_));
  seedColumn->addWidget(randomSeed_);
  seedColumn->addWidget(new QLabel(
      Say(VELMOR_TEXT("Activate the game by clicking File -> Mah-Jongg Solitaire : New Specific Game")), seedGroup));
  connect(randomSeed_, &QLineEdit::textEdited, this,
          [this](const QString& t) { game_.RandomSeedChange(t.toStdString()); });
  optionsColumn->addWidget(nameGroup);
  optionsColumn->addWidget(seedGroup);
  optionsColumn->addStretch(1);
  pages_->addTab(options, Say(VELMOR_TEXT("Options")));

  auto* hall = new QWidget(pages_);
  auto* hallColumn = new QVBoxLayout(hall);
  scores_ = new QTableWidget(10, 4, hall);
  scores_->setHorizontalHeaderLabels(
      {Say(VELMOR_TEXT("Rk")), Say(VELMOR_TEXT("Name")), Say(VELMOR_TEXT("Time")), Say(VELMOR_TEXT("Malus"))});
  scores_->verticalHeader()->hide();
  scores_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  scores_->setColumnWidth(0, 40);
  scores_->setColumnWidth(1, 150);
  scores_->setColumnWidth(2, 100);
  scores_->setColumnWidth(3, 70);
  scores_->setFont(QFont("Times New Roman", 11));
  QPalette table = scores_->palette();
  table.setColor(QPalette::Base, QColor(188, 188, 222));
  scores_->setPalette(table);
  hallColumn->addWidget(scores_);
  auto* hallRow = new QHBoxLayout();
  chooser_ = new QComboBox(hall);
  reset_ = new QPushButton(Say(VELMOR_TEXT("Reset High Scores")), hall);
  hallLabel_ = new QLabel(hall);
  hallEdit_ = new QLineEdit(hall);
  hallEdit_->setMaxLength(8);
  hallRow->addWidget(chooser_, 1);
  hallRow->addWidget(reset_);
  hallRow->addWidget(hallLabel_, 1);
  hallRow->addWidget(hallEdit_);
  hallColumn->addLayout(hallRow);
  connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int i) {
    if (filling_) return;
    game_.HallTab.ChooserChange(i);
    FillScores();
  });
  connect(reset_, &QPushButton::clicked, this, [this] {
    game_.HallTab.ResetClick(chooser_->currentIndex());
    FillScores();
  });
  connect(hallEdit_, &QLineEdit::textEdited, this, [this](const QString& t) {
    game_.HallTab.NameChange(t.toStdString());
    FillScores();
  });
  pages_->addTab(hall, Say(VELMOR_TEXT("Hall of Fame")));

  auto* stats = new QWidget(pages_);
  auto* statsColumn = new QVBoxLayout(stats);
  statistics_ = new QTableWidget(0, 7, stats);
  statistics_->setHorizontalHeaderLabels(
      {Say(VELMOR_TEXT("Layout")), Say(VELMOR_TEXT("Started")), Say(VELMOR_TEXT("Won")), Say(VELMOR_TEXT("Best")),
       Say(VELMOR_TEXT("Average")), Say(VELMOR_TEXT("Streak")), Say(VELMOR_TEXT("Longest"))});
  statistics_->verticalHeader()->hide();
  statistics_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  statistics_->setSelectionMode(QAbstractItemView::NoSelection);
  statistics_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  statistics_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  statistics_->setPalette(table);
  statsColumn->addWidget(statistics_);
  statisticsNone_ = new QLabel(Say(VELMOR_TEXT("No game has been counted yet.")), stats);
  statsColumn->addWidget(statisticsNone_);
  auto* statsRow = new QHBoxLayout();
  statsRow->addStretch(1);
  auto* resetStats = new QPushButton(Say(VELMOR_TEXT("Reset Statistics")), stats);
  statsRow->addWidget(resetStats);
  statsColumn->addLayout(statsRow);
  connect(resetStats, &QPushButton::clicked, this, [this] {
    if (!game_.Records.AskAndReset()) return;
    game_.Help.Statistics = StatisticsRows(game_.Records.Figures());
    FillStatistics();
  });
  pages_->addTab(stats, Say(VELMOR_TEXT("Statistics")));

  auto* back = new QPushButton(Say(VELMOR_TEXT("Return to Velmor")), this);
  back->setDefault(true);
  connect(back, &QPushButton::clicked, this, &QDialog::accept);
  auto* bottom = new QHBoxLayout();
  bottom->addStretch(1);
  bottom->addWidget(back);
  bottom->addStretch(1);
  column->addLayout(bottom);
  // A wordier language may need more than that size: the tabs and the pages' lines whole.
  setMinimumSize(minimumSize().expandedTo(column->minimumSize()));
}

QWidget* HelpWindow::PicturePage(const QString& html, bool withTiles) {
  auto* page = new BackdropPage(background_, pages_);
  auto* column = new QVBoxLayout(page);
  if (withTiles) {
    tiles_ = new QLabel(page);
    tiles_->setAlignment(Qt::AlignCenter);
    column->addWidget(tiles_);
  } else {
    auto* text = new QLabel(html, page);
    text->setWordWrap(true);
    text->setOpenExternalLinks(false);
    text->setTextInteractionFlags(Qt::TextBrowserInteraction);
    connect(text, &QLabel::linkActivated, this, [](const QString& link) { QDesktopServices::openUrl(QUrl(link)); });
    column->addWidget(text);
    column->addStretch(1);
  }
  return page;
}

void HelpWindow::FillScores() {
  filling_ = true;
  const auto& rows = game_.Help.Scores;
  for (int r = 0; r < static_cast<int>(rows.size()) && r < 10; ++r) {
    const auto& row = rows[static_cast<size_t>(r)];
    const QString cells[] = {Text(row.rank), Text(row.name), Text(row.time), Text(row.malus)};
    for (int c = 0; c < 4; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c >= 2) item->setTextAlignment(Qt::AlignCenter);
      scores_->setItem(r, c, item);
    }
  }
  if (chooser_->count() != static_cast<int>(game_.Help.LayoutChooser.size())) {
    chooser_->clear();
    for (const std::string& name : game_.Help.LayoutChooser) chooser_->addItem(Say(name));
  }
  chooser_->setCurrentIndex(game_.Help.ChooserIndex);
  filling_ = false;
}

void HelpWindow::FillStatistics() {
  const auto& rows = game_.Help.Statistics;
  statistics_->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    const StatisticsRow& row = rows[static_cast<size_t>(r)];
    const QString cells[] = {Say(row.name),     Text(row.started), Text(row.won),    Text(row.best),
                             Text(row.average), Text(row.streak),  Text(row.longest)};
    for (int c = 0; c < 7; ++c) {
      auto* item = new QTableWidgetItem(cells[c]);
      if (c >= 1) item->setTextAlignment(Qt::AlignCenter);
      statistics_->setItem(r, c, item);
    }
  }
  statisticsNone_->setVisible(rows.empty());
}

void HelpWindow::Refresh() {
  const HelpWindowState& h = game_.Help;
  pages_->setCurrentIndex(static_cast<int>(h.ActivePage));
  playerName_->setText(Text(h.PlayerName));
  randomSeed_->setText(Text(h.RandomSeed));
  tiles_->setPixmap(QPixmap::fromImage(OpaqueImage(h.Pai)));
  hallEdit_->setText(Text(h.HallEdit1));
  hallLabel_->setText(Say(h.HallLabel1));
  hallLabel_->setVisible(h.NewRecordLook);
  hallEdit_->setVisible(h.NewRecordLook);
  chooser_->setVisible(!h.NewRecordLook);
  reset_->setVisible(!h.NewRecordLook);
  FillScores();
  FillStatistics();
}

void HelpWindow::Run() {
  Refresh();
  // The size the player gave the window last, else a good part of the screen: the manual is read
  // at length, and 616 by 438 is a stamp on a large screen.
  const QRect screen = (parentWidget() ? parentWidget()->screen() : this->screen())->availableGeometry();
  const HelpWindowState& h = game_.Help;
  const QSize wanted = h.Width > 0 && h.Height > 0 ? QSize(h.Width, h.Height)
                                                   : QSize(screen.width() * 11 / 20, screen.height() * 7 / 10);
  resize(wanted.boundedTo(screen.size()).expandedTo(minimumSize()));
  // A record is signed at once: what the player types replaces the name offered, and Return
  // keeps it. The window shows the field's focus when it opens.
  if (game_.Help.NewRecordLook) {
    hallEdit_->setFocus(Qt::OtherFocusReason);
    hallEdit_->selectAll();
  }
  exec();
  game_.Help.Width = width();
  game_.Help.Height = height();
  hide();
}

}  // namespace velmor
