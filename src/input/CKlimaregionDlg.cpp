#include "input/CKlimaregionDlg.h"

#include "model/Klimadaten.h"
#include "model/Postleitzahl.h"
#include "platform/Meldung.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zeva {

CKlimaregionDlg::CKlimaregionDlg(QWidget* parent) : DatenDialog(parent)
{
    setWindowTitle(QStringLiteral("Klimaregion aus Postleitzahl"));
    m_PlzEdit = ErzeugeMitId<QLineEdit>(this, 1000);
    m_PlzEdit->setMaximumWidth(m_PlzEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000000")) + 12);
    auto* plzLabel = new QLabel(QStringLiteral("&PLZ:"), this);
    plzLabel->setBuddy(m_PlzEdit);
    m_RegionText = ErzeugeMitId<QLabel>(this, 1276);
    m_RegionText->setMinimumWidth(m_RegionText->fontMetrics().horizontalAdvance(
                                      QStringLiteral("Klimaregion 5: Franken / nördl. Baden-Württemberg")) +
                                  12);
    m_OK = ErzeugeMitId<QPushButton>(this, 1);
    m_OK->setText(QStringLiteral("&OK"));
    m_OK->setDefault(true);
    auto* abbrechen = ErzeugeMitId<QPushButton>(this, 2);
    abbrechen->setText(QStringLiteral("&Abbrechen"));
    abbrechen->setAutoDefault(false);

    auto* eingabe = new QHBoxLayout;
    eingabe->addWidget(plzLabel);
    eingabe->addWidget(m_PlzEdit);
    eingabe->addStretch();
    auto* knoepfe = new QVBoxLayout;
    knoepfe->addWidget(m_OK);
    knoepfe->addWidget(abbrechen);
    knoepfe->addStretch();
    auto* links = new QVBoxLayout;
    links->addLayout(eingabe);
    links->addWidget(m_RegionText);
    links->addStretch();
    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(links, 1);
    haupt->addLayout(knoepfe);

    connect(m_OK, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_PlzEdit, &QLineEdit::textChanged, this, [this] { OnChangePLZ(); });
}

int CKlimaregionDlg::exec()
{
    if (InitialisiereVorAnzeige())
        return result();
    return DatenDialog::exec();
}

bool CKlimaregionDlg::OnInitDialog()
{
    const std::filesystem::path datei = PlzDatei();
    m_Datei.open(datei);
    if (!m_Datei.is_open()) {
        Meldung::Hinweis(QStringLiteral("Datei ") + QString::fromStdString(datei.string()) +
                             QStringLiteral(" kann nicht geöffnet werden."),
                         Meldung::Symbol::Vorgabe, this);
        EndDialog(QDialog::Rejected);
    }
    OnChangePLZ();
    return true;
}

void CKlimaregionDlg::OnChangePLZ()
{
    PlzErgebnis ergebnis;
    if (m_Datei.is_open())
        ergebnis = KlimaregionAusPlz(m_Datei, m_PlzEdit->text().toStdString());
    m_nKlimaregion = ergebnis.klimaregion;
    m_RegionText->setText(QString::fromStdString(ergebnis.text));
    m_OK->setEnabled(m_nKlimaregion != 0);
}

} // namespace zeva
