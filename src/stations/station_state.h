#pragma once
// Everything of the stations that changes while the program runs, in one record; a fresh one
// is program start (ResetStationState).

#include <QImage>
#include <QPen>

#include "stations/sound.h"

class ReadOutListener;
class StationWindow;

struct StationState {
  // The live station windows. Each station stores itself in its handle when it is created and
  // clears it when it is destroyed, so a handle is null whenever no game runs.
  StationWindow* srsWindow = nullptr;
  StationWindow* lrsWindow = nullptr;
  StationWindow* navigationWindow = nullptr;
  StationWindow* photonWindow = nullptr;
  StationWindow* phaserWindow = nullptr;
  StationWindow* shieldWindow = nullptr;
  StationWindow* damageWindow = nullptr;
  StationWindow* computerWindow = nullptr;
  StationWindow* statusWindow = nullptr;
  StationWindow* messagesWindow = nullptr;
  StationWindow* controlsWindow = nullptr;

  // 1 while the Damage Report shows the time still to go instead of the repair stardate. It
  // belongs to the program run: it keeps its value from one game to the next and is not saved.
  int repairShowRemaining = 0;

  SoundChannelState soundChannel;

  // Who hears of changed read-outs in place of a screen reader; null: the screen reader.
  ReadOutListener* readOutListener = nullptr;

  // Pictures and the pen that several stations draw with. The frame loads them from the
  // picture bundle when it is created (LoadSharedPictures) and frees them when it goes;
  // stations only borrow them.
  QImage compassPicture;         // 28: Navigation, Photon Torpedoes
  QImage executeButtonPicture;   // 31: Navigation, Phasers, Photon Torpedoes, Shields
  QImage courseDigitStrip;       // 32: Navigation, Photon Torpedoes
  QImage digitStrip;             // 4: Status, Phasers, Shields
  QImage transferArrowsPicture;  // 33: Phasers, Shields
  QImage dilithiumPanelPicture;  // 34: Phasers, Shields
  QImage shipPicture;            // 7: Shields, and the logo on the empty bridge
  QPen gridPen;                  // solid green, one pixel wide
};

extern StationState stationState;
