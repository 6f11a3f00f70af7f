// The communiqué window, the high-score window and the name dialog on the offscreen
// platform, driven the way a player drives them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <functional>

#include "core/core_state.h"
#include "lifecycle/communique_window.h"
#include "lifecycle/high_score_dialog.h"
#include "lifecycle/high_score_window.h"
#include "tests/lifecycle/lifecycle_fixture.h"

namespace {
// Runs `step` on the first popup that comes up, from inside its modal loop.
template <typename Window>
void WhenShown(std::function<void(Window&)> step) {
  QTimer::singleShot(0, [step] {
    for (QWidget* w : QApplication::topLevelWidgets())
      if (auto* window = dynamic_cast<Window*>(w); window && window->isVisible()) return step(*window);
    ADD_FAILURE() << "no window came up";
  });
}

void SaveScreenshot(QWidget& window, const char* name) {
  if (const char* dir = std::getenv("KESTRAV_SCREENSHOTS"))
    window.grab().save(QString::fromUtf8(dir) + "/" + name + ".png");
}

bool IsDark(QRgb c) { return qGray(c) < 100; }

// Dark pixels in the rows [top, bottom) of `image`.
int DarkPixels(const QImage& image, int top, int bottom, int left = 0, int right = -1) {
  if (right < 0) right = image.width();
  int dark = 0;
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) dark += IsDark(image.pixel(x, y));
  return dark;
}

class Popups : public LifecycleTest {
 protected:
  void SetUp() override {
    LifecycleTest::SetUp();
    frame.setGeometry(100, 50, 1000, 700);
    frame.show();
  }
  QWidget frame;
};

const char* const Orders =
    "INTERSTELLAR COMM UID#4711\n**** SECURITY CODE: 2 ****\nTO:  All Federation Vessels\n\n"
    "The USS Enterprise has sucessfully completed its mission. R&D sends regards.";

TEST_F(Popups, CommuniqueSitsCentredOnTheDisabledFrameUntilAKeyTypesACharacter) {
  bool frameWasDisabled = false;
  QRect shownAt;
  WhenShown<CommuniqueWindow>([&](CommuniqueWindow& w) {
    frameWasDisabled = !frame.isEnabled();
    shownAt = w.geometry();
    SaveScreenshot(w, "communique");
    QTest::mouseMove(&w, QPoint(50, 50));
    QTest::keyClick(&w, Qt::Key_Shift);
    QTest::keyClick(&w, Qt::Key_F5);
    QTest::mouseClick(&w, Qt::RightButton);
    EXPECT_TRUE(w.isVisible()) << "only a typed character or a left click closes it";
    QTest::keyClick(&w, Qt::Key_Q);
  });
  ShowCommunique(&frame, Orders);
  EXPECT_TRUE(frameWasDisabled);
  EXPECT_TRUE(frame.isEnabled());
  EXPECT_EQ(shownAt, QRect(100 + 500 - 150, 50 + 350 - 202, 300, 404));
}

TEST_F(Popups, CommuniqueDrawsBorderRedFramesAndUnclippedText) {
  std::string longText = Orders;
  for (int i = 0; i < 30; ++i) longText += "\nline";
  CommuniqueWindow window(&frame, QString::fromStdString(longText));
  const QImage image = window.grab().toImage();
  ASSERT_EQ(image.size(), QSize(300, 404));
  EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));  // the border
  for (int at : {1, 3, 5}) EXPECT_EQ(image.pixel(at, 200), qRgb(255, 0, 0)) << at;
  for (int at : {2, 4}) EXPECT_EQ(image.pixel(at, 200), qRgb(255, 255, 255)) << at;
  EXPECT_EQ(image.pixel(298, 402), qRgb(255, 0, 0));
  EXPECT_GT(DarkPixels(image, 103, 120, 21, 279), 50) << "the first line starts at the text area's top";
  EXPECT_GT(DarkPixels(image, 384, 397, 21, 279), 20) << "text runs on below the text area";
}

TEST_F(Popups, CommuniqueClosesOnALeftClickAnywhere) {
  WhenShown<CommuniqueWindow>(
      [&](CommuniqueWindow& w) { QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(-40, 700)); });
  ShowCommunique(&frame, Orders);
  EXPECT_TRUE(frame.isEnabled());
}

TEST_F(Popups, HighScoreWindowCreatesAMissingFileAndShowsTenPlaceholderRows) {
  WhenShown<HighScoreWindow>([&](HighScoreWindow& w) {
    EXPECT_EQ(w.size(), QSize(440, 358));
    const QImage image = w.grab().toImage();
    int rows = 0;
    for (int top = 121; top < 121 + 10 * 20; top += 20) rows += DarkPixels(image, top, top + 18, 46, 60) > 0;
    EXPECT_EQ(rows, 10);
    EXPECT_EQ(DarkPixels(image, 121 + 10 * 20, 350, 46, 430), 0);
    QTest::keyClick(&w, Qt::Key_Space);
  });
  ShowHighScores(&frame);
  EXPECT_EQ(ParseHighScores(ReadText(coreState.highScorePath)), HighScoreTable{});
}

TEST_F(Popups, HighScoreWindowShowsWhatIsOnDisk) {
  HighScoreTable table;
  table[0] = {"James T. Kirk", "Admiral", "3038"};
  table[1] = {"Hikaru", "1stOfficer", "2926"};
  WriteText(coreState.highScorePath, FormatHighScores(table));
  HighScoreWindow window(&frame);
  SaveScreenshot(window, "high_scores");
  const QImage image = window.grab().toImage();
  EXPECT_GT(DarkPixels(image, 121, 139, 46, 190), 60);   // the name
  EXPECT_GT(DarkPixels(image, 121, 139, 201, 350), 40);  // the skill
  EXPECT_GT(DarkPixels(image, 121, 139, 361, 430), 30);  // the score
}

TEST_F(Popups, NameDialogIgnoresEscapeAndTakesTheNameOnOkOrClose) {
  QTimer::singleShot(0, [] {
    auto* dialog = dynamic_cast<HighScoreDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    SaveScreenshot(*dialog, "high_score_dialog");
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(dialog->isVisible());
    QTest::keyClicks(dialog->NameField(), "Montgomery Scott the Engineer");
    dialog->close();
  });
  EXPECT_EQ(AskHighScoreName(&frame), "Montgomery Scott");

  QTimer::singleShot(0, [] {
    auto* dialog = dynamic_cast<HighScoreDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    QTest::keyClicks(dialog->NameField(), "Chekov");
    QTest::keyClick(dialog->NameField(), Qt::Key_Return);
  });
  EXPECT_EQ(AskHighScoreName(&frame), "Chekov");
}
TEST_F(Popups, NameDialogOpensCentredOnTheFrame) {
  QPoint offCentre(-1000, -1000);
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<HighScoreDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    offCentre = dialog->geometry().center() - frame.frameGeometry().center();
    QTest::keyClick(dialog->NameField(), Qt::Key_Return);
  });
  AskHighScoreName(&frame);
  // The dialog's own border may differ by a pixel or two with the desktop.
  EXPECT_LE(offCentre.manhattanLength(), 4) << offCentre.x() << "," << offCentre.y();
}

// Types `text` a character at a time, as a keyboard layout or an input method would hand it over.
void TypeCharacters(QWidget* field, const QString& text) {
  for (const QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
  }
}

TEST_F(Popups, TheNameBoxTakesOnlyWhatTheScoreFileHoldsSoTheTableShowsWhatWasTyped) {
  const QString typed = QString::fromUtf8("Zo\u00eb <b>&\u20ac\u4e2d%s");
  const QString kept = QString::fromUtf8("Zo\u00eb <b>&%s");
  QString field;
  QTimer::singleShot(0, [&] {
    auto* dialog = dynamic_cast<HighScoreDialog*>(QApplication::activeModalWidget());
    ASSERT_NE(dialog, nullptr);
    TypeCharacters(dialog->NameField(), typed);
    EXPECT_EQ(dialog->NameField()->text(), kept) << "typed";
    dialog->NameField()->clear();
    dialog->NameField()->insert(typed);  // as a paste does
    field = dialog->NameField()->text();
    QTest::keyClick(dialog->NameField(), Qt::Key_Return);
  });
  const std::string name = AskHighScoreName(&frame);
  EXPECT_EQ(field, kept) << "pasted";
  HighScoreTable table;
  InsertHighScore(table, 0, name, SkillLevel::Admiral, 3038);
  const HighScoreTable onDisk = ParseHighScores(FormatHighScores(table));
  EXPECT_EQ(QString::fromLatin1(onDisk[0].name.c_str()), kept);
}
}  // namespace
