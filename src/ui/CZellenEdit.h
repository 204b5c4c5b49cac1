#pragma once
// The in-place edit box of CEditierListCtrl: shows the cell's text selected,
// takes the movement keys itself, grows with its text up to the list's
// right edge, and when it loses the focus reports the end of the edit and
// deletes itself.
#include <QLineEdit>
#include <QPointer>

namespace zeva {

class CEditierListCtrl;

class CZellenEdit : public QLineEdit {
public:
    CZellenEdit(CEditierListCtrl* liste, int zeile, int spalte, const QString& startText);

    int Zeile() const { return m_nZeile; }
    int Spalte() const { return m_nSpalte; }
    QString StartText() const { return m_strStart; }
    bool Abgebrochen() const { return m_bAbgebrochen; }
    void Abbrechen() { m_bAbgebrochen = true; }
    // The list goes: the box ends without reporting.
    void Abkoppeln() { m_liste = nullptr; }

protected:
    bool event(QEvent* ereignis) override;
    void keyPressEvent(QKeyEvent* ereignis) override;
    void keyReleaseEvent(QKeyEvent* ereignis) override;
    void focusOutEvent(QFocusEvent* ereignis) override;

private:
    bool Bewegung(QKeyEvent* ereignis);
    void Gehe(int zeile, int spalte);
    void Beende();
    void PasseBreiteAn();

    QPointer<CEditierListCtrl> m_liste;
    int m_nZeile;
    int m_nSpalte;
    QString m_strStart;
    bool m_bAbgebrochen = false;
    bool m_bBeendet = false;
};

} // namespace zeva
