#include "ui/CEditierListCtrl.h"

#include "ui/CZellenEdit.h"
#include "ui/SteuerelementId.h"

#include <QHeaderView>
#include <QMouseEvent>
#include <QScrollBar>

namespace zeva {

CEditierListCtrl::CEditierListCtrl(const QString& neueZeile, QWidget* parent)
    : QTableWidget(parent), m_strNeueZeile(neueZeile)
{
    // Only the list's own edit box edits.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    verticalHeader()->hide();
    // Scrolling ends a running edit: the list takes the focus first.
    auto beenden = [this] {
        if (m_editor && !hasFocus())
            setFocus(Qt::OtherFocusReason);
    };
    connect(verticalScrollBar(), &QScrollBar::actionTriggered, this, beenden);
    connect(horizontalScrollBar(), &QScrollBar::actionTriggered, this, beenden);
}

CEditierListCtrl::~CEditierListCtrl()
{
    if (m_editor) {
        m_editor->Abkoppeln();
        delete m_editor.data();
    }
}

CZellenEdit* CEditierListCtrl::Editor() const
{
    return m_editor;
}

void CEditierListCtrl::SetzeEditierbareSpalten(int erste, int letzte)
{
    m_nErsteSpalte = erste;
    m_nLetzteSpalte = letzte;
}

int CEditierListCtrl::ZeilenProSeite() const
{
    const int hoehe = rowCount() > 0 ? rowHeight(0) : verticalHeader()->defaultSectionSize();
    return std::max(1, viewport()->height() / std::max(1, hoehe));
}

int CEditierListCtrl::HaengeZeileAn(int zeile)
{
    if (!m_bZeilenAnhaengen)
        return -1;
    const int neu = rowCount();
    Q_UNUSED(zeile);
    insertRow(neu);
    setItem(neu, 0, new QTableWidgetItem(m_strNeueZeile));
    if (columnCount() > 1) {
        QString zaehler = QStringLiteral("1000");
        if (neu > 0) {
            const QTableWidgetItem* vorher = item(neu - 1, 1);
            bool ok = false;
            const qlonglong wert = vorher ? vorher->text().trimmed().toLongLong(&ok, 16) : 0;
            zaehler = QString::number((ok ? wert : 0) + 1, 16);
        }
        setItem(neu, 1, new QTableWidgetItem(zaehler));
    }
    if (columnCount() > 2)
        resizeColumnToContents(2);
    return neu;
}

CZellenEdit* CEditierListCtrl::EditiereZelle(int zeile, int spalte)
{
    if (zeile < 0 || spalte < 0)
        return nullptr;
    if (zeile >= rowCount()) {
        HaengeZeileAn(rowCount());
        if (zeile >= rowCount())
            return nullptr;
    }
    if (spalte >= columnCount() || columnWidth(spalte) <= 4)
        return nullptr;
    scrollTo(model()->index(zeile, spalte));

    const int x = columnViewportPosition(spalte);
    const int rechts = std::min(x + columnWidth(spalte) + 1, viewport()->width());
    const QRect rechteck(x + 4, rowViewportPosition(zeile), std::max(0, rechts - (x + 4)), rowHeight(zeile));
    const QTableWidgetItem* zelle = item(zeile, spalte);
    auto* editor = new CZellenEdit(*this, this, zeile, spalte, zelle ? zelle->text() : QString());
    SetzeId(editor, EditId);
    Qt::Alignment ausrichtung = Qt::AlignLeft;
    if (const QTableWidgetItem* kopf = horizontalHeaderItem(spalte)) {
        const auto h = Qt::Alignment(kopf->textAlignment()) & Qt::AlignHorizontal_Mask;
        if (h & Qt::AlignRight)
            ausrichtung = Qt::AlignRight;
        else if (h & Qt::AlignHCenter)
            ausrichtung = Qt::AlignHCenter;
    }
    editor->setAlignment(ausrichtung | Qt::AlignVCenter);
    editor->setGeometry(rechteck);
    m_editor = editor;
    editor->show();
    editor->setFocus(Qt::OtherFocusReason);
    editor->selectAll();
    return editor;
}

void CEditierListCtrl::BearbeitungBeendet(CZellenEdit* editor, bool endgueltig)
{
    const bool abgebrochen = editor->Abgebrochen();
    const QString text = abgebrochen ? QString() : editor->text();
    const int zeile = editor->Zeile();
    const int spalte = editor->Spalte();
    if (endgueltig && m_editor == editor)
        m_editor = nullptr;
    if (!abgebrochen && zeile < rowCount() && spalte < columnCount()) {
        if (QTableWidgetItem* zelle = item(zeile, spalte))
            zelle->setText(text);
        else
            setItem(zeile, spalte, new QTableWidgetItem(text));
    }
    emit ZelleBearbeitet(zeile, spalte, text, abgebrochen);
}

void CEditierListCtrl::mousePressEvent(QMouseEvent* ereignis)
{
    QTableWidget::mousePressEvent(ereignis);
    const QModelIndex zelle = indexAt(ereignis->position().toPoint());
    if (m_bEditierbar && zelle.isValid() && zelle.column() >= m_nErsteSpalte && zelle.column() <= m_nLetzteSpalte)
        EditiereZelle(zelle.row(), zelle.column());
}

} // namespace zeva
