#include "ui/DatenDialog.h"

namespace zeva {

DatenDialog::DatenDialog(QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags) {}

bool DatenDialog::UpdateData(bool speichern)
{
    DatenAustausch dx(this, speichern);
    DoDataExchange(dx);
    return !dx.Fehlgeschlagen();
}

bool DatenDialog::OnInitDialog()
{
    UpdateData(false);
    return true;
}

void DatenDialog::OnOK()
{
    if (!UpdateData(true))
        return;
    EndDialog(QDialog::Accepted);
}

void DatenDialog::OnCancel()
{
    EndDialog(QDialog::Rejected);
}

void DatenDialog::EndDialog(int ergebnis)
{
    m_beendet = true;
    done(ergebnis);
}

bool DatenDialog::InitialisiereVorAnzeige()
{
    if (!m_initialisiert) {
        m_initialisiert = true;
        OnInitDialog();
    }
    return m_beendet;
}

void DatenDialog::showEvent(QShowEvent* ereignis)
{
    if (!m_initialisiert) {
        m_initialisiert = true;
        OnInitDialog();
    }
    QDialog::showEvent(ereignis);
}

} // namespace zeva
