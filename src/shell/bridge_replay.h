#pragma once
// A mission's journal played again on the bridge, with its animations and sounds: each record
// is carried out when the replay's clock reaches its tick, at 1x, 2x or 8x the journal's pace
// (keys 1, 2 and 8). Meanwhile the player's input to the game is ignored and the commands
// that would change it are grayed; Esc stops the replay. At the end, or on Esc, the game is
// left as it then stands, ready to play on or to be saved, with a journal of its own.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>

#include "core/journal_format.h"
#include "sector/journal_replay.h"

class FrameWindow;
class QtHost;
class ReplayMark;

class BridgeReplay : public QObject {
  Q_OBJECT
 public:
  // Reads the journal at `path`; a journal that cannot be read, or is damaged or foreign, is
  // told in a message box and null is returned, with the game unchanged. Otherwise the
  // running game gives way to the journal's mission and the replay begins.
  static BridgeReplay* Begin(FrameWindow& frame, QtHost& host, const QString& path);
  ~BridgeReplay() override;

  // Stops at the end of the record being carried out (at once between records).
  void Stop();
  void SetSpeed(int speed);
  int Speed() const { return speed_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  BridgeReplay(FrameWindow& frame, QtHost& host, QString path, Journal journal);
  void Start();
  void CarryOutNext();
  void Arm();
  void Finish();
  // Gives the bridge back: the real clock, the idle passes, the menus and the input.
  void Release();
  bool OnTheBridge(QObject* watched) const;

  FrameWindow& frame_;
  QtHost& host_;
  QString path_;
  Journal journal_;
  JournalReplay replay_;
  QTimer due_;  // goes off when the next record's tick comes
  ReplayMark* mark_ = nullptr;
  QString title_;
  int speed_ = 1;
  std::uint32_t armedTick_ = 0;  // the replay's clock when the timer was armed
  QElapsedTimer armedAt_;        // and when, on the real clock
  bool carryingOut_ = false;
  bool stopAsked_ = false;
  bool finished_ = false;
};
