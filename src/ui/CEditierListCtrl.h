#pragma once
// A table whose cells are edited in place: a click on a cell of an editable
// column opens a small edit box (CZellenEdit) over it; Tab, Shift+Tab,
// Enter, the arrow keys, Ctrl+Home, Ctrl+End, Ctrl+Delete and the page keys
// move the box from cell to cell, Escape drops the edit, and leaving the box
// writes its text into the cell. Rows can be appended by moving below the
// last row when that is allowed: column 0 gets a fixed text and column 1 a
// hexadecimal counter from "1000".
#include "ui/CZellenEdit.h"

#include <QPointer>
#include <QTableWidget>

namespace zeva {

class CEditierListCtrl : public QTableWidget, public Zellenliste {
    Q_OBJECT
public:
    // The id of the edit box ("id1001").
    static constexpr int EditId = 1001;

    explicit CEditierListCtrl(const QString& neueZeile = QString(), QWidget* parent = nullptr);
    ~CEditierListCtrl() override;

    void SetzeEditierbareSpalten(int erste, int letzte);
    int ErsteSpalte() const override { return m_nErsteSpalte; }
    int LetzteSpalte() const override { return m_nLetzteSpalte; }
    void SetzeZeilenAnhaengen(bool anhaengen) { m_bZeilenAnhaengen = anhaengen; }
    bool ZeilenAnhaengen() const { return m_bZeilenAnhaengen; }
    // Clicks open the edit box only while this is on (on at start).
    void SetzeEditierbar(bool editierbar) { m_bEditierbar = editierbar; }

    // Opens the edit box over a cell (appending the row when it does not
    // exist and appending is allowed); nullptr when that is not possible.
    CZellenEdit* EditiereZelle(int zeile, int spalte) override;
    // Appends a row when allowed (called with the row count); its index or −1.
    int HaengeZeileAn(int zeile);

    // The open edit box, or nullptr.
    CZellenEdit* Editor() const;
    // Rows that fit into the visible area.
    int ZeilenProSeite() const override;

    // Called by the edit box on Enter and when it ends: the cell takes the
    // text unless the edit was cancelled, and the notice goes out; with
    // `endgueltig` the box is gone afterwards.
    void BearbeitungBeendet(CZellenEdit* editor, bool endgueltig) override;

signals:
    // The end of an edit: the text is empty and abgebrochen true when cancelled.
    void ZelleBearbeitet(int zeile, int spalte, const QString& text, bool abgebrochen);

protected:
    void mousePressEvent(QMouseEvent* ereignis) override;

private:
    QString m_strNeueZeile;
    bool m_bZeilenAnhaengen = false;
    bool m_bEditierbar = true;
    int m_nErsteSpalte = 0;
    int m_nLetzteSpalte = 0;
    QPointer<CZellenEdit> m_editor;
};

} // namespace zeva
