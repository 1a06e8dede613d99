// The catalogues and the translation step, checked as a translator and a player would meet them.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QProcess>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>
#include <QXmlStreamReader>

#include <map>
#include <set>

#include "WindowFixture.h"
#include "base/Say.h"
#include "platform/HelpWindow.h"
#include "platform/LayoutChooser.h"
#include "platform/Translation.h"
#include "shell/LanguageChoice.h"

namespace velmor::test {
namespace {

// Every language the game offers beside English.
std::vector<std::string> Languages() {
  std::vector<std::string> codes;
  for (const LanguageChoice::Language& l : LanguageChoice::Languages())
    if (l.code != "en") codes.push_back(l.code);
  return codes;
}

struct Entry {
  QString context, source, translation, type;
};

std::vector<Entry> ReadCatalogue(const QString& path) {
  std::vector<Entry> entries;
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return entries;
  QXmlStreamReader xml(&file);
  QString context;
  Entry entry;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == u"name") context = xml.readElementText();
    if (xml.name() == u"message") entry = Entry{context, {}, {}, {}};
    if (xml.name() == u"source") entry.source = xml.readElementText();
    if (xml.name() == u"translation") {
      entry.type = xml.attributes().value("type").toString();
      entry.translation = xml.readElementText();
      entries.push_back(entry);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return entries;
}

std::multiset<QString> Holes(const QString& text) {
  std::multiset<QString> holes;
  for (qsizetype i = 0; i + 1 < text.size(); ++i)
    if (text[i] == '%' && text[i + 1] >= '1' && text[i + 1] <= '9') holes.insert(text.mid(i, 2));
  return holes;
}

// The texts shown in and under `root` that do not fit the place they are given: cut, elided,
// behind scroll arrows or pushed out of the menu bar. Each is named by where it is and what it says.
void FindCut(QWidget* root, std::vector<std::string>& cut) {
  QList<QWidget*> widgets = root->findChildren<QWidget*>();
  widgets.prepend(root);
  auto tell = [&](const QWidget* w, const QString& text) {
    cut.push_back(std::string(w->metaObject()->className()) + " \"" + text.toStdString() + "\"");
  };
  for (QWidget* w : widgets) {
    if (!w->isVisible()) continue;
    const QFontMetrics metrics(w->font());
    if (auto* label = qobject_cast<QLabel*>(w)) {
      const QString text = label->text();
      const bool rich =
          label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
      if (text.trimmed().isEmpty() || rich) continue;
      const int inset = 2 * label->margin() + std::max(label->indent(), 0);
      const int room = label->contentsRect().width() - inset;
      if (label->wordWrap() ? label->heightForWidth(label->width()) > label->height()
                            : metrics.size(label->buddy() ? Qt::TextShowMnemonic : 0, text).width() > room)
        tell(label, text);
    } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      if (!button->text().isEmpty() && button->sizeHint().width() > button->width()) tell(button, button->text());
    } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
      if (metrics.size(Qt::TextShowMnemonic, box->title()).width() > box->width()) tell(box, box->title());
    } else if (auto* tabs = qobject_cast<QTabBar*>(w)) {
      // A tab bar that needs its scroll arrows hides some tabs behind them.
      if (tabs->sizeHint().width() > tabs->width())
        for (int i = 0; i < tabs->count(); ++i)
          if (!tabs->rect().contains(tabs->tabRect(i))) tell(tabs, tabs->tabText(i));
    } else if (auto* bar = qobject_cast<QMenuBar*>(w)) {
      // What does not fit goes into the bar's extension menu, out of sight.
      for (QAction* a : bar->actions())
        if (a->isVisible() && !a->isSeparator() && !bar->rect().contains(bar->actionGeometry(a))) tell(bar, a->text());
    } else if (auto* header = qobject_cast<QHeaderView*>(w)) {
      const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
      for (int i = 0; i < header->count(); ++i) {
        const QString text = header->model()->headerData(i, header->orientation()).toString();
        if (!header->isSectionHidden(i) && header->orientation() == Qt::Horizontal &&
            metrics.horizontalAdvance(text) + margin > header->sectionSize(i))
          tell(header, text);
      }
    } else if (auto* list = qobject_cast<QListWidget*>(w); list && dynamic_cast<LayoutChooser*>(root)) {
      for (int i = 0; i < list->count(); ++i)
        for (const LayoutChooser::CardLine& line : LayoutChooser::CardLines(list->model()->index(i, 0), list->font()))
          if (QFontMetrics(line.font).horizontalAdvance(line.text) >
              LayoutChooser::CardTextWidth(list->visualItemRect(list->item(i))))
            tell(list, line.text);
    }
  }
}

// Every catalogue holds exactly the texts the sources mark today, each translated, in the one
// context the window looks in, with the same holes as the English.
TEST(Catalogues, AreCompleteCurrentAndKeepEveryHole) {
  QTemporaryDir scratch;
  ASSERT_TRUE(scratch.isValid());
  const QString fresh = scratch.filePath("fresh.ts");
  QProcess lupdate;
  lupdate.setWorkingDirectory(VELMOR_SOURCE_DIR);
  lupdate.start(VELMOR_LUPDATE,
                {"-silent", "-tr-function-alias", "QT_TR_NOOP=VELMOR_TEXT,Q_DECLARE_TR_FUNCTIONS=VELMOR_SPEAKS", "src",
                 "tools/layoutgen", "-ts", fresh});
  ASSERT_TRUE(lupdate.waitForFinished(120000));
  ASSERT_EQ(lupdate.exitCode(), 0) << lupdate.readAllStandardError().toStdString();
  std::set<QString> marked;
  for (const Entry& e : ReadCatalogue(fresh)) marked.insert(e.source);
  ASSERT_GT(marked.size(), 300u);
  // The Music menu names the shipped tunes: every one is marked, so that none stays English.
  for (const auto& tune : std::filesystem::directory_iterator(VELMOR_DATA_DIR "/Musics"))
    if (tune.path().extension() == ".mid") {
      EXPECT_TRUE(marked.count(QString::fromStdString(tune.path().stem().string()))) << tune.path();
    }

  for (const std::string& language : Languages()) {
    SCOPED_TRACE(language);
    std::set<QString> held;
    for (const Entry& e :
         ReadCatalogue(QString(VELMOR_SOURCE_DIR "/translations/velmor_%1.ts").arg(QString::fromStdString(language)))) {
      held.insert(e.source);
      EXPECT_EQ(e.context, "velmor") << e.source.toStdString();
      EXPECT_TRUE(e.type.isEmpty()) << e.type.toStdString() << ": " << e.source.toStdString();
      EXPECT_FALSE(e.translation.trimmed().isEmpty()) << e.source.toStdString();
      EXPECT_EQ(Holes(e.source), Holes(e.translation))
          << e.source.toStdString() << " -> " << e.translation.toStdString();
    }
    std::vector<QString> missing, stale;
    std::set_difference(marked.begin(), marked.end(), held.begin(), held.end(), std::back_inserter(missing));
    std::set_difference(held.begin(), held.end(), marked.begin(), marked.end(), std::back_inserter(stale));
    EXPECT_TRUE(missing.empty()) << missing.size() << " texts not in the catalogue, e.g. "
                                 << (missing.empty() ? "" : missing[0].toStdString());
    EXPECT_TRUE(stale.empty()) << stale.size() << " texts no source marks, e.g. "
                               << (stale.empty() ? "" : stale[0].toStdString());
  }
}

class TranslatedWindow : public GameWindow {
 protected:
  void SetUp() override {
    GameWindow::SetUp();
    std::filesystem::copy(VELMOR_QM_DIR, folder / "translations", std::filesystem::copy_options::recursive);
  }
  void TearDown() override {
    std::string none;
    Translation::Current().Use("en", "", none);
    qunsetenv("LC_ALL");
    GameWindow::TearDown();
  }
  static QString Plain(QString caption) { return caption.remove('&'); }
  static QString Catalogue(const char* english) { return QCoreApplication::translate("velmor", english); }
};

// Every menu keeps one letter per entry in every language, however the translators chose.
TEST_F(TranslatedWindow, EveryMenuLettersEachEntryOnceInEveryLanguage) {
  ASSERT_TRUE(Start());
  std::string error;
  for (const std::string& language : Languages()) {
    ASSERT_TRUE(Translation::Current().Use(language, (folder / "translations/").string(), error)) << error;
    window->Retranslate();
    std::vector<QMenu*> menus;
    for (QAction* top : window->menuBar()->actions())
      if (top->menu()) menus.push_back(top->menu());
    menus.push_back(nullptr);  // the menu bar itself
    for (size_t m = 0; m < menus.size(); ++m) {
      const QList<QAction*> actions = menus[m] ? menus[m]->actions() : window->menuBar()->actions();
      std::map<char, QString> letters;
      for (QAction* a : actions) {
        if (a->isSeparator() || !a->isVisible()) continue;
        if (a->menu() && menus[m]) menus.push_back(a->menu());
        const char letter = AcceleratorOf(a->text().toStdString());
        // Only a list longer than the letters and digits (the layouts) may leave some without.
        if (actions.size() <= 30) EXPECT_NE(letter, 0) << language << ": " << a->text().toStdString();
        if (letter == 0) continue;
        const auto [it, fresh] = letters.emplace(letter, a->text());
        EXPECT_TRUE(fresh) << language << ": '" << letter << "' in " << it->second.toStdString() << " and "
                           << a->text().toStdString();
      }
    }
  }
}

// Under a German locale the menus, the status line and a message box with a hole speak German,
// and the manual is the German one.
TEST_F(TranslatedWindow, AGermanLocaleTranslatesMenusStatusAndMessages) {
  qputenv("LC_ALL", "de_DE.UTF-8");
  ASSERT_TRUE(Start());
  ASSERT_EQ(Translation::Current().Code(), "de");
  const QString file = Plain(window->menuBar()->actions().first()->text());
  EXPECT_EQ(file, Plain(Catalogue("&File")));
  EXPECT_NE(file, "File");

  game->ShowStatus("New game started.");
  for (int beat = 0; beat < 3; ++beat) game->Temps();
  const QString status = Catalogue("New game started.");
  bool shown = false;
  for (QLabel* label : window->statusBar()->findChildren<QLabel*>()) shown = shown || label->accessibleName() == status;
  EXPECT_TRUE(shown) << status.toStdString();
  EXPECT_NE(status, "New game started.");

  QString boxText;
  QTimer::singleShot(0, [&] {
    if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
      boxText = box->text();
      box->accept();
    }
  });
  platform->ShowError(Fill(VELMOR_TEXT("The saved game cannot be loaded: %1."), VELMOR_TEXT("the file is empty")));
  const QString expected =
      Catalogue("The saved game cannot be loaded: %1.").replace("%1", Catalogue("the file is empty"));
  EXPECT_EQ(boxText, expected);
  EXPECT_NE(game->Help.HelpHtml.find("Die Regeln"), std::string::npos);

  // The file dialogs' filters keep their patterns under a German description.
  const char* saved = VELMOR_TEXT("Velmor saved games (*.vsave)|*.vsave");
  EXPECT_EQ(QtFilter(saved), Catalogue(saved).section('|', 0, 0));
  EXPECT_NE(Catalogue(saved), saved);
  // Every tune in the Music menu by its German name.
  ASSERT_GT(game->Tunes.Count(), 0);
  for (int k = 1; k <= game->Tunes.Count(); ++k) {
    const std::string& tune = game->Tunes.Entry(k)->Caption();
    EXPECT_EQ(Plain(window->ActionOf(*game->Tunes.Entry(k))->text()), Plain(Catalogue(tune.c_str()))) << tune;
  }
  // A new layout is offered a German name.
  window->ActionOf(game->Menus.CreateLayout1)->trigger();
  EXPECT_EQ(QString::fromStdString(game->Menus.Edit1.Caption()), Catalogue("New Layout"));
  EXPECT_NE(game->Menus.Edit1.Caption(), "New Layout");
}

// In every language the window, each page of the help window and the layout chooser show every
// text whole.
TEST_F(TranslatedWindow, EveryTextFitsItsPlaceInEveryLanguage) {
  ASSERT_TRUE(Start());
  std::string error;
  for (const LanguageChoice::Language& language : LanguageChoice::Languages()) {
    SCOPED_TRACE(language.code);
    ASSERT_TRUE(Translation::Current().Use(language.code, (folder / "translations/").string(), error)) << error;
    window->Retranslate();
    QTest::qWait(50);
    std::vector<std::string> cut;
    FindCut(window.get(), cut);
    QTimer::singleShot(50, [&] {
      HelpWindow* help = window->Help();
      if (!help) return ADD_FAILURE() << "the help window is not open";
      for (int i = 0; i < help->Pages()->count(); ++i) {
        help->Pages()->setCurrentIndex(i);
        QApplication::processEvents();
        FindCut(help, cut);
      }
      help->accept();
    });
    window->ActionOf(game->Menus.Contents1)->trigger();
    QTimer::singleShot(50, [&] {
      LayoutChooser* chooser = window->Chooser();
      if (!chooser) return ADD_FAILURE() << "the chooser is not open";
      FindCut(chooser, cut);
      chooser->reject();
    });
    window->ActionOf(game->Menus.ChooseLayout1)->trigger();
    for (const std::string& text : cut) ADD_FAILURE() << language.code << ": " << text;
  }
}

}  // namespace
}  // namespace velmor::test
