#include "shell/C3DOptionenDlg.h"

#include "model/Haus.h"
#include "shell/Eingabezeile.h"
#include "ui/SteuerelementId.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>
#include <tuple>

namespace zeva {

namespace {

QCheckBox* Kasten(QVBoxLayout* layout, QWidget* eltern, const char* text, int id)
{
    auto* kasten = new QCheckBox(QString::fromUtf8(text), eltern);
    SetzeId(kasten, id);
    layout->addWidget(kasten);
    return kasten;
}

} // namespace

C3DOptionenDlg::C3DOptionenDlg(Haus& haus, QWidget* parent) : DatenDialog(parent), m_haus(haus)
{
    setWindowTitle(QString::fromUtf8(Titeltext));

    m_dBreite = haus.RealAreaWidth;
    m_dRaster = haus.RealGridWidth;
    m_nSchritte = haus.Flag2DSchritteDachvolumen;
    m_nPixel = haus.Flag2DPixelZaehlraster;
    m_bGratlinien = haus.Flag2DAutoGratlinien;
    m_bFirstOnline = haus.Flag2DOnlineFirstDocken;
    m_bFirstNachher = haus.Flag2DNachherFirstDocken;

    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    m_breite = FuegeEingabezeileHinzu(grid, this, "Breite der Eingabefläche", 1002, "m", 80);
    m_raster = FuegeEingabezeileHinzu(grid, this, "Breite eines Rasterpunktes", 1003, "m", 80);
    m_schritte = FuegeEingabezeileHinzu(grid, this, "Schritte zur Berechnung des Dachvolumens", 1000, nullptr, 80);
    m_pixel = FuegeEingabezeileHinzu(grid, this, "Pixelraster zur Ermittlung Fläche/Volumen", 1001, nullptr, 80);
    layout->addLayout(grid);
    m_gratlinien = Kasten(layout, this, "Gratlinien automatisch generieren", 1277);
    m_firstOnline = Kasten(layout, this, "Firstlinien während Linienzug ankoppeln", 1032);
    m_firstNachher = Kasten(layout, this, "Firstlinien nach Linienzug ankoppeln", 1033);

    m_ok = new QPushButton(QStringLiteral("OK"), this);
    SetzeId(m_ok, 1);
    m_ok->setDefault(true);
    m_abbrechen = new QPushButton(QStringLiteral("Abbrechen"), this);
    SetzeId(m_abbrechen, 2);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(m_ok);
    knoepfe->addWidget(m_abbrechen);
    layout->addLayout(knoepfe);

    for (QLineEdit* edit : {m_breite, m_raster, m_schritte, m_pixel})
        edit->installEventFilter(this);
}

void C3DOptionenDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Zahl(m_breite, m_dBreite, 1, 100);
    dx.Zahl(m_raster, m_dRaster, 0.01, 5);
    dx.Ganzzahl(m_schritte, m_nSchritte, 5, 100);
    dx.Ganzzahl(m_pixel, m_nPixel, 50, 500);
    dx.Kontrollkaestchen(m_gratlinien, m_bGratlinien);
    dx.Kontrollkaestchen(m_firstOnline, m_bFirstOnline);
    dx.Kontrollkaestchen(m_firstNachher, m_bFirstNachher);
}

bool C3DOptionenDlg::PruefeFeld(QWidget* feld)
{
    // The members are not touched: only OK takes the fields.
    double breite = m_dBreite;
    double raster = m_dRaster;
    int schritte = m_nSchritte;
    int pixel = m_nPixel;
    DatenAustausch dx(this, true);
    if (feld == m_breite)
        dx.Zahl(m_breite, breite, 1, 100);
    else if (feld == m_raster)
        dx.Zahl(m_raster, raster, 0.01, 5);
    else if (feld == m_schritte)
        dx.Ganzzahl(m_schritte, schritte, 5, 100);
    else if (feld == m_pixel)
        dx.Ganzzahl(m_pixel, pixel, 50, 500);
    return !dx.Fehlgeschlagen();
}

bool C3DOptionenDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (ereignis->type() == QEvent::FocusOut && !m_pruefung) {
        const auto grund = static_cast<QFocusEvent*>(ereignis)->reason();
        // Losing the focus to another window (a message box, a menu) is no
        // leaving of the field. The widget that takes the focus is already
        // known while the field loses it.
        QWidget* ziel = QApplication::focusWidget();
        const bool fensterwechsel = grund == Qt::ActiveWindowFocusReason || grund == Qt::PopupFocusReason;
        if (!fensterwechsel && ziel != m_abbrechen && ziel != m_ok) {
            // Checked once the event that moved the focus is through: a
            // prompt in the middle of a mouse press would leave the pressed
            // button half clicked.
            QPointer<QWidget> feld = qobject_cast<QWidget*>(objekt);
            QMetaObject::invokeMethod(
                this,
                [this, feld] {
                    if (feld == nullptr || m_pruefung || !isVisible())
                        return;
                    m_pruefung = true;
                    PruefeFeld(feld);
                    m_pruefung = false;
                },
                Qt::QueuedConnection);
        }
    }
    return DatenDialog::eventFilter(objekt, ereignis);
}

void C3DOptionenDlg::OnOK()
{
    m_pruefung = true;
    const bool gut = UpdateData(true);
    m_pruefung = false;
    if (!gut)
        return;

    Haus& h = m_haus;
    // Every member the dialog writes, to tell the caller whether the project
    // changed.
    const auto werte = [&h] {
        return std::tuple(h.RealAreaWidth, h.RealAreaHeight, h.OpenGLWidth, h.OpenGLHeight, h.Flaeche2DEingabe,
                          h.RealGridWidth, h.OpenGLGrid, h.Flag2DSchritteDachvolumen, h.Flag2DPixelZaehlraster,
                          h.Flag2DAutoGratlinien, h.Flag2DOnlineFirstDocken, h.Flag2DNachherFirstDocken);
    };
    const auto vorher = werte();

    // Drawing units and metres stay the same: the field is as wide in drawing
    // units as in metres.
    h.RealAreaWidth = h.RealAreaHeight = h.OpenGLWidth = h.OpenGLHeight = m_dBreite;
    h.Flaeche2DEingabe = m_dBreite * m_dBreite;
    h.RealGridWidth = h.OpenGLGrid = m_dRaster;
    h.Flag2DSchritteDachvolumen = m_nSchritte;
    h.Flag2DPixelZaehlraster = m_nPixel;
    h.Flag2DAutoGratlinien = m_bGratlinien;
    h.Flag2DOnlineFirstDocken = m_bFirstOnline;
    h.Flag2DNachherFirstDocken = m_bFirstNachher;

    m_geaendert = werte() != vorher;
    EndDialog(QDialog::Accepted);
}

} // namespace zeva
