#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QMdiSubWindow>
#include <QPointer>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextBrowser>
#include <QUrl>

#include "core/core_state.h"
#include "core/game_state.h"
#include "docs/manual/manual_pages.h"
#include "sector/console_commands.h"
#include "shell/bridge_background.h"
#include "shell/manual_window.h"
#include "tests/shell/bridge_fixture.h"

namespace {

QString PageText(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Every page of the manual by its resource path (":/manual/index.html").
QStringList Pages() {
  QStringList pages;
  QDirIterator it(QString::fromLatin1(manual_pages::Folder), {QStringLiteral("*.html")});
  while (it.hasNext()) pages << it.next();
  pages.sort();
  return pages;
}

QString ResourcePath(const QUrl& url) { return QLatin1Char(':') + url.path(); }

bool HasAnchor(const QString& page, const QString& anchor) {
  return page.contains(QStringLiteral("name=\"%1\"").arg(anchor)) ||
         page.contains(QStringLiteral("id=\"%1\"").arg(anchor));
}

// ---- The pages ----

TEST(ManualPages, EveryLinkLeadsToAPageAndAnchorAndEveryPictureIsPacked) {
  const QStringList pages = Pages();
  ASSERT_TRUE(pages.contains(QStringLiteral(":/manual/index.html")));
  ASSERT_GE(pages.size(), 15);
  const QRegularExpression reference(QStringLiteral("(href|src)=\"([^\"]*)\""));
  int references = 0;
  for (const QString& path : pages) {
    const QUrl page = QUrl(QStringLiteral("qrc") + path);
    for (const QRegularExpressionMatch& found : reference.globalMatch(PageText(path))) {
      ++references;
      const QUrl target = page.resolved(QUrl(found.captured(2)));
      EXPECT_EQ(target.scheme(), QStringLiteral("qrc")) << qPrintable(path) << ": " << qPrintable(found.captured(2));
      const QString file = ResourcePath(target);
      EXPECT_TRUE(QFile::exists(file)) << qPrintable(path) << ": " << qPrintable(found.captured(2));
      if (target.hasFragment()) {
        EXPECT_TRUE(HasAnchor(PageText(file), target.fragment()))
            << qPrintable(path) << ": " << qPrintable(found.captured(2)) << " names no anchor";
      }
    }
  }
  EXPECT_GT(references, 200) << "the link pattern finds the pages' links";
}

TEST_F(BridgeTest, TheManualsAdvExamplesLetTheTimeTheySayPass) {
  NewGameFromMenu(GreenSeed);
  const QString page = PageText(QStringLiteral(":/manual/computer-commands.html"));
  const QRegularExpression example(
      QStringLiteral("<code>(ADV [^<]*)</code>\\s+lets\\s+no\\s+time|<code>(ADV [^<]*)</"
                     "code>\\s+lets\\s+([0-9.]+)\\s+days"));
  int examples = 0;
  for (QRegularExpressionMatchIterator it = example.globalMatch(page); it.hasNext(); ++examples) {
    const QRegularExpressionMatch match = it.next();
    const bool none = !match.captured(1).isEmpty();
    const QString command = none ? match.captured(1) : match.captured(2);
    const double before = coreState.game.stardateNow;
    ExecuteConsoleLine(WholeConsoleWorld(coreState.game, host()), QStringLiteral(">%1 ").arg(command).toStdString());
    EXPECT_NEAR(coreState.game.stardateNow - before, none ? 0.0 : match.captured(3).toDouble(), 1e-9)
        << command.toStdString();
  }
  EXPECT_GE(examples, 5);
}

TEST(ManualPages, EveryPageCanBeReachedFromTheIndex) {
  QSet<QString> reached{QStringLiteral(":/manual/index.html")};
  QStringList toRead{QStringLiteral(":/manual/index.html")};
  const QRegularExpression link(QStringLiteral("href=\"([^\"#]+\\.html)"));
  while (!toRead.isEmpty()) {
    const QString path = toRead.takeFirst();
    const QUrl page = QUrl(QStringLiteral("qrc") + path);
    for (const QRegularExpressionMatch& found : link.globalMatch(PageText(path))) {
      const QString target = ResourcePath(page.resolved(QUrl(found.captured(1))));
      if (!reached.contains(target)) {
        reached.insert(target);
        toRead << target;
      }
    }
  }
  for (const QString& page : Pages()) EXPECT_TRUE(reached.contains(page)) << qPrintable(page) << " has no way in";
}

// ---- The window ----

class ManualWindowTest : public BridgeTest {
 protected:
  ManualWindow* OpenFromHelpMenu(MenuSet set) {
    Item(set, MenuCommand::Manual)->trigger();
    return frame->findChild<ManualWindow*>();
  }

  // Clicks the first link of the shown page whose text is `text`, as the player would.
  void ClickLink(QTextBrowser& browser, const QString& text) {
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next()) {
      for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
        const QTextFragment piece = fragment.fragment();
        if (!piece.charFormat().isAnchor() || piece.text() != text) continue;
        QTextCursor cursor(browser.document());
        cursor.setPosition(piece.position() + 1);
        browser.setTextCursor(cursor);
        browser.ensureCursorVisible();
        const QPoint at = browser.cursorRect(cursor).center();
        QTest::mouseClick(browser.viewport(), Qt::LeftButton, {}, at);
        return;
      }
    }
    ADD_FAILURE() << "no link " << qPrintable(text) << " on " << qPrintable(browser.source().toString());
  }

  static QString Page(const ManualWindow& manual) { return manual.Browser().source().fileName(); }
};

TEST_F(ManualWindowTest, OpensAtTheIndexFollowsALinkAndGoesBackForwardAndHome) {
  ManualWindow* manual = OpenFromHelpMenu(MenuSet::Idle);
  ASSERT_NE(manual, nullptr);
  EXPECT_TRUE(manual->isVisible());
  EXPECT_TRUE(manual->isWindow()) << "a window of its own, not a station";
  EXPECT_EQ(Page(*manual), QStringLiteral("index.html"));
  EXPECT_EQ(manual->windowTitle(), QStringLiteral("Contents - Kestrav Player's Manual"));
  EXPECT_FALSE(manual->BackAction().isEnabled());

  ClickLink(manual->Browser(), QStringLiteral("Navigation"));
  EXPECT_EQ(Page(*manual), QStringLiteral("navigation.html"));
  EXPECT_EQ(manual->windowTitle(), QStringLiteral("Navigation - Kestrav Player's Manual"));
  EXPECT_FALSE(manual->Browser().toPlainText().isEmpty());
  ASSERT_TRUE(manual->BackAction().isEnabled());

  manual->BackAction().trigger();
  EXPECT_EQ(Page(*manual), QStringLiteral("index.html"));
  ASSERT_TRUE(manual->ForwardAction().isEnabled());
  manual->ForwardAction().trigger();
  EXPECT_EQ(Page(*manual), QStringLiteral("navigation.html"));

  ClickLink(manual->Browser(), QStringLiteral("Contents"));
  EXPECT_EQ(Page(*manual), QStringLiteral("index.html"));
  ClickLink(manual->Browser(), QStringLiteral("Computer"));
  ClickLink(manual->Browser(), QStringLiteral("Computer Command Summary"));
  EXPECT_EQ(Page(*manual), QStringLiteral("computer-commands.html"));
  manual->HomeAction().trigger();
  EXPECT_EQ(Page(*manual), QStringLiteral("index.html"));
}

TEST_F(ManualWindowTest, ThereIsOneManualBroughtForwardAgainAndItGoesWithTheFrame) {
  ManualWindow* first = OpenFromHelpMenu(MenuSet::Idle);
  ASSERT_NE(first, nullptr);
  ClickLink(first->Browser(), QStringLiteral("Shields"));
  first->hide();

  NewGameFromMenu(GreenSeed);
  ManualWindow* again = OpenFromHelpMenu(MenuSet::Game);
  EXPECT_EQ(again, first);
  EXPECT_EQ(frame->findChildren<ManualWindow*>().size(), 1);
  EXPECT_TRUE(again->isVisible());
  EXPECT_EQ(Page(*again), QStringLiteral("shields.html")) << "still where the player left it";

  // Closed, it is gone; asked for again, it opens afresh at the index.
  QPointer<ManualWindow> closed = again;
  again->close();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_TRUE(closed.isNull());
  QPointer<ManualWindow> reopened = OpenFromHelpMenu(MenuSet::Game);
  ASSERT_FALSE(reopened.isNull());
  EXPECT_EQ(Page(*reopened), QStringLiteral("index.html"));

  CloseFrame();
  EXPECT_TRUE(reopened.isNull());
}

TEST_F(ManualWindowTest, ExitTakesTheManualWithTheFrame) {
  QPointer<ManualWindow> manual = OpenFromHelpMenu(MenuSet::Idle);
  ASSERT_FALSE(manual.isNull());
  Item(MenuSet::Idle, MenuCommand::Exit)->trigger();
  ASSERT_TRUE(QuitRequested());
  EXPECT_TRUE(manual.isNull() || !manual->isVisible()) << "not left on the screen after the frame is gone";
}

TEST_F(ManualWindowTest, EveryStationOfTheBridgeHasItsPage) {
  NewGameFromMenu(GreenSeed);
  const QList<QMdiSubWindow*> stations = frame->Backdrop().subWindowList();
  ASSERT_EQ(stations.size(), StationCount);
  QStringList titles;
  for (const QString& path : Pages()) {
    const QRegularExpressionMatch title =
        QRegularExpression(QStringLiteral("<h1>(?:<img[^>]*> )?([^<]*)</h1>")).match(PageText(path));
    if (title.hasMatch()) titles << title.captured(1);
  }
  for (QMdiSubWindow* station : stations)
    EXPECT_TRUE(titles.contains(station->windowTitle())) << qPrintable(station->windowTitle()) << " has no page";
}

}  // namespace
