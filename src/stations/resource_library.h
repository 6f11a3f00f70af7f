#pragma once
// The two resource bundles beside the program: KESTRAV1 (pictures, icons, communiqué
// texts) and KESTRAV2 (WAVE sounds). Items are found by their numeric id.
//
// Inside the bundles:  :/kestrav1/bitmaps/<id>.bmp   :/kestrav1/icons/<id>.ico
//                      :/kestrav1/communiques/<id>.txt   :/kestrav2/waves/<id>.wav

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QString>
#include <string>

namespace resources {
inline constexpr const char* PictureBundleName = "KESTRAV1.rcc";
inline constexpr const char* SoundBundleName = "KESTRAV2.rcc";

// Registers a bundle file; false when it is missing or not a bundle.
bool LoadBundle(const QString& path);
void UnloadBundle(const QString& path);

// The first item the game uses that the bundles registered so far do not hold whole, as its
// path in the bundle; empty when every one is there. The picture bundle's are the 54 bitmaps,
// the 11 station icons and the 5 communiqués; the sound bundle's the 12 sounds.
QString FirstMissingPicture();
QString FirstMissingSound();

QImage Picture(int id);              // null image when the id does not exist
QIcon StationIcon(int id);           // empty icon when the id does not exist
std::string CommuniqueText(int id);  // empty when the id does not exist
QByteArray SoundImage(int id);       // a complete RIFF WAVE image, empty when missing
}  // namespace resources
