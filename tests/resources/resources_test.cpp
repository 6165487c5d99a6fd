// The compiled-in pictures, sounds and help document. (How the pictures look
// once drawn is pinned by the view's golden images.)
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QTextDocument>

namespace qf::test {
namespace {

QImage Picture(int id) {
  return QImage(QString(":/pictures/%1.png").arg(id)).convertToFormat(QImage::Format_RGB32);
}

QRgb Pixel(const QImage& image, int x, int y) {
  return image.pixel(x, y) & 0xFFFFFFu;
}

int Count(const QImage& image, const QRect& area, QRgb colour) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) n += Pixel(image, x, y) == colour;
  return n;
}

// Every block of the list differs from every other.
void ExpectDistinct(const QImage& image, const std::vector<QRect>& blocks, const char* what) {
  for (size_t a = 0; a < blocks.size(); ++a)
    for (size_t b = a + 1; b < blocks.size(); ++b)
      EXPECT_NE(image.copy(blocks[a]), image.copy(blocks[b])) << what << " " << a << " and " << b;
}

constexpr QRgb kLime = 0x33FF00, kMagenta = 0xFF33FF, kGreen = 0x00FF00, kWhite = 0xFFFFFF;

TEST(Pictures, EveryPictureAtItsSizeWithoutAlphaAndItsKeyColourInTheCorner) {
  // clang-format off
  const struct {
    std::vector<int> ids;
    QSize size;
    QRgb corner;  // the key colour, or what the corner shows
  } groups[] = {
      {{106}, {64, 84}, kWhite}, {{107}, {240, 320}, 0},
      {{108, 110, 111, 118, 148, 149, 150}, {36, 21}, kLime},  // bubbles
      {{112, 113, 114, 115}, {9, 10}, kMagenta}, {{116, 119}, {20, 20}, kLime},
      {{117}, {20, 20}, kWhite}, {{120, 121, 122, 123, 124, 125, 142, 143, 144, 145}, {140, 20}, kLime},
      {{126}, {62, 91}, kWhite}, {{127}, {27, 84}, kWhite}, {{128}, {190, 120}, kWhite},
      {{147}, {7, 7}, kLime}, {{152}, {325, 160}, kGreen}, {{156, 168}, {65, 21}, kWhite},
      {{169}, {9, 9}, kGreen}, {{170}, {240, 298}, 0}, {{172}, {40, 40}, 0},
      {{173}, {24, 36}, kGreen}, {{174, 175}, {182, 33}, 0}};
  // clang-format on
  int pictures = 0;
  for (const auto& group : groups) {
    for (int id : group.ids) {
      SCOPED_TRACE(id);
      const QImage raw(QString(":/pictures/%1.png").arg(id));
      ASSERT_FALSE(raw.isNull());
      EXPECT_EQ(raw.size(), group.size);
      EXPECT_FALSE(raw.hasAlphaChannel());
      if (group.corner != 0) {
        EXPECT_EQ(Pixel(Picture(id), 0, 0), group.corner);
      }
      ++pictures;
    }
  }
  EXPECT_EQ(pictures, 39);
}

TEST(Pictures, FiftyTwoCardsTellApartByTheirIndexSolidInsideTheirKeyedCorners) {
  const QImage sheet = Picture(152);
  std::vector<QRect> indexes;  // what overlapped hole cards show
  for (int c = 0; c < 52; ++c) {
    const QRect face(25 * (c % 13), 40 * (c / 13), 25, 40);
    indexes.push_back(QRect(face.topLeft(), QSize(12, 18)));
    for (QPoint corner : {face.topLeft(), face.topRight(), face.bottomLeft(), face.bottomRight()})
      EXPECT_EQ(Pixel(sheet, corner.x(), corner.y()), kGreen) << c;
    EXPECT_EQ(Count(sheet, face.adjusted(2, 2, -2, -2), kGreen), 0) << c;
    EXPECT_GT(Count(sheet, face, kWhite), 25 * 40 / 3) << c;
  }
  ExpectDistinct(sheet, indexes, "card index");
}

uint32_t Le(const QByteArray& b, qsizetype at, int bytes) {
  uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(b[at + i]);
  return v;
}

TEST(Sounds, EachIsA16BitPcmWavOfItsLengthAndNotSilent) {
  const struct {
    const char* name;
    double shortest, longest;  // seconds
  } sounds[] = {
      {"chips", .1, 1}, {"knock", .1, 1}, {"folds", .1, 1}, {"click", .02, .3}, {"splash", 1.5, 6}};
  for (const auto& s : sounds) {
    SCOPED_TRACE(s.name);
    QFile file(QString(":/sounds/%1.wav").arg(s.name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray b = file.readAll();
    ASSERT_TRUE(b.size() > 44 && b.size() < 256 * 1024);
    ASSERT_EQ(b.mid(0, 4) + b.mid(8, 4), "RIFFWAVE");
    EXPECT_EQ(Le(b, 4, 4) + 8, static_cast<uint32_t>(b.size()));
    uint32_t channels = 0, rate = 0, bits = 0;
    qsizetype at = 12;
    while (at + 8 <= b.size() && b.mid(at, 4) != "data") {
      if (b.mid(at, 4) == "fmt ") {
        EXPECT_EQ(Le(b, at + 8, 2), 1u) << "PCM";
        channels = Le(b, at + 10, 2), rate = Le(b, at + 12, 4), bits = Le(b, at + 22, 2);
        EXPECT_EQ(Le(b, at + 20, 2), channels * bits / 8) << "block size";
        EXPECT_EQ(Le(b, at + 16, 4), channels * bits / 8 * rate) << "byte rate";
      }
      at += 8 + Le(b, at + 4, 4) + (Le(b, at + 4, 4) & 1);
    }
    ASSERT_EQ(bits, 16u);
    ASSERT_LE(at + 8 + Le(b, at + 4, 4), static_cast<uint32_t>(b.size()))
        << "data runs past the end";
    EXPECT_TRUE(rate >= 11025 && rate <= 48000) << rate;
    const uint32_t size = Le(b, at + 4, 4);
    const double seconds = size / (2.0 * channels) / rate;
    EXPECT_TRUE(seconds >= s.shortest && seconds <= s.longest) << seconds;
    int peak = 0;
    for (uint32_t i = 0; i + 1 < size; i += 2)
      peak = std::max(peak, std::abs(static_cast<int>(static_cast<int16_t>(Le(b, at + 8 + i, 2)))));
    EXPECT_GT(peak, 8000) << "nearly silent";
  }
}

TEST(HelpDocument, HasEveryAnchorTheProgramOpensAndEveryLinkLeadsSomewhere) {
  QFile file(":/help/Quillfern.htm");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QString html = QString::fromUtf8(file.readAll());
  QSet<QString> anchors;
  static const QRegularExpression anchor(R"re((?:name|id)\s*=\s*"([^"]+)")re");
  for (auto it = anchor.globalMatch(html); it.hasNext();) anchors.insert(it.next().captured(1));
  for (const char* a : {"NewTable_Help", "Game_Help", "CustomBet_Help", "Preferences_Help",
                        "contact_us", "trademarks_copyrights"})
    EXPECT_TRUE(anchors.contains(a)) << a;
  static const QRegularExpression link(R"re(href\s*=\s*"#([^"]+)")re");
  int links = 0;
  for (auto it = link.globalMatch(html); it.hasNext(); ++links) {
    const QString target = it.next().captured(1);
    EXPECT_TRUE(anchors.contains(target)) << target.toStdString();
  }
  EXPECT_GT(links, 10);
  // The hands named as the table shows them, and the web page.
  QTextDocument doc;
  doc.setHtml(html);
  for (const char* hand :
       {"High Card", "Pair", "2 Pair", "Trips", "Straight", "Flush", "Full Hs", "4 Up", "S-Flush"})
    EXPECT_TRUE(doc.toPlainText().contains(hand)) << hand;
  EXPECT_TRUE(html.contains("https://quillfern.example.org/"));
}

}  // namespace
}  // namespace qf::test

int main(int argc, char** argv) {  // a QGuiApplication decodes the pictures
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
