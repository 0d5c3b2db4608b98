// The help pages that the programs carry as a resource under :/help, one set
// per interface language. The help window opens :/help/<lang>/index.html and
// follows the pages' links from there, so a missing page or a broken link is
// a dead end for the player.
#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QUrl>

#include "core/catalogue.h"

namespace {

const QStringList kLanguages = {"ru", "en"};

QString ReadResource(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(f.readAll());
}

// Every page in the resource, as ":/help/ru/index.html".
QStringList BuiltInPages() {
  QStringList pages;
  QDirIterator it(":/help", {"*.html", "*.htm"}, QDir::Files, QDirIterator::Subdirectories);
  while (it.hasNext()) pages << it.next();
  pages.sort();
  return pages;
}

// The page's text with every run of blanks and line breaks made one blank, so
// a name broken over two source lines is still found.
QString FlatText(const QString& html) {
  return html.simplified();
}

QStringList Links(const QString& html) {
  static const QRegularExpression href(R"re(href\s*=\s*"([^"]*)")re",
                                       QRegularExpression::CaseInsensitiveOption);
  QStringList links;
  for (auto m = href.globalMatch(html); m.hasNext();) links << m.next().captured(1);
  return links;
}

bool IsRelative(const QString& link) {
  return QUrl(link).scheme().isEmpty();
}

// ":/help/ru/durak.html" for the link "durak.html#road" on a page of ru.
QString TargetPage(const QString& page, const QString& link) {
  const QUrl base(QStringLiteral("qrc") + page);
  return QStringLiteral(":") + base.resolved(QUrl(link)).path();
}

bool HasAnchor(const QString& html, const QString& name) {
  return html.contains(QStringLiteral("name=\"%1\"").arg(name)) ||
         html.contains(QStringLiteral("id=\"%1\"").arg(name));
}

TEST(HelpPages, BothIndexPagesAreBuiltIn) {
  for (const QString& lang : kLanguages) {
    const QString index = ":/help/" + lang + "/index.html";
    EXPECT_TRUE(QFile::exists(index)) << index.toStdString();
    EXPECT_FALSE(ReadResource(index).isEmpty()) << index.toStdString();
  }
}

TEST(HelpPages, EveryGameOfTheCatalogueIsNamedOnTheIndexOfItsLanguage) {
  const Edition& e = Edition285();
  for (int lang = 0; lang < 2; ++lang) {
    const QString index = ":/help/" + kLanguages[lang] + "/index.html";
    const QString text = FlatText(ReadResource(index));
    for (int i = 0; i < e.catalogueSize; ++i) {
      const CatalogueEntry& entry = e.catalogue[i];
      const std::string name = GameName(e, entry.VidG, lang, entry.FormG);
      ASSERT_FALSE(name.empty());
      EXPECT_TRUE(text.contains(QString::fromStdString(name)))
          << index.toStdString() << " does not name " << name;
    }
  }
}

TEST(HelpPages, EveryRelativeLinkLeadsToAPageAndPlaceThatExist) {
  const QStringList pages = BuiltInPages();
  ASSERT_FALSE(pages.isEmpty());
  for (const QString& page : pages) {
    const QString html = ReadResource(page);
    for (const QString& link : Links(html)) {
      if (!IsRelative(link)) continue;
      const QString target = TargetPage(page, link);
      if (!QFile::exists(target)) {
        ADD_FAILURE() << page.toStdString() << " links to " << link.toStdString();
        continue;
      }
      const QString fragment = QUrl(link).fragment();
      if (!fragment.isEmpty()) {
        EXPECT_TRUE(HasAnchor(ReadResource(target), fragment))
            << page.toStdString() << " links to a missing place " << link.toStdString();
      }
    }
  }
}

TEST(HelpPages, EveryPageCanBeReachedFromTheIndexOfItsLanguage) {
  for (const QString& lang : kLanguages) {
    const QString prefix = ":/help/" + lang + "/";
    QSet<QString> seen{prefix + "index.html"};
    QStringList queue{prefix + "index.html"};
    while (!queue.isEmpty()) {
      const QString page = queue.takeFirst();
      for (const QString& link : Links(ReadResource(page))) {
        if (!IsRelative(link)) continue;
        const QString target = TargetPage(page, link);
        if (target.startsWith(prefix) && !seen.contains(target)) {
          seen.insert(target);
          queue << target;
        }
      }
    }
    for (const QString& page : BuiltInPages()) {
      if (page.startsWith(prefix)) {
        EXPECT_TRUE(seen.contains(page)) << page.toStdString() << " cannot be reached";
      }
    }
  }
}

TEST(HelpPages, EachPageExistsInBothLanguagesAndDeclaresItsEncoding) {
  QSet<QString> names[2];
  for (const QString& page : BuiltInPages()) {
    const QString html = ReadResource(page);
    EXPECT_TRUE(html.contains("<meta charset=\"utf-8\">")) << page.toStdString();
    EXPECT_FALSE(html.contains("<script", Qt::CaseInsensitive)) << page.toStdString();
    for (int lang = 0; lang < 2; ++lang) {
      if (page.startsWith(":/help/" + kLanguages[lang] + "/")) {
        names[lang].insert(QFileInfo(page).fileName());
      }
    }
  }
  EXPECT_EQ(names[0], names[1]);
}

// A page written but left out of help.qrc would never reach the player.
TEST(HelpPages, EveryPageOfTheSourceFolderIsBuiltIn) {
  const QStringList pages = BuiltInPages();
  const QSet<QString> builtIn(pages.cbegin(), pages.cend());
  for (const QString& lang : kLanguages) {
    QDir folder(QStringLiteral(KALVENAR_HELP_DIR) + "/" + lang);
    ASSERT_TRUE(folder.exists()) << folder.path().toStdString();
    for (const QString& file : folder.entryList({"*.html", "*.htm"}, QDir::Files)) {
      const QString page = ":/help/" + lang + "/" + file;
      EXPECT_TRUE(builtIn.contains(page)) << page.toStdString() << " is missing from help.qrc";
    }
  }
}

}  // namespace
