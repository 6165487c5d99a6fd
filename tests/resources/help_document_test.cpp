// The help document: every anchor the program opens exists, and internal links lead somewhere.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QTextDocument>

namespace qf::test {
namespace {

QString HelpText() {
  QFile f(":/help/Quillfern.htm");
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

QSet<QString> Anchors(const QString& html) {
  QSet<QString> names;
  QRegularExpression re(R"re((?:name|id)\s*=\s*"([^"]+)")re");
  for (auto it = re.globalMatch(html); it.hasNext();) names.insert(it.next().captured(1));
  return names;
}

TEST(HelpDocument, HasEveryAnchorTheProgramOpens) {
  QString html = HelpText();
  ASSERT_FALSE(html.isEmpty());
  QSet<QString> anchors = Anchors(html);
  for (const char* a : {"NewTable_Help", "Game_Help", "CustomBet_Help", "Preferences_Help",
                        "contact_us", "trademarks_copyrights"})
    EXPECT_TRUE(anchors.contains(a)) << a;
}

TEST(HelpDocument, InternalLinksPointToExistingAnchors) {
  QString html = HelpText();
  QSet<QString> anchors = Anchors(html);
  QRegularExpression re(R"re(href\s*=\s*"#([^"]+)")re");
  int links = 0;
  for (auto it = re.globalMatch(html); it.hasNext(); ++links) {
    QString target = it.next().captured(1);
    EXPECT_TRUE(anchors.contains(target)) << target.toStdString();
  }
  EXPECT_GT(links, 10);
}

TEST(HelpDocument, NamesTheHandsAsTheTableShowsThemAndGivesTheWebPage) {
  QTextDocument doc;
  doc.setHtml(HelpText());
  QString text = doc.toPlainText();
  for (const char* hand :
       {"High Card", "Pair", "2 Pair", "Trips", "Straight", "Flush", "Full Hs", "4 Up", "S-Flush"})
    EXPECT_TRUE(text.contains(hand)) << hand;
  EXPECT_TRUE(HelpText().contains("https://quillfern.example.org/"));
}

}  // namespace
}  // namespace qf::test
