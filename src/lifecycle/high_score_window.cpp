#include "lifecycle/high_score_window.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

#include "core/high_score_file.h"
#include "stations/resource_library.h"

namespace {
constexpr int BannerPicture = 57;
constexpr QSize BannerSize(420, 108);  // used when the picture bundle lacks it
constexpr int FirstRowTop = 120;
constexpr int NameX = 45, SkillX = 200, ScoreX = 360;

QSize WindowSizeFor(const QImage& banner) {
  const QSize picture = banner.isNull() ? BannerSize : banner.size();
  return picture + QSize(20, 250);
}

// "Arial", 16 pixels, bold.
QFont TableFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setPixelSize(16);
  font.setWeight(QFont::Bold);
  font.setStyleHint(QFont::SansSerif);
  return font;
}

QString Latin1(const std::string& text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}
}  // namespace

HighScoreWindow::HighScoreWindow(QWidget* frame)
    : ModalPopup(frame, WindowSizeFor(resources::Picture(BannerPicture))), banner_(resources::Picture(BannerPicture)) {}

void HighScoreWindow::PaintClient(QPainter& painter) {
  painter.drawImage(QPoint(10, 10), banner_);
  DrawRedFrames(painter);

  // What is on disk now; a file that cannot be had shows the empty table.
  const HighScoreTable table = ReadHighScoreFile().table.value_or(HighScoreTable{});
  const QFont font = TableFont();
  const QFontMetrics metrics(font);
  const int lineHeight = metrics.height() + 2;  // the text height of "0", and 2 pixels
  painter.setFont(font);
  painter.setPen(Qt::black);
  int top = FirstRowTop;
  for (const HighScoreEntry& entry : table) {
    const int baseline = top + metrics.ascent();
    painter.drawText(NameX, baseline, Latin1(entry.name));
    painter.drawText(SkillX, baseline, Latin1(entry.skill));
    painter.drawText(ScoreX, baseline, Latin1(entry.score));
    top += lineHeight;
  }
}

void ShowHighScores(QWidget* frame) {
  HighScoreWindow window(frame);
  window.RunModal();
}
