// The start page: the recent-project entries, the "zeva:///" link scheme,
// the status text, the context menu and the page modes of the view.
#include "ShellTestHilfen.h"
#include "ui/QtAusgabe.h"

#include "shell/Befehle.h"
#include "shell/CZEVAView.h"
#include "shell/LetzteDateien.h"
#include "shell/StartseitenLinks.h"

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QUrl>
#include <gtest/gtest.h>

namespace zeva {
namespace {

static testing::Environment* const bildschirm =
    testing::AddGlobalTestEnvironment(new test::Bildschirm("ui/bildschirm-1024x768.json"));

// What a click on the link written into the page delivers to the view:
// QTextBrowser hands the href over as a QUrl.
QString AlsKlick(const QString& href)
{
    return QUrl(href).toString(QUrl::FullyEncoded);
}

QString HrefVon(const QString& eintrag)
{
    const qsizetype anfang = eintrag.indexOf(QStringLiteral("href=\"")) + 6;
    return eintrag.mid(anfang, eintrag.indexOf(QLatin1Char('"'), anfang) - anfang);
}

TEST(StartseitenLinks, RecentEntriesHaveTheExactFormWithOddRowsAtEvenIndices)
{
    const QString heim = QDir::homePath();
    struct Case {
        int i;
        QString pfad;
        QString erwartet;
    };
    const Case cases[] = {
        {0, QStringLiteral("/daten/Haus1.vza"),
         QStringLiteral("<li class=\"odd\"><a accesskey=\"0\" href=\"zeva:///%2Fdaten%2FHaus1.vza\" "
                        "title=\"/daten/Haus1.vza\">Haus1</a></li>")},
        {1, QStringLiteral("/daten/Alt.zva"),
         QStringLiteral("<li><a accesskey=\"1\" href=\"zeva:///%2Fdaten%2FAlt.zva\" title=\"/daten/Alt.zva\">Alt</a></li>")},
        {2, heim + QStringLiteral("/Projekte/Müller & Söhne.vza"),
         QStringLiteral("<li class=\"odd\"><a accesskey=\"2\" href=\"zeva:///%1%2FProjekte%2FM%C3%BCller%20%26%20S%C3%B6hne.vza\" "
                        "title=\"~/Projekte/Müller &amp; Söhne.vza\">Müller &amp; Söhne</a></li>")
             .arg(QString::fromLatin1(QUrl::toPercentEncoding(heim)))},
        {4, QStringLiteral("/a/\"b\"<c>.vza"),
         QStringLiteral("<li class=\"odd\"><a accesskey=\"4\" href=\"zeva:///%2Fa%2F%22b%22%3Cc%3E.vza\" "
                        "title=\"/a/&quot;b&quot;&lt;c&gt;.vza\">&quot;b&quot;&lt;c&gt;</a></li>")},
        {0, QString(), QStringLiteral("<li><a accesskey=\"0\" href=\"zeva:///\" title=\"\"></a></li>")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RecentEintrag(c.i, c.pfad), c.erwartet) << c.pfad.toStdString();
}

TEST(StartseitenLinks, ListIsFilledAtItsMarkerOnly)
{
    const QStringList pfade{QStringLiteral("/p/A.vza"), QStringLiteral("/p/B.vza"), QStringLiteral("/p/C.vza")};
    const QString seite = QStringLiteral("<ol id=\"mru-list\"><!--mru-list--></ol>");
    const QString voll = FuelleRecentListe(seite, pfade);
    EXPECT_EQ(voll, QStringLiteral("<ol id=\"mru-list\">") + RecentEintrag(0, pfade[0]) + RecentEintrag(1, pfade[1])
                        + RecentEintrag(2, pfade[2]) + QStringLiteral("</ol>"));
    EXPECT_EQ(voll.count(QStringLiteral("class=\"odd\"")), 2);
    EXPECT_EQ(FuelleRecentListe(seite, {}), QStringLiteral("<ol id=\"mru-list\"></ol>"));
    const QString ohneListe = QStringLiteral("<p>keine Liste</p>");
    EXPECT_EQ(FuelleRecentListe(ohneListe, pfade), ohneListe);
}

TEST(StartseitenLinks, FragmentsBecomeCommandsComparedExactly)
{
    struct Case {
        const char* link;
        int id;
    };
    const Case cases[] = {
        {"zeva:///#new", ID_FILE_NEW},
        {"zeva:///#open", ID_FILE_OPEN},
        {"zeva:///#auto-san", ID_NEU_PROGRAMM},
        {"zeva:///#manu-san", ID_NEU_MANUELL},
        {"zeva:///#eingabe", ID_ZURUECK_ZUR_EINGABE},
        {"zeva:///#grafik", ID_BESTAND},
        {"zeva:///#report", ID_BESTAND},
        {"zeva:///#flaechen", WM_FLAECHENANSICHT},
        {"zeva:///#xyz", WM_FLAECHENANSICHT},
        {"zeva:///#", WM_FLAECHENANSICHT},
        {"zeva:///#NEW", WM_FLAECHENANSICHT},
        {"zeva:///irgendwas#new", ID_FILE_NEW},
    };
    for (const Case& c : cases) {
        const LinkZiel ziel = DeuteZevaLink(AlsKlick(QString::fromLatin1(c.link)));
        ASSERT_TRUE(std::holds_alternative<LinkBefehl>(ziel)) << c.link;
        EXPECT_EQ(std::get<LinkBefehl>(ziel).id, c.id) << c.link;
    }
}

TEST(StartseitenLinks, ProjectPathsSurviveTheLinkUnchanged)
{
    const QString pfade[] = {
        QStringLiteral("/home/nutzer/Mein Haus.vza"),
        QStringLiteral("/home/nutzer/Grüne Straße/Haus.vza"),
        QStringLiteral("/projekte/Haus#2.vza"),
        QStringLiteral("/projekte/100%41.vza"),
        QStringLiteral("/projekte/\"zitat\" & <klammer>.ZVA"),
    };
    for (const QString& pfad : pfade) {
        const QString href = HrefVon(RecentEintrag(0, pfad));
        const LinkZiel ziel = DeuteZevaLink(AlsKlick(href));
        ASSERT_TRUE(std::holds_alternative<LinkDatei>(ziel)) << pfad.toStdString();
        EXPECT_EQ(std::get<LinkDatei>(ziel).pfad, pfad);
    }
}

TEST(StartseitenLinks, BadEncodingsAndOverlongPathsOpenNothing)
{
    EXPECT_TRUE(std::holds_alternative<LinkUngueltig>(DeuteZevaLink(QStringLiteral("zeva:///abc%"))));
    EXPECT_TRUE(std::holds_alternative<LinkUngueltig>(DeuteZevaLink(QStringLiteral("zeva:///abc%zz"))));
    EXPECT_TRUE(std::holds_alternative<LinkUngueltig>(
        DeuteZevaLink(QStringLiteral("zeva:///") + QString(MaxPfadLaenge + 1, QLatin1Char('a')))));
    EXPECT_TRUE(std::holds_alternative<LinkDatei>(
        DeuteZevaLink(QStringLiteral("zeva:///") + QString(MaxPfadLaenge, QLatin1Char('a')))));
}

TEST(StartseitenLinks, StatusTextShowsThePlainPathOrTheFragment)
{
    EXPECT_EQ(StatusTextFuerLink(AlsKlick(HrefVon(RecentEintrag(0, QStringLiteral("/a/Mein Haus.vza"))))),
              QStringLiteral("/a/Mein Haus.vza"));
    EXPECT_EQ(StatusTextFuerLink(QStringLiteral("zeva:///#new")), QStringLiteral("#new"));
    EXPECT_EQ(StatusTextFuerLink(QStringLiteral("zeva:///50%")), QStringLiteral("50%"));
    EXPECT_EQ(StatusTextFuerLink(QStringLiteral("https://example.org/")), QStringLiteral("https://example.org/"));
    EXPECT_FALSE(IstZevaLink(QStringLiteral("Zeva:///#new")));
}

TEST(LetzteDateien, AnzeigeformShortensTheHomeFolder)
{
    const QString heim = QDir::homePath();
    EXPECT_EQ(LetzteDateien::Anzeigeform(heim + QStringLiteral("/a/b.vza")), QStringLiteral("~/a/b.vza"));
    EXPECT_EQ(LetzteDateien::Anzeigeform(QStringLiteral("/srv/b.vza")), QStringLiteral("/srv/b.vza"));
    EXPECT_EQ(LetzteDateien::Anzeigeform(heim + QStringLiteral("er/b.vza")), heim + QStringLiteral("er/b.vza"));
    const QString lang = QStringLiteral("/srv/") + QString(80, QLatin1Char('x')) + QStringLiteral("/Haus.vza");
    EXPECT_EQ(LetzteDateien::Anzeigeform(lang), QStringLiteral("/srv/…/Haus.vza"));
}

class StartansichtTest : public testing::Test {
protected:
    void SetUp() override
    {
        ansicht.resize(800, 600);
        ansicht.SetzeRecentQuelle([this] { return pfade; });
        ansicht.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&ansicht));
    }

    // The href of the anchor at the start of the text of a list entry.
    QString AnkerBei(const QString& text)
    {
        QTextCursor cursor = ansicht.document()->find(text, 0, QTextDocument::FindCaseSensitively);
        EXPECT_FALSE(cursor.isNull()) << text.toStdString();
        cursor.setPosition(cursor.selectionStart() + 1);
        const QRect r = ansicht.cursorRect(cursor);
        return ansicht.anchorAt(r.center());
    }

    QPoint StelleVon(const QString& text)
    {
        QTextCursor cursor = ansicht.document()->find(text, 0, QTextDocument::FindCaseSensitively);
        cursor.setPosition(cursor.selectionStart() + 1);
        return ansicht.cursorRect(cursor).center();
    }

    QStringList pfade;
    CZEVAView ansicht;
};

TEST_F(StartansichtTest, StartPageListsTheRecentProjectsInModeOne)
{
    pfade = {QStringLiteral("/p/Erstes.vza"), QStringLiteral("/p/Zweites Haus.vza"), QStringLiteral("/p/Drittes#3.zva")};
    ansicht.SetzeSeitenmodus(1);
    ansicht.LadeSeite(CZEVAView::Startseite);
    const QString text = ansicht.toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Aktuelle Projekte")));
    EXPECT_TRUE(text.contains(QStringLiteral("Erstes")));
    EXPECT_TRUE(text.contains(QStringLiteral("Zweites Haus")));
    EXPECT_TRUE(text.contains(QStringLiteral("Drittes#3")));
    EXPECT_EQ(AnkerBei(QStringLiteral("Zweites Haus")), QStringLiteral("zeva:///%2Fp%2FZweites%20Haus.vza"));
    EXPECT_EQ(AnkerBei(QStringLiteral("Neues Projekt")), QStringLiteral("zeva:///#new"));
    EXPECT_EQ(AnkerBei(QStringLiteral("Projekt öffnen")), QStringLiteral("zeva:///#open"));
    EXPECT_EQ(ansicht.documentTitle(), QStringLiteral("Welcome"));

    // The same page in another mode gets no list.
    ansicht.SetzeSeitenmodus(2);
    ansicht.LadeSeite(CZEVAView::Startseite);
    EXPECT_FALSE(ansicht.toPlainText().contains(QStringLiteral("Erstes")));
}

TEST_F(StartansichtTest, BetweenAndEmptyPagesCarryTheirLinks)
{
    ansicht.SetzeSeitenmodus(2);
    ansicht.LadeSeite(CZEVAView::Zwischenseite);
    EXPECT_EQ(ansicht.documentTitle(), QStringLiteral("zwischen"));
    EXPECT_EQ(AnkerBei(QStringLiteral("anuelle Sanierung")), QStringLiteral("zeva:///#manu-san"));
    EXPECT_EQ(AnkerBei(QStringLiteral("utomatische Sanierung")), QStringLiteral("zeva:///#auto-san"));
    EXPECT_EQ(AnkerBei(QStringLiteral("urück zur Gebäude-Eingabe")), QStringLiteral("zeva:///#eingabe"));
    EXPECT_EQ(AnkerBei(QStringLiteral("Bilanz")), QStringLiteral("zeva:///#report"));
    EXPECT_EQ(AnkerBei(QStringLiteral("lächen")), QStringLiteral("zeva:///#flaechen"));

    ansicht.SetzeSeitenmodus(0);
    ansicht.LadeSeite(CZEVAView::Leerseite);
    EXPECT_TRUE(ansicht.toPlainText().trimmed().isEmpty());
}

TEST_F(StartansichtTest, LinksAreQueuedNotRunInsideTheClick)
{
    pfade = {QStringLiteral("/p/Mein Haus #1 100%.vza")};
    ansicht.SetzeSeitenmodus(1);
    ansicht.LadeSeite(CZEVAView::Startseite);
    QSignalSpy befehle(&ansicht, &CZEVAView::befehl);
    QSignalSpy dateien(&ansicht, &CZEVAView::oeffneDatei);

    QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, {}, StelleVon(QStringLiteral("Neues Projekt")));
    EXPECT_EQ(befehle.count(), 0) << "a link's command is posted, not run in the click";
    QCoreApplication::processEvents();
    ASSERT_EQ(befehle.count(), 1);
    EXPECT_EQ(befehle[0][0].toInt(), ID_FILE_NEW);

    QTest::mouseClick(ansicht.viewport(), Qt::LeftButton, {}, StelleVon(QStringLiteral("Mein Haus")));
    QCoreApplication::processEvents();
    ASSERT_EQ(dateien.count(), 1);
    EXPECT_EQ(dateien[0][0].toString(), pfade[0]);
    EXPECT_EQ(befehle.count(), 1) << "the '#' inside the path is not a command";
}

TEST_F(StartansichtTest, AccessKeysWorkOnTheirOwnPageOnly)
{
    pfade = {QStringLiteral("/p/A.vza"), QStringLiteral("/p/B.vza")};
    ansicht.SetzeSeitenmodus(1);
    ansicht.LadeSeite(CZEVAView::Startseite);
    ansicht.activateWindow();
    QSignalSpy befehle(&ansicht, &CZEVAView::befehl);
    QSignalSpy dateien(&ansicht, &CZEVAView::oeffneDatei);

    QTest::keyClick(&ansicht, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(&ansicht, Qt::Key_1, Qt::AltModifier);
    QTest::keyClick(&ansicht, Qt::Key_M, Qt::AltModifier); // between page only
    QCoreApplication::processEvents();
    ASSERT_EQ(befehle.count(), 1);
    EXPECT_EQ(befehle[0][0].toInt(), ID_FILE_NEW);
    ASSERT_EQ(dateien.count(), 1);
    EXPECT_EQ(dateien[0][0].toString(), QStringLiteral("/p/B.vza"));

    ansicht.SetzeSeitenmodus(2);
    ansicht.LadeSeite(CZEVAView::Zwischenseite);
    QTest::keyClick(&ansicht, Qt::Key_N, Qt::AltModifier);
    QTest::keyClick(&ansicht, Qt::Key_F, Qt::AltModifier);
    QCoreApplication::processEvents();
    ASSERT_EQ(befehle.count(), 2);
    EXPECT_EQ(befehle[1][0].toInt(), WM_FLAECHENANSICHT);
}

TEST_F(StartansichtTest, HoveringALinkFeedsTheStatusText)
{
    QSignalSpy status(&ansicht, &CZEVAView::statusText);
    emit ansicht.highlighted(QUrl(QStringLiteral("zeva:///%2Fp%2FMein%20Haus.vza")));
    emit ansicht.highlighted(QUrl(QStringLiteral("zeva:///#new")));
    emit ansicht.highlighted(QUrl());
    ASSERT_EQ(status.count(), 3);
    EXPECT_EQ(status[0][0].toString(), QStringLiteral("/p/Mein Haus.vza"));
    EXPECT_EQ(status[1][0].toString(), QStringLiteral("#new"));
    EXPECT_TRUE(status[2][0].toString().isEmpty());
}

TEST_F(StartansichtTest, ContextMenuOnlyOnLinksOfOtherProtocols)
{
    ansicht.setHtml(QStringLiteral("<p>Text <a href=\"zeva:///#new\">neu</a> und "
                                   "<a href=\"https://example.org/\">fremd</a></p>"));
    EXPECT_EQ(ansicht.KontextmenueFuer(StelleVon(QStringLiteral("Text"))), nullptr);
    EXPECT_EQ(ansicht.KontextmenueFuer(StelleVon(QStringLiteral("neu"))), nullptr);
    std::unique_ptr<QMenu> menue(ansicht.KontextmenueFuer(StelleVon(QStringLiteral("fremd"))));
    ASSERT_NE(menue, nullptr);
    EXPECT_FALSE(menue->actions().isEmpty());
}

} // namespace
} // namespace zeva
