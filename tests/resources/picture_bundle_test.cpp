// The picture bundle as the game finds it: every bitmap at its size and colour
// depth, the animation strips in whole frames, the station icons, the communiqué
// texts byte for byte, and the program's own pictures.

#include <QIcon>
#include <QImage>

#include "libraries/pictures/program/program_pictures.h"
#include "tests/resources/bundle_fixture.h"

namespace {

struct ExpectedBitmap {
  int id, width, height, bits;
};

constexpr ExpectedBitmap Bitmaps[] = {
    {1, 40, 150, 4},   {4, 15, 234, 4},   {5, 358, 87, 4},   {6, 189, 236, 4},  {7, 188, 64, 1},   {8, 280, 84, 4},
    {10, 54, 30, 4},   {11, 54, 30, 4},   {12, 54, 30, 4},   {13, 54, 30, 4},   {14, 54, 30, 4},   {15, 54, 30, 4},
    {16, 54, 30, 4},   {17, 54, 30, 4},   {18, 34, 25, 24},  {19, 34, 25, 24},  {20, 34, 25, 24},  {21, 34, 25, 24},
    {22, 34, 25, 24},  {23, 34, 25, 24},  {24, 34, 100, 24}, {25, 34, 100, 24}, {26, 34, 100, 24}, {27, 34, 100, 24},
    {28, 175, 203, 4}, {29, 117, 61, 4},  {30, 117, 61, 4},  {31, 117, 31, 4},  {32, 15, 234, 4},  {33, 75, 31, 4},
    {34, 88, 53, 4},   {35, 88, 53, 4},   {36, 313, 209, 4}, {37, 117, 61, 4},  {38, 3, 3, 4},     {39, 34, 200, 24},
    {40, 34, 200, 24}, {41, 34, 200, 24}, {42, 34, 200, 24}, {43, 34, 200, 24}, {44, 34, 200, 24}, {45, 34, 200, 24},
    {46, 34, 200, 24}, {48, 34, 200, 24}, {49, 139, 53, 4},  {50, 82, 53, 4},   {51, 53, 23, 4},   {52, 88, 53, 4},
    {53, 11, 11, 4},   {54, 11, 11, 4},   {55, 34, 200, 24}, {56, 34, 200, 24}, {57, 420, 108, 4}, {58, 34, 25, 24},
};

TEST(PictureBundle, EveryBitmapIsAnUncompressedBottomUpBmpOfItsSizeAndDepth) {
  for (const ExpectedBitmap& expected : Bitmaps) {
    SCOPED_TRACE(testing::Message() << "bitmap " << expected.id);
    const QByteArray bmp = BitmapBytes(expected.id);
    ASSERT_GE(bmp.size(), 54);
    EXPECT_EQ(bmp.left(2), QByteArray("BM"));
    EXPECT_EQ(I32At(bmp, 2), bmp.size()) << "the file header's size must match the file";
    EXPECT_EQ(I32At(bmp, 18), expected.width);
    EXPECT_EQ(I32At(bmp, 22), expected.height) << "a positive height: rows stored bottom-up";
    EXPECT_EQ(U16At(bmp, 28), std::uint32_t(expected.bits));
    EXPECT_EQ(I32At(bmp, 30), 0) << "uncompressed";
    const int rowBytes = (expected.width * expected.bits + 31) / 32 * 4;
    EXPECT_EQ(bmp.size() - I32At(bmp, 10), rowBytes * expected.height) << "pixel data of exactly the image's rows";

    const QImage decoded = resources::Picture(expected.id);
    EXPECT_EQ(decoded.size(), QSize(expected.width, expected.height)) << "Qt must read what the game loads";
    if (expected.bits == 4) {
      EXPECT_LE(decoded.colorCount(), 16);
    }
  }
}

TEST(PictureBundle, PassesTheChecksOfTheGamesStart) { EXPECT_EQ(resources::FirstMissingPicture(), QString()); }

TEST(PictureBundle, TheUnusedIdsHoldNoPicture) {
  for (int id : {0, 2, 3, 9, 47, 59}) EXPECT_TRUE(resources::Picture(id).isNull()) << "bitmap " << id;
}

TEST(PictureBundle, StripsHoldWholeFrames) {
  struct Strip {
    int id, frameHeight, frames;
  };
  const Strip strips[] = {
      {4, 18, 13}, {32, 18, 13}, {1, 25, 6},  {24, 25, 4}, {25, 25, 4}, {26, 25, 4},
      {27, 25, 4}, {39, 25, 8},  {40, 25, 8}, {41, 25, 8}, {42, 25, 8}, {43, 25, 8},
      {44, 25, 8}, {45, 25, 8},  {46, 25, 8}, {48, 25, 8}, {55, 25, 8}, {56, 25, 8},
  };
  for (const Strip& strip : strips) {
    const QImage image = resources::Picture(strip.id);
    EXPECT_EQ(image.height(), strip.frameHeight * strip.frames) << "strip " << strip.id;
  }
}

TEST(PictureBundle, AnimatedStripsChangeFromFrameToFrame) {
  // A strip whose frames repeat would stand still on the scan.
  for (int id : {24, 25, 26, 27, 39, 40, 41, 42, 43, 44, 45, 46, 48, 55, 56}) {
    const QImage strip = resources::Picture(id).convertToFormat(QImage::Format_RGB32);
    for (int frame = 1; frame < strip.height() / 25; ++frame)
      EXPECT_NE(strip.copy(0, 25 * (frame - 1), 34, 25), strip.copy(0, 25 * frame, 34, 25))
          << "strip " << id << " frame " << frame;
  }
}

TEST(PictureBundle, TheShipFacingRightMirrorsTheShipFacingLeft) {
  EXPECT_EQ(resources::Picture(19), resources::Picture(18).mirrored(true, false));
}

TEST(PictureBundle, StationIconsAreThirtyTwoPixelSixteenColourIcons) {
  for (int id = 2; id <= 12; ++id) {
    SCOPED_TRACE(testing::Message() << "icon " << id);
    const QByteArray ico = ItemBytes(QStringLiteral(":/kestrav1/icons/%1.ico").arg(id));
    ASSERT_GE(ico.size(), 22 + 40);
    EXPECT_EQ(U16At(ico, 2), 1u) << "an icon, not a cursor";
    EXPECT_EQ(U16At(ico, 4), 1u) << "one image";
    EXPECT_EQ(std::uint8_t(ico[6]), 32);
    EXPECT_EQ(std::uint8_t(ico[7]), 32);
    EXPECT_EQ(U16At(ico, 22 + 14), 4u) << "16 colours";
    const QIcon icon = resources::StationIcon(id);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
  }
  EXPECT_TRUE(resources::StationIcon(1).isNull()) << "the frame's icon lives in the program";
}

TEST(PictureBundle, CommuniquesAreTheMissionTextsByteForByte) {
  const char* const texts[] = {
      "INTERSTELLAR COMM UID#%d\n**** SECURITY CODE: 1 ****\nTO:  U.S.S. ENTERPRISE\n\n"
      "%d alien vessels have invaded the galaxy. Our estimates indicate that Federation Headquarters will be "
      "attacked on stardate %.1f. This gives you %d Earth days to carry out your mission.\n"
      "So that you may resupply your ship and make repairs, we have placed %d Starbases in your area.\n\n"
      "Good Luck, Tam.",
      "INTERSTELLAR COMM UID#%d\n**** SECURITY CODE: 2 ****\nTO:  All Federation Vessels\n\n"
      "The USS Enterprise has failed in its mission. On stardate %.1f, The Enterprise ran out of Dilithium "
      "power, and remains dead in space.\n"
      "The commander of the Enterprise was obviously too inexperienced for this mission. Dilithium Power "
      "Management is one of the most basic Academy training courses.",
      "INTERSTELLAR COMM UID#%d\n**** SECURITY CODE: 3 ****\nTO:  U.S.S. ENTERPRISE\n\n"
      "You have failed to complete your mission in the time alloted. Although you have had some honorable "
      "battles, no accomodations can be given at this time.\n"
      "Report back to federation headquarters immediately so that we may begin hearings on your performance "
      "in this mission.",
      "INTERSTELLAR COMM UID#%d\n**** SECURITY CODE: 2 ****\nTO:  All Federation Vessels\n\n"
      "The USS Enterprise has failed in its mission. On stardate %.1f, The Enterprise was destroyed in battle.\n"
      "Although its commander had some honorable battles, no accomodations can be given at this time.",
      "INTERSTELLAR COMM UID#%d\n**** SECURITY CODE: 2 ****\nTO:  All Federation Vessels\n\n"
      "The USS Enterprise has sucessfully completed its mission. Exceptional courage and skill has resulted in "
      "the quick demise of all alien forces threatening the Federation. The Federation and all its member "
      "planets are eternally grateful. Highest accommodations to the commander of the Enterprise and its "
      "crew.\n\nJob well done!",
  };
  for (int id = 1; id <= 5; ++id) {
    const QByteArray stored = ItemBytes(QStringLiteral(":/kestrav1/communiques/%1.txt").arg(id));
    EXPECT_EQ(stored, QByteArray(texts[id - 1]) + '\0') << "communiqué " << id << ": the text and its NUL";
    EXPECT_EQ(resources::CommuniqueText(id), texts[id - 1]) << "communiqué " << id;
  }
  EXPECT_EQ(resources::CommuniqueText(6), "");
}

TEST(ProgramPictures, ButtonFramesAndIconAreCompiledIntoTheProgram) {
  for (const char* path : {program_pictures::ButtonOn, program_pictures::ButtonOff}) {
    const QByteArray bmp = ItemBytes(QLatin1String(path));
    ASSERT_GE(bmp.size(), 54) << path;
    EXPECT_EQ(I32At(bmp, 18), 60) << path;
    EXPECT_EQ(I32At(bmp, 22), 36) << path;
    EXPECT_EQ(U16At(bmp, 28), 24u) << path;
  }
  EXPECT_NE(QImage(QLatin1String(program_pictures::ButtonOn)), QImage(QLatin1String(program_pictures::ButtonOff)))
      << "pressed and raised must differ";
  const QIcon icon{QLatin1String(program_pictures::ProgramIcon)};
  EXPECT_EQ(icon.pixmap(32, 32).size(), QSize(32, 32));
}

}  // namespace
