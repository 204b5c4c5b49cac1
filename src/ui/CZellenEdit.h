#pragma once
// The in-place edit box of CEditierListCtrl: shows the cell's text selected,
// takes the movement keys itself, grows with its text up to the list's
// right edge, and when it loses the focus reports the end of the edit and
// deletes itself.
#include <QLineEdit>
#include <QPointer>
#include <QTableWidget>

namespace zeva {

class CZellenEdit;

// What the edit box asks of the list it edits in: the editable columns, the
// rows of a page, moving the box to another cell and the end of an edit. The
// list implements it, so the box needs to know no more of the list than this.
class Zellenliste {
public:
    virtual int ErsteSpalte() const = 0;
    virtual int LetzteSpalte() const = 0;
    virtual int ZeilenProSeite() const = 0;
    virtual CZellenEdit* EditiereZelle(int zeile, int spalte) = 0;
    virtual void BearbeitungBeendet(CZellenEdit* editor, bool endgueltig) = 0;

protected:
    ~Zellenliste() = default;
};

class CZellenEdit : public QLineEdit {
public:
    // `tabelle` is the list's own table: the box lies in its viewport and
    // moves over and removes its rows.
    CZellenEdit(Zellenliste& liste, QTableWidget* tabelle, int zeile, int spalte, const QString& startText);

    int Zeile() const { return m_nZeile; }
    int Spalte() const { return m_nSpalte; }
    QString StartText() const { return m_strStart; }
    bool Abgebrochen() const { return m_bAbgebrochen; }
    void Abbrechen() { m_bAbgebrochen = true; }
    // The list goes: the box ends without reporting.
    void Abkoppeln()
    {
        m_liste = nullptr;
        m_tabelle = nullptr;
    }

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

    // The list while it is there (the table is watched for its end).
    Zellenliste* Liste() const { return m_tabelle ? m_liste : nullptr; }

    Zellenliste* m_liste;
    QPointer<QTableWidget> m_tabelle;
    int m_nZeile;
    int m_nSpalte;
    QString m_strStart;
    bool m_bAbgebrochen = false;
    bool m_bBeendet = false;
};

} // namespace zeva
