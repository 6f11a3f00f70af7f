#pragma once
// Station tests: program start, a quiet running game, and a recording host that does what
// the game's Qt host does with the scan's drawing and waits. Waits run on the virtual
// clock but still deliver Qt's pending events, so posted requests and repaints happen.

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "headless/headless_host.h"
#include "sector/action_state.h"
#include "stations/computer_station.h"
#include "stations/shared_pictures.h"
#include "stations/short_range_scan.h"
#include "stations/station_handles.h"
#include "stations/station_reset.h"
#include "tests/support/quadrant_picture.h"

class StationHost : public HeadlessHost {
 public:
  void PumpPendingMessages() override {
    HeadlessHost::PumpPendingMessages();
    QApplication::processEvents();
  }
  void WaitPumping(std::uint32_t ms) override {
    HeadlessHost::WaitPumping(ms);
    QApplication::processEvents();
    RunWhatIsDue();
  }
  // Runs `event` during the first wait that reaches `afterMs` from now on the virtual clock,
  // as a player's hand would act while the game waits.
  void After(std::uint32_t afterMs, std::function<void()> event) {
    timed_.push_back({now + afterMs, std::move(event)});
  }
  void ConsolePrint(const std::string& text) override {
    HeadlessHost::ConsolePrint(text);
    if (ComputerConsole()) ComputerConsole()->Print(text);
  }
  void ConsolePrompt() override {
    HeadlessHost::ConsolePrompt();
    if (ComputerConsole()) ComputerConsole()->Character('>');
  }
  void UpdateStation(Station s) override {
    HeadlessHost::UpdateStation(s);
    if (StationWindow* window = StationHandle(s)) window->UpdateNow();
  }
  void InvalidateStation(Station s, bool erase) override {
    HeadlessHost::InvalidateStation(s, erase);
    if (StationWindow* window = StationHandle(s)) window->Invalidate(erase);
  }
  void ScanFillBlack(ScanRect r) override {
    HeadlessHost::ScanFillBlack(r);
    if (ScanStation()) ScanStation()->FillBlack(r);
  }
  void ScanBlitPicture(ScanPoint at, int id) override {
    HeadlessHost::ScanBlitPicture(at, id);
    if (ScanStation()) ScanStation()->BlitPicture(at, id);
  }
  void ScanBlitFrame(ScanPoint at, int id, int frame) override {
    HeadlessHost::ScanBlitFrame(at, id, frame);
    if (ScanStation()) ScanStation()->BlitFrame(at, id, frame);
  }
  void ScanXorLine(ScanPoint from, ScanPoint to, Rgb colour) override {
    HeadlessHost::ScanXorLine(from, to, colour);
    if (ScanStation()) ScanStation()->DrawXorLine(from, to, colour);
  }
  void ScanSetPixels(const std::vector<ScanPixel>& pixels) override {
    HeadlessHost::ScanSetPixels(pixels);
    if (ScanStation()) ScanStation()->SetPixels(pixels);
  }

 private:
  struct TimedEvent {
    std::uint32_t when;
    std::function<void()> event;
  };
  void RunWhatIsDue() {
    for (auto due = timed_.begin(); due != timed_.end();) {
      if (due->when > now) {
        ++due;
        continue;
      }
      const std::function<void()> event = std::move(due->event);
      due = timed_.erase(due);
      event();
    }
  }
  std::vector<TimedEvent> timed_;
};

class StationTest : public ::testing::Test {
 protected:
  // Program start comes before the test's stations are made, since each station enters
  // itself in its handle; the shared pictures are loaded as the frame loads them.
  StationTest() {
    ResetStationState(host);
    LoadSharedPictures();
  }
  void SetUp() override { StartQuietSectorGame(); }

  // A short click on `station`: the release (at `releaseAt`) is already waiting when the
  // press is handled, as it is when a player clicks; a request it posts runs too.
  static void ClickOn(QWidget& station, QPoint at, QPoint releaseAt, Qt::KeyboardModifiers modifiers = {}) {
    QTimer::singleShot(0, &station, [&station, releaseAt, modifiers] {
      QTest::mouseRelease(&station, Qt::LeftButton, modifiers, releaseAt);
    });
    QTest::mousePress(&station, Qt::LeftButton, modifiers, at);
    QApplication::processEvents();  // the release
    QApplication::processEvents();  // what it posted
  }

  // The station's face as the player sees it now, painted if it was invalid.
  static QImage Face(StationWindow& station) {
    station.UpdateNow();
    return station.Surface().copy();
  }

  StationHost host;
};
