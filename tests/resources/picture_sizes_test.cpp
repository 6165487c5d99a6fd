// Every picture the game draws is compiled in at its exact size, without alpha.
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <map>
#include <set>

namespace {

const std::map<int, QSize>& ExpectedSizes() {
  static const std::map<int, QSize> kSizes = {
      {106, {64, 84}},   {107, {240, 320}}, {108, {36, 21}},  {110, {36, 21}},  {111, {36, 21}},
      {112, {9, 10}},    {113, {9, 10}},    {114, {9, 10}},   {115, {9, 10}},   {116, {20, 20}},
      {117, {20, 20}},   {118, {36, 21}},   {119, {20, 20}},  {120, {140, 20}}, {121, {140, 20}},
      {122, {140, 20}},  {123, {140, 20}},  {124, {140, 20}}, {125, {140, 20}}, {126, {62, 91}},
      {127, {27, 84}},   {128, {190, 120}}, {142, {140, 20}}, {143, {140, 20}}, {144, {140, 20}},
      {145, {140, 20}},  {147, {7, 7}},     {148, {36, 21}},  {149, {36, 21}},  {150, {36, 21}},
      {152, {325, 160}}, {156, {65, 21}},   {168, {65, 21}},  {169, {9, 9}},    {170, {240, 298}},
      {172, {40, 40}},   {173, {24, 36}},   {174, {182, 33}}, {175, {182, 33}},
  };
  return kSizes;
}

TEST(PictureSet, EveryPictureLoadsAtItsSizeWithoutAlpha) {
  ASSERT_EQ(ExpectedSizes().size(), 39u);
  for (const auto& [id, size] : ExpectedSizes()) {
    QImage img(QString(":/pictures/%1.png").arg(id));
    ASSERT_FALSE(img.isNull()) << "picture " << id << " is missing";
    EXPECT_EQ(img.size(), size) << "picture " << id;
    EXPECT_FALSE(img.hasAlphaChannel()) << "picture " << id;
  }
}

TEST(PictureSet, TheIconIsPixelArtAtEverySizeOfTheIconTheme) {
  for (int size : {16, 24, 32, 48, 64, 128, 256}) {
    QImage icon(QString(":/icons/hicolor/%1x%1/apps/org.quillfern.quillfern.png").arg(size));
    ASSERT_EQ(icon.size(), QSize(size, size)) << size;
    // Hard edges: each pixel fully clear or fully opaque, in a few colours (nothing smoothed).
    std::set<QRgb> colours;
    for (int y = 0; y < size; ++y)
      for (int x = 0; x < size; ++x) {
        const QRgb pixel = icon.pixel(x, y);
        EXPECT_TRUE(qAlpha(pixel) == 0 || qAlpha(pixel) == 255) << size << " " << x << "," << y;
        if (qAlpha(pixel) == 255) colours.insert(pixel);
      }
    EXPECT_LE(colours.size(), 40u) << size;
  }
}

}  // namespace
