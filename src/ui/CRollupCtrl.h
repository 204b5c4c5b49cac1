#pragma once
// The roll-up control of the left bar: page widgets stacked vertically, each
// under a flat header button with its caption and framed by a group box. A
// click on a header opens or closes its page. When the stack is taller than
// the control it scrolls: by the thin strip along the right edge, by
// dragging the background of a page (the cursor shows a hand there), or by
// the mouse wheel (one notch, 30 pixels). The context menu opens or closes
// all pages or one by name.
//
// Geometry: header 18 high, 3 pixels after each page, so a closed page takes
// 21; group box at x 2, width W − 9, height 16 closed or P + 20 open; header
// and page at x 6, width W − 18; strip 6 wide. The stack's offset is clamped
// at every layout: never positive, and no empty space below the last page
// while scrolled.
//
// Pages: a page becomes a child of the control. With auto-destroy the
// control deletes it with itself; otherwise it only lets go of it (a page
// still a child of the control then ends with it as any child does, so an
// owner that wants to keep it takes it out first). A page deleted by its
// owner leaves the stack.
#include <QCursor>
#include <QPointer>
#include <QWidget>
#include <memory>
#include <vector>

class QGroupBox;
class QMenu;
class QPushButton;

namespace zeva {

class CRollupCtrl : public QWidget {
public:
    static constexpr int KopfHoehe = 18;
    static constexpr int Abstand = 3;
    static constexpr int StreifenBreite = 6;

    // Commands of the context menu.
    enum Befehl { ID_ALLE_OEFFNEN = 256, ID_ALLE_SCHLIESSEN = 257, ID_ERSTE_SEITE = 258 };

    explicit CRollupCtrl(QWidget* parent = nullptr);
    ~CRollupCtrl() override;

    // Inserts a page before `index` (a negative index, or one not below the
    // page count, appends), closed and enabled; returns its index, −1 for a
    // null page.
    int FuegeSeiteEin(const QString& titel, QWidget* seite, bool autoZerstoeren = false, int index = -1);

    void OeffneAlleSeiten(bool offen);
    void AktiviereAlleSeiten(bool aktiv);
    // Opens or closes one page; an opened page is brought into view.
    void OeffneSeite(int index, bool offen);
    // Enables or disables one page; disabling closes it.
    void AktiviereSeite(int index, bool aktiv);
    bool IstSeiteOffen(int index) const;
    bool IstSeiteAktiv(int index) const;
    // Scrolls the page's header to the top when forced or when the page
    // reaches beyond the control.
    void ZeigeSeite(int index, bool erzwingen);

    int Seitenanzahl() const { return static_cast<int>(m_aSeiten.size()); }
    QWidget* Seite(int index) const;
    QPushButton* Kopf(int index) const;
    QGroupBox* Rahmen(int index) const;

    int ScrollPos() const { return m_nScrollPos; }
    int GesamtHoehe() const { return m_nGesamtHoehe; }
    bool KannRollen() const { return m_nGesamtHoehe > height(); }

    // The scroll thumb: length c and offset t on the strip of length g = H − 4.
    struct Griff {
        int g = 0;
        int c = 0;
        int t = 0;
    };
    Griff BerechneGriff() const;
    QRect StreifenRechteck() const { return QRect(width() - StreifenBreite, 0, StreifenBreite, height()); }

    // Builds the context menu (the caller owns it): "Alle öffnen", "Alle
    // schließen", a separator and one checkable entry per page.
    std::unique_ptr<QMenu> ErzeugeKontextMenue();
    // Carries out a command of the context menu.
    void OnCommand(int id);

    // Lays the pages out; every change calls it.
    void OrdneSeitenAn();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;
    void mousePressEvent(QMouseEvent* ereignis) override;
    void mouseMoveEvent(QMouseEvent* ereignis) override;
    void mouseReleaseEvent(QMouseEvent* ereignis) override;
    void wheelEvent(QWheelEvent* ereignis) override;
    void contextMenuEvent(QContextMenuEvent* ereignis) override;
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    struct RollupSeite {
        QPointer<QWidget> seite;
        QPushButton* kopf = nullptr;
        QGroupBox* rahmen = nullptr;
        bool offen = false;
        bool aktiv = true;
        bool autoZerstoeren = false;
        bool hand = false;           // the page shows the hand cursor now
        bool eigenerCursor = false;  // the page had a cursor of its own
        QCursor gemerkterCursor;
        QMetaObject::Connection zerstoert;
    };

    int IndexVon(const QWidget* seite) const;
    int IndexVonKopf(const QObject* kopf) const;
    void SetzeOffen(RollupSeite& s, bool offen);
    void SetzeAktiv(RollupSeite& s, bool aktiv);
    void AktualisiereCursor(RollupSeite& s, bool rollbar);
    void LasseLos(RollupSeite& s);
    void SeiteZerstoert(QObject* seite);

    std::vector<std::unique_ptr<RollupSeite>> m_aSeiten;
    int m_nScrollPos = 0;
    int m_nGesamtHoehe = 0;
    int m_nLetztesY = 0;
    int m_nGriffVersatz = 0;
    bool m_bStreifenZiehen = false;
    QPointer<QWidget> m_seiteZiehen;
};

} // namespace zeva
