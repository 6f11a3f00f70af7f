#pragma once
// Everything the rules do to the world outside the game state goes through Host:
// windows, the console, sounds, menus, the condition light's blink, communiqués and time.
// The Qt front end implements it for the real game; HeadlessHost records the calls
// and runs a virtual clock for the tests and kestrav-tool. There is no third one.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/message_ids.h"

using SoundId = int;

// The game's sounds by id, and when each is heard. There is no sound 6.
namespace Sounds {
inline constexpr SoundId Ambience = 1;       // the bridge, looping while a game runs
inline constexpr SoundId NewGame = 2;        // a new mission is generated
inline constexpr SoundId Acknowledge = 3;    // a station command or the console's BYE/EXI
inline constexpr SoundId Explosion = 4;      // an object in the quadrant is destroyed
inline constexpr SoundId Engines = 5;        // the engines, looping for a whole move
inline constexpr SoundId StartUp = 7;        // the program starts
inline constexpr SoundId PhaserBeam = 8;     // the ship's phaser beam, looping while drawn
inline constexpr SoundId TorpedoLaunch = 9;  // a photon torpedo leaves its tube
inline constexpr SoundId AlienBeam = 10;     // an alien's beam at the ship, looping
inline constexpr SoundId AlienHit = 11;      // that beam ends: the hit on the ship
inline constexpr SoundId RedAlert = 12;      // red alert is sounded
inline constexpr SoundId GameOver = 13;      // the game ends
}  // namespace Sounds

enum class Station {
  ShortRangeScan,
  LongRangeScan,
  Navigation,
  PhotonTorpedoes,
  Phasers,
  Shields,
  DamageReport,
  Computer,
  Status,
  Messages,
  Controls
};
inline constexpr int StationCount = 11;

// The station's name, its window's title.
const char* StationName(Station s);

// The answers of the frame's message boxes.
enum class Answer { Ok, Cancel, Yes, No };

// The three kinds of message box the game asks with.
enum class MessageStyle { ExclamationOk, ExclamationOkCancel, QuestionYesNoCancel };

namespace MenuCommand {
inline constexpr int New = 200, Open = 201, Save = 202, SaveAs = 203, EndGame = 204, Exit = 205;
inline constexpr int ReplayMission = 206;
inline constexpr int SkillBase = 210;
inline constexpr int Pause = 250, AutoSrs = 251, SingleControl = 252, PauseWhenIconic = 253, Sounds = 254;
inline constexpr int RecordMissions = 255;
inline constexpr int Cascade = 260, Tile = 261, ArrangeIcons = 262, DefaultPositions = 263, SaveWindowPositions = 264,
                     RestoreWindowPositions = 265;
inline constexpr int Manual = 280, About = 281;
inline constexpr int BridgeSizeBase = 290;  // + Automatic 0 or the factor 1..3
}  // namespace MenuCommand

// Pixel geometry on the Short Range Scan's client area; colours are 0xRRGGBB.
using Rgb = std::uint32_t;
struct ScanPoint {
  int x, y;
  bool operator==(const ScanPoint&) const = default;
};
struct ScanRect {
  int left, top, right, bottom;  // right and bottom exclusive
  bool operator==(const ScanRect&) const = default;
};
struct ScanPixel {
  int x, y;
  Rgb colour;
  bool operator==(const ScanPixel&) const = default;
};

// What the rules do outside the game state, by role. The game's Qt front end and the
// headless host of the tests and kestrav-tool implement all of them, as one Host.

// Time and pacing: the one clock, and the waits that keep the windows working meanwhile.
class GameClock {
 public:
  virtual ~GameClock() = default;
  virtual std::uint32_t TickCount() = 0;
  virtual void PumpPendingMessages() = 0;
  virtual void WaitPumping(std::uint32_t ms) = 0;
};

// The ship's log and the Computer console.
class ShipLog {
 public:
  virtual ~ShipLog() = default;
  // The Messages panel's lines changed: repaint it scrolled to the bottom.
  virtual void MessagesChanged() = 0;
  // A ship message was just posted, whether it lands on the panel, on the console or, with
  // the display out, nowhere. The windows show it where it lands and need nothing here.
  virtual void ShipMessagePosted(const std::string& text) = 0;
  // Output on the Computer console, already formatted: stored and drawn at the caret.
  virtual void ConsolePrint(const std::string& text) = 0;
  // The console's prompt: the character ">" handed to the console as if typed, so it is
  // stored at the caret unless the keyboard is blocked.
  virtual void ConsolePrompt() = 0;
};

// The one sound channel.
class GameSounds {
 public:
  virtual ~GameSounds() = default;
  virtual void PlaySoundNow(SoundId id, bool loop) = 0;
  virtual void PlaySoundAfterCurrent(SoundId id, bool loop) = 0;
  virtual void StopSound() = 0;
};

// The bridge: the station windows, their timers and the frame's menus and cursor.
class Bridge {
 public:
  virtual ~Bridge() = default;
  virtual void CreateStationWindows() = 0;
  virtual void DestroyStationWindows() = 0;  // in EndGame's order, then the idle menu
  virtual void InvalidateStation(Station s, bool erase) = 0;
  virtual void UpdateStation(Station s) = 0;      // paint now if invalid
  virtual void ShowStationNormal(Station s) = 0;  // restore if minimized
  virtual bool IsStationMinimized(Station s) = 0;
  // If the keyboard focus is in station s, move it to the Controls window (a hit is about to
  // black out s).
  virtual void TakeFocusFrom(Station s) = 0;
  // Queues a request to the Short Range Scan behind the messages already waiting (posted,
  // not sent); it is dropped if the scan is closed first.
  virtual void PostScanRequest(std::function<void()> request) = 0;
  // The condition light on the Status panel starts blinking, a tick every 500 ms, or stops.
  virtual void StartConditionBlink() = 0;
  virtual void StopConditionBlink() = 0;
  // The condition turned docked, yellow or green: no alien shares the ship's quadrant, and
  // the bridge stops tracking one (the Phasers station's TARGET LOCK light goes out).
  virtual void StandDown() = 0;

  virtual void EnableMenuItem(int command, bool enabled) = 0;
  // Long operations and actions: hourglass cursor and the mouse captured by the frame
  // while busy, the arrow and no capture afterwards.
  virtual void SetBusy(bool busy) = 0;
  virtual void RestoreFrame() = 0;  // un-minimize the frame if it is iconic
};

// The actions' animations on the Short Range Scan, by the name a frame trace gives them.
enum class Animation { Warp, Streak, Torpedo, PhaserBeam, AlienBeam, Hit, Explosion };
inline constexpr int AnimationCount = 7;
const char* AnimationName(Animation a);

// One frame of an animation, drawn: its index within the animation and the time the
// animation means each frame to stand.
struct AnimationFrame {
  Animation animation;
  int index;
  std::uint32_t periodMs;
};

// Drawing on the Short Range Scan's surface, step by step, for the actions' animations.
// The rules call these only while the short range sensors work.
class ScanCanvas {
 public:
  virtual ~ScanCanvas() = default;
  virtual void ScanFillBlack(ScanRect rect) = 0;
  virtual void ScanBlitPicture(ScanPoint topLeft, int pictureId) = 0;           // the whole picture
  virtual void ScanBlitFrame(ScanPoint topLeft, int pictureId, int frame) = 0;  // 34 x 25 frame of a strip
  virtual void ScanXorLine(ScanPoint from, ScanPoint to, Rgb colour) = 0;       // end point excluded
  virtual void ScanSetPixels(const std::vector<ScanPixel>& pixels) = 0;         // in order, clipped
  // The drawing calls since the last frame make up `frame`, about to be shown; and an
  // animation is over. They draw nothing: the bridge times the frames it presents by them.
  virtual void ScanFrameDrawn(const AnimationFrame& frame) = 0;
  virtual void ScanAnimationEnded(Animation animation) = 0;
};

// What the player is shown and asked in windows of their own.
class GameDialogs {
 public:
  virtual ~GameDialogs() = default;
  // Communiqués: the text of communiqué `id` from the picture bundle, and the modal window.
  virtual std::string CommuniqueText(int id) = 0;
  virtual void ShowCommunique(const std::string& text) = 0;
  virtual Answer ShowMessageBox(const std::string& text, const std::string& caption,
                                MessageStyle style) = 0;  // owned by the frame
  // The Save As dialog: the path of the file chosen, or nothing when the player cancels.
  virtual std::optional<std::string> ChooseSaveFile() = 0;
  virtual std::string AskHighScoreName() = 0;  // the modal high-score name dialog
  virtual void ShowHighScores() = 0;           // the modal high-score window
};

class Host : public GameClock,
             public ShipLog,
             public GameSounds,
             public Bridge,
             public ScanCanvas,
             public GameDialogs {};

void SetHost(Host* host);
Host& host();  // NOLINT(readability-identifier-naming): named as the object it returns

// Milliseconds since start, from the host's clock (real or virtual).
std::uint32_t TickCount();

// Waits `ms` with the windows working, as WaitPumping does; false when the wait was cut
// short, which happens only when the program is quitting: whatever was awaited will not come.
bool WaitUnlessQuitting(std::uint32_t ms);
