// The layout chooser in the real window: every layout shown, the filter, Return and Escape.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>

#include "WindowFixture.h"
#include "platform/LayoutChooser.h"
#include "shell/HallOfFameFile.h"

using namespace velmor;
using namespace velmor::test;

namespace {

// Runs `use` once the modal chooser is up; `use` ends by closing it one way or another.
void WhileChooserIsOpen(MainWindow& window, std::function<void(LayoutChooser&)> use) {
  QTimer::singleShot(0, [&window, use] {
    LayoutChooser* chooser = window.Chooser();
    if (!chooser) return ADD_FAILURE() << "the chooser is not open";
    use(*chooser);
    if (window.Chooser()) chooser->reject();  // a check failed before it was closed
  });
}

std::vector<std::string> Shown(const LayoutChooser& chooser) {
  std::vector<std::string> names;
  for (int i = 0; i < chooser.Pictures()->count(); ++i)
    if (!chooser.Pictures()->item(i)->isHidden()) names.push_back(chooser.Pictures()->item(i)->text().toStdString());
  return names;
}

void SavePicture(LayoutChooser& chooser, const char* name) {
  if (const QByteArray dir = qgetenv("VELMOR_SCREENSHOT_DIR"); !dir.isEmpty())
    chooser.grab().save(QString("%1/%2.png").arg(QString(dir), name));
}

}  // namespace

TEST_F(GameWindow, ChooserShowsEveryLayoutFiltersByNameAndReturnPlaysTheOneLeft) {
  ASSERT_TRUE(Start());
  const int before = game->Layout.BoardNumber;
  game->Hall.Book[HallKeyOf(game->Listed.Layouts, before)].Add("Kim", 95, 0);
  QElapsedTimer opening;
  qint64 openedIn = -1;
  size_t shownAtFirst = 0;
  WhileChooserIsOpen(*window, [&](LayoutChooser& chooser) {
    openedIn = opening.elapsed();
    shownAtFirst = Shown(chooser).size();
    EXPECT_EQ(chooser.Pictures()->currentItem()->text().toStdString(), game->Listed.Layouts[before].name);
    EXPECT_EQ(game->Current.Play.Number(), ModePaused);
    SavePicture(chooser, "layout-chooser");
    QTest::keyClick(chooser.Filter(), Qt::Key_Escape);
  });
  opening.start();
  window->ActionOf(game->Menus.ChooseLayout1)->trigger();
  EXPECT_LT(openedIn, 500);
  EXPECT_EQ(shownAtFirst, static_cast<size_t>(game->Listed.Layouts.Count()));
  EXPECT_EQ(game->Layout.BoardNumber, before);
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);

  std::vector<std::string> filtered;
  WhileChooserIsOpen(*window, [&](LayoutChooser& chooser) {
    QTest::keyClicks(chooser.Filter(), "PYR");
    filtered = Shown(chooser);
    SavePicture(chooser, "layout-chooser-filtered");
    QTest::keyClick(chooser.Filter(), Qt::Key_Return);
  });
  window->ActionOf(game->Menus.ChooseLayout1)->trigger();
  EXPECT_EQ(filtered, std::vector<std::string>{"Pyramid"});
  EXPECT_EQ(game->Layout.LayoutName, "Pyramid");
  EXPECT_EQ(game->Listed.Layouts[game->Layout.BoardNumber].name, "Pyramid");
  EXPECT_TRUE(window->ActionOf(*game->Listed.Entries.Entry(game->Layout.BoardNumber))->isChecked());
  EXPECT_FALSE(window->ActionOf(*game->Listed.Entries.Entry(before))->isChecked());
  EXPECT_EQ(game->Current.Play.Number(), ModeSolitaire);
  EXPECT_EQ(game->Current.Board.TileCount, 144);
}
