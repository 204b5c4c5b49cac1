#include "ui/CBaseDialog.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QScreen>
#include <optional>

namespace zeva {

namespace {

struct Schriften {
    int anzahl = 0;
    std::optional<QFont> dialog;
    std::optional<QFont> titel;
    int hoehe = 0;
};

Schriften& Geteilt()
{
    static Schriften schriften;
    return schriften;
}

int ArbeitsBreite()
{
    const QScreen* schirm = QGuiApplication::primaryScreen();
    return schirm ? schirm->availableGeometry().width() : 1024;
}

// The message font of the system: Qt's font for message boxes.
QFont Meldungsschrift()
{
    return QApplication::font("QMessageBox");
}

QFont Titelschrift()
{
    return QApplication::font("QMdiSubWindowTitleBar");
}

} // namespace

CBaseDialog::CBaseDialog(QWidget* parent) : QWidget(parent)
{
    ++Geteilt().anzahl;
    // A changed work area fits the shared font anew.
    if (QScreen* schirm = QGuiApplication::primaryScreen())
        connect(schirm, &QScreen::availableGeometryChanged, this, [this] { OnDisplayChange(); });
}

void CBaseDialog::OnDisplayChange()
{
    ErzeugeDialogSchriften();
    if (m_bSchriftAnpassen)
        setFont(DialogSchrift());
}

CBaseDialog::~CBaseDialog()
{
    Schriften& s = Geteilt();
    if (--s.anzahl == 0) {
        s.dialog.reset();
        s.titel.reset();
        s.hoehe = 0;
    }
}

int CBaseDialog::Anzahl()
{
    return Geteilt().anzahl;
}

int CBaseDialog::ZielBreite(int arbeitsBreite, int rahmen)
{
    return static_cast<int>(static_cast<float>(arbeitsBreite / 4 - 10 * rahmen) * 0.6666667f);
}

int CBaseDialog::PasseSchriftHoeheAn(const QFont& basis, int arbeitsBreite)
{
    const int ziel = ZielBreite(arbeitsBreite);
    int h = QFontInfo(basis).pixelSize();
    QFont schrift = basis;
    // A narrow work area could leave no height that fits; the fit stops at
    // the smallest height that can still be read.
    while (h > MindestHoehe) {
        schrift.setPixelSize(h);
        if (QFontMetrics(schrift).horizontalAdvance(QString::fromUtf8(Bezugstext)) < ziel)
            break;
        --h;
    }
    return std::max(h, MindestHoehe);
}

void CBaseDialog::ErzeugeDialogSchriften()
{
    Schriften& s = Geteilt();
    QFont dialog = Meldungsschrift();
    s.hoehe = PasseSchriftHoeheAn(dialog, ArbeitsBreite());
    dialog.setPixelSize(s.hoehe);
    s.dialog = dialog;
    s.titel = Titelschrift();
}

QFont CBaseDialog::DialogSchrift()
{
    if (!Geteilt().dialog)
        ErzeugeDialogSchriften();
    return *Geteilt().dialog;
}

QFont CBaseDialog::TitelSchrift()
{
    if (!Geteilt().titel)
        ErzeugeDialogSchriften();
    return *Geteilt().titel;
}

int CBaseDialog::SchriftHoehe()
{
    if (!Geteilt().dialog)
        ErzeugeDialogSchriften();
    return Geteilt().hoehe;
}

bool CBaseDialog::SchriftenVorhanden()
{
    return Geteilt().dialog.has_value();
}

bool CBaseDialog::Create(QWidget* parent)
{
    if (!SchriftenVorhanden())
        ErzeugeDialogSchriften();
    if (parent != nullptr && parent != parentWidget())
        setParent(parent);
    if (!m_bSchriftAnpassen && parentWidget() != nullptr)
        setGeometry(QRect(QPoint(0, 0), parentWidget()->contentsRect().size()));
    return OnInitDialog();
}

bool CBaseDialog::OnInitDialog()
{
    if (m_bSchriftAnpassen) {
        const QFont schrift = DialogSchrift();
        setFont(schrift);
        if (QWidget* eltern = parentWidget())
            eltern->setFont(schrift);
    }
    if (layout() == nullptr) {
        m_Layout.ErfasseKinder(this);
        for (const auto& eintrag : std::vector<CKindLayout::KindEintrag>(m_Layout.Eintraege()))
            m_Layout.SetzeAnkerFenster(eintrag.fenster, CKindLayout::ANKER_ANFANG,
                                       CKindLayout::ANKER_ANFANG | CKindLayout::ANKER_GROESSE);
    }
    return UpdateData(false);
}

bool CBaseDialog::UpdateData(bool speichern)
{
    DatenAustausch dx(this, speichern);
    DoDataExchange(dx);
    return !dx.Fehlgeschlagen();
}

void CBaseDialog::keyPressEvent(QKeyEvent* ereignis)
{
    switch (ereignis->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        OnOK();
        ereignis->accept();
        return;
    case Qt::Key_Escape:
        OnCancel();
        ereignis->accept();
        return;
    default:
        QWidget::keyPressEvent(ereignis);
    }
}

} // namespace zeva
