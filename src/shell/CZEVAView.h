#pragma once
// The view of the main pane: an HTML page that acts as a menu. It shows one
// of three pages: the start page with the recent projects (page mode 1), the
// between page after the input or a special view (mode 2) and an empty page
// (mode 0). Links of the scheme "zeva:///" never navigate: a fragment becomes
// a command of the frame, a path opens that project; both are queued, so the
// click handler has returned before anything happens. Access keys of the
// pages are shortcuts of the view, active only while their page is shown.
#include <QPointer>
#include <QStringList>
#include <QTextBrowser>
#include <functional>
#include <vector>

class QShortcut;

namespace zeva {

class CZEVAView : public QTextBrowser {
    Q_OBJECT
public:
    enum Seite { Leerseite = 306, Startseite = 303, Zwischenseite = 305 };

    explicit CZEVAView(QWidget* parent = nullptr);
    ~CZEVAView() override;

    void SetzeSeitenmodus(int modus) { m_nSeitenmodus = modus; }
    int Seitenmodus() const { return m_nSeitenmodus; }

    // Loads a page; in page mode 1 the recent-project list is filled in from
    // the source set with SetzeRecentQuelle.
    void LadeSeite(Seite seite);
    Seite AktuelleSeite() const { return m_seite; }

    // Where the view takes the recent projects from when it fills the list.
    void SetzeRecentQuelle(std::function<QStringList()> quelle) { m_recentQuelle = std::move(quelle); }

    // The HTML of a page as stored in the resources.
    static QString SeitenQuelle(Seite seite);

    // Handles one link as a click on it would.
    void BearbeiteLink(const QUrl& url);

    // The context menu for a point of the view: the browser's own menu on a
    // link of another protocol, none on text or on a "zeva:" link. The caller
    // owns the menu.
    QMenu* KontextmenueFuer(const QPoint& stelle);

signals:
    // A command of the frame (a command id, or WM_FLAECHENANSICHT).
    void befehl(int id);
    // A project path to open.
    void oeffneDatei(const QString& pfad);
    // The text for the status bar (empty when the mouse leaves a link).
    void statusText(const QString& text);

private:
    void ZeigeKontextmenue(const QPoint& stelle);
    void RichteZugriffstastenEin();
    void AktiviereLink(const QString& href);

    int m_nSeitenmodus = 1;
    Seite m_seite = Leerseite;
    std::function<QStringList()> m_recentQuelle;
    QStringList m_recentPfade; // the paths the shown list was built from
    struct Zugriffstaste {
        QShortcut* taste;
        Seite seite;
        QString href; // empty: recent entry by index
        int index;
    };
    std::vector<Zugriffstaste> m_tasten;
};

} // namespace zeva
