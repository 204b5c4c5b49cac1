#include "input/CSchrittseite.h"

#include "shell/CMainFrame.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace zeva {

CSchrittseite::CSchrittseite(CMainFrame& rahmen) : DatenDialog(&rahmen), m_rahmen(rahmen) {}

CZEVADoc& CSchrittseite::Dokument() const
{
    return *m_rahmen.GetActiveDocument();
}

Haus& CSchrittseite::HausRef() const
{
    return m_rahmen.AktuellesHaus();
}

void CSchrittseite::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ereignis->modifiers() == Qt::NoModifier || ereignis->modifiers() == Qt::KeypadModifier) {
            ereignis->accept();
            OnOK();
            return;
        }
        break;
    case Qt::Key_Escape:
        ereignis->accept();
        OnCancel();
        return;
    default: break;
    }
    DatenDialog::keyPressEvent(ereignis);
}

QLineEdit* CSchrittseite::Zahlenfeld(QWidget* eltern, int id)
{
    auto* feld = ErzeugeMitId<QLineEdit>(eltern, id);
    feld->setAlignment(Qt::AlignRight);
    feld->setMaximumWidth(feld->fontMetrics().horizontalAdvance(QStringLiteral("000000000")) + 12);
    return feld;
}

QLabel* CSchrittseite::Feldzeile(QGridLayout* raster, int zeile, const char* text, QWidget* feld,
                                 const char* einheit)
{
    auto* l = new QLabel(QString::fromUtf8(text), feld->parentWidget());
    l->setBuddy(feld);
    raster->addWidget(l, zeile, 0);
    raster->addWidget(feld, zeile, 1);
    if (einheit == nullptr)
        return nullptr;
    auto* e = new QLabel(QString::fromUtf8(einheit), feld->parentWidget());
    raster->addWidget(e, zeile, 2);
    return e;
}

QPushButton* CSchrittseite::Knopf(const QString& text, int id)
{
    auto* knopf = ErzeugeMitId<QPushButton>(this, id);
    knopf->setText(text);
    knopf->setAutoDefault(false);
    return knopf;
}

CSchrittseite::Schrittleiste CSchrittseite::ErzeugeSchrittleiste(int weiterId, int zurueckId,
                                                                 const QString& zurueckText, int vorherId, int istId,
                                                                 int nachId)
{
    Schrittleiste leiste;
    leiste.zeile = new QHBoxLayout;
    leiste.zurueck = Knopf(zurueckText, zurueckId);
    leiste.weiter = Knopf(QStringLiteral("&Weiter >>"), weiterId);
    leiste.zeile->addWidget(leiste.zurueck);
    leiste.zeile->addStretch(1);
    const struct {
        int id;
        const char* text;
        bool aktiv;
    } namen[3] = {{vorherId, "VOR", false}, {istId, "IST", true}, {nachId, "NACH", false}};
    for (const auto& n : namen) {
        QPushButton* name = Knopf(QString::fromLatin1(n.text), n.id);
        name->setFlat(true);
        name->setEnabled(n.aktiv);
        name->setFocusPolicy(Qt::NoFocus);
        name->setMinimumWidth(name->fontMetrics().horizontalAdvance(QStringLiteral("Projekt (1)")) + 16);
        if (n.aktiv) {
            QFont f = name->font();
            f.setBold(true);
            name->setFont(f);
        }
        leiste.zeile->addWidget(name);
    }
    leiste.zeile->addStretch(1);
    leiste.zeile->addWidget(leiste.weiter);
    return leiste;
}

} // namespace zeva
