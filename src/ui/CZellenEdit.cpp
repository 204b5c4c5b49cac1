#include "ui/CZellenEdit.h"

#include <QFocusEvent>
#include <QKeyEvent>

namespace zeva {

CZellenEdit::CZellenEdit(Zellenliste& liste, QTableWidget* tabelle, int zeile, int spalte, const QString& startText)
    : QLineEdit(tabelle->viewport()), m_liste(&liste), m_tabelle(tabelle), m_nZeile(zeile), m_nSpalte(spalte),
      m_strStart(startText)
{
    setFont(tabelle->font());
    setText(startText);
    setFrame(true);
    connect(this, &QLineEdit::textChanged, this, [this] { PasseBreiteAn(); });
}

void CZellenEdit::PasseBreiteAn()
{
    if (!Liste())
        return;
    const int gewuenscht = fontMetrics().horizontalAdvance(text()) + 5;
    if (gewuenscht > width())
        resize(std::min(gewuenscht, m_tabelle->viewport()->width() - x()), height());
}

bool CZellenEdit::event(QEvent* ereignis)
{
    // Tab and the keys the box moves with are its own, not the focus chain's
    // or a shortcut's.
    if (ereignis->type() == QEvent::KeyPress) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        if (taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) {
            keyPressEvent(taste);
            return true;
        }
    } else if (ereignis->type() == QEvent::ShortcutOverride) {
        auto* taste = static_cast<QKeyEvent*>(ereignis);
        switch (taste->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Delete:
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
            taste->accept();
            return true;
        default:
            if (taste->modifiers() & Qt::ControlModifier) {
                taste->accept();
                return true;
            }
        }
    }
    return QLineEdit::event(ereignis);
}

void CZellenEdit::Gehe(int zeile, int spalte)
{
    if (Liste())
        Liste()->EditiereZelle(zeile, spalte);
}

bool CZellenEdit::Bewegung(QKeyEvent* ereignis)
{
    if (!Liste())
        return false;
    const bool strg = ereignis->modifiers() & Qt::ControlModifier;
    const bool umschalt = ereignis->modifiers() & Qt::ShiftModifier;
    const int erste = Liste()->ErsteSpalte();
    const int letzte = Liste()->LetzteSpalte();
    switch (ereignis->key()) {
    case Qt::Key_Tab:
        if (!umschalt) {
            const int spalte = std::max(m_nSpalte + 1, erste);
            if (spalte <= letzte)
                Gehe(m_nZeile, spalte);
            else
                Gehe(m_nZeile + 1, erste);
            return true;
        }
        [[fallthrough]];
    case Qt::Key_Backtab: {
        const int spalte = std::min(m_nSpalte - 1, letzte);
        if (spalte >= erste)
            Gehe(m_nZeile, spalte);
        else if (m_nZeile > 0)
            Gehe(m_nZeile - 1, letzte);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        Liste()->BearbeitungBeendet(this, false);
        Gehe(m_nZeile + 1, 0);
        return true;
    case Qt::Key_Escape:
        Abbrechen();
        m_tabelle->setFocus(Qt::OtherFocusReason);
        return true;
    case Qt::Key_Up:
        if (m_nZeile > 0)
            Gehe(m_nZeile - 1, m_nSpalte);
        return true;
    case Qt::Key_Down:
        Gehe(m_nZeile + 1, m_nSpalte);
        return true;
    case Qt::Key_Home:
        if (!strg)
            return false;
        Gehe(0, m_nSpalte);
        return true;
    case Qt::Key_End:
        if (!strg)
            return false;
        Gehe(m_tabelle->rowCount() - 1, m_nSpalte);
        return true;
    case Qt::Key_Delete:
        if (!strg)
            return false;
        if (m_nZeile != 0) {
            // The row goes with its edit: nothing is written back.
            Abbrechen();
            const int zeile = m_nZeile;
            m_tabelle->removeRow(zeile);
            Gehe(zeile - 1, m_nSpalte);
        }
        return true;
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        return true; // moves on release
    default:
        return false;
    }
}

void CZellenEdit::keyPressEvent(QKeyEvent* ereignis)
{
    if (Bewegung(ereignis)) {
        ereignis->accept();
        return;
    }
    QLineEdit::keyPressEvent(ereignis);
}

void CZellenEdit::keyReleaseEvent(QKeyEvent* ereignis)
{
    if (Liste() && (ereignis->key() == Qt::Key_PageUp || ereignis->key() == Qt::Key_PageDown)) {
        const int seite = Liste()->ZeilenProSeite();
        const int letzte = m_tabelle->rowCount() - 1;
        const int zeile = ereignis->key() == Qt::Key_PageUp ? std::max(0, m_nZeile - seite)
                                                            : std::min(letzte, m_nZeile + seite);
        ereignis->accept();
        if (zeile != m_nZeile)
            Gehe(zeile, m_nSpalte);
        return;
    }
    QLineEdit::keyReleaseEvent(ereignis);
}

void CZellenEdit::focusOutEvent(QFocusEvent* ereignis)
{
    QLineEdit::focusOutEvent(ereignis);
    // The box's own context menu is part of the edit.
    if (ereignis->reason() == Qt::PopupFocusReason)
        return;
    Beende();
}

void CZellenEdit::Beende()
{
    if (m_bBeendet)
        return;
    m_bBeendet = true;
    if (Liste())
        Liste()->BearbeitungBeendet(this, true);
    hide();
    deleteLater();
}

} // namespace zeva
