#pragma once
// Pictures and the pen that several stations draw with. The frame loads them from the
// picture bundle when it is created and frees them when it goes; stations only borrow them.

#include <QImage>
#include <QPen>

extern QImage compassPicture;         // 28: Navigation, Photon Torpedoes
extern QImage executeButtonPicture;   // 31: Navigation, Phasers, Photon Torpedoes, Shields
extern QImage courseDigitStrip;       // 32: Navigation, Photon Torpedoes
extern QImage digitStrip;             // 4: Status, Phasers, Shields
extern QImage transferArrowsPicture;  // 33: Phasers, Shields
extern QImage dilithiumPanelPicture;  // 34: Phasers, Shields
extern QImage shipPicture;            // 7: Shields, and the logo on the empty bridge
extern QPen gridPen;                  // solid green, one pixel wide

void LoadSharedPictures();
void FreeSharedPictures();
