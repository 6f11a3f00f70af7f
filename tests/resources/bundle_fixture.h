#pragma once
// Loads the built picture bundle once for every test of the suite, and reads the
// raw bytes of its items.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QFile>
#include <QString>
#include <cstdint>

#include "stations/resource_library.h"

class PictureBundle : public ::testing::Environment {
 public:
  void SetUp() override { ASSERT_TRUE(resources::LoadBundle(QStringLiteral(KESTRAV_PICTURE_BUNDLE))); }
};

inline QByteArray ItemBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline QByteArray BitmapBytes(int id) { return ItemBytes(QStringLiteral(":/kestrav1/bitmaps/%1.bmp").arg(id)); }

inline std::uint32_t U16At(const QByteArray& bytes, int offset) {
  return std::uint32_t{std::uint8_t(bytes[offset])} | std::uint32_t{std::uint8_t(bytes[offset + 1])} << 8;
}

inline std::int32_t I32At(const QByteArray& bytes, int offset) {
  return std::int32_t(U16At(bytes, offset) | U16At(bytes, offset + 2) << 16);
}
