#include "shell/CObjektDlg.h"

#include "shell/CZEVADoc.h"
#include "ui/CWertButton.h"
#include "ui/SteuerelementId.h"

#include <QFontMetrics>
#include <QVBoxLayout>

namespace zeva {

namespace {

CWertButton* Feld(QWidget* eltern, QVBoxLayout* layout, int id, const QString& beschriftung)
{
    auto* feld = new CWertButton(eltern);
    SetzeId(feld, id);
    feld->SetzeBeschriftung(beschriftung);
    layout->addWidget(feld);
    return feld;
}

} // namespace

CObjektDlg::CObjektDlg(QWidget* parent) : CBaseDialog(parent)
{
    setObjectName(QStringLiteral("CObjektDlg"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(2);
    m_Dateiname = Feld(this, layout, 1005, QStringLiteral("Dateiname"));
    m_Projektname = Feld(this, layout, 1006, QStringLiteral("Projektname"));
    m_Strasse = Feld(this, layout, 1123, QStringLiteral("Strasse"));
    m_Ort = Feld(this, layout, 1010, QStringLiteral("Ort"));
    m_Baujahr = Feld(this, layout, 1125, QStringLiteral("Baujahr"));
}

bool CObjektDlg::OnInitDialog()
{
    CBaseDialog::OnInitDialog();
    for (CWertButton* feld : {m_Dateiname, m_Projektname, m_Strasse, m_Ort}) {
        feld->SetzeStil(CWertButton::WB_LINKS);
        feld->SetzeEinheit(QString(), 0);
        feld->SetzeText(QString(), 0);
    }
    // Before the first refresh the file name is the one a saved untitled
    // project would get.
    m_Dateiname->SetzeText(QStringLiteral("Unbenannt.vza"), 0);
    m_Baujahr->SetzeStil(CWertButton::WB_OHNE_TAUSENDER);
    m_Baujahr->SetzeEinheit(QString(), 0);

    // Each field holds its label in the frame's top line and one line of value.
    const int zeile = QFontMetrics(font()).height();
    for (CWertButton* feld : {m_Dateiname, m_Projektname, m_Strasse, m_Ort, m_Baujahr})
        feld->setFixedHeight(2 * zeile + 6);
    resize(width(), 5 * (2 * zeile + 6) + 4 * 2 + 4);
    return true;
}

void CObjektDlg::Aktualisiere(const CZEVADoc& dokument)
{
    const Projektangaben angaben = HausAnbindung::Angaben(dokument.HausRef());
    m_Dateiname->SetzeText(dokument.GetTitle(), 0);
    m_Projektname->SetzeText(QString::fromStdString(angaben.Beschreibung), 0);
    m_Strasse->SetzeText(QString::fromStdString(angaben.Strasse), 0);
    m_Ort->SetzeText(QString::fromStdString(angaben.Ort), 0);
    m_Baujahr->SetzeGanzzahl(angaben.Baujahr, 0);
    update();
}

} // namespace zeva
