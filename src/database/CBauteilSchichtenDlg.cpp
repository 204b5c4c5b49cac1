#include "database/CBauteilSchichtenDlg.h"

#include "database/CDatenbankDialog.h"
#include "model/Zahlentext.h"

#include "ui/Feldhilfen.h"
#include "ui/SteuerelementId.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

namespace zeva {

namespace {

const char* Aufbau(Bauteilart art)
{
    switch (art) {
    case Bauteilart::Boden: return "Bodenaufbau";
    case Bauteilart::Decke: return "Deckenaufbau";
    case Bauteilart::Flachdach: return "Flachdachaufbau";
    case Bauteilart::Steildach: return "Steildachaufbau";
    case Bauteilart::Wand: return "Wandaufbau";
    }
    return "Wandaufbau";
}

} // namespace

QString CBauteilSchichtenDlg::Titel(Bauteilart art)
{
    return QStringLiteral("Schichten im ") + QString::fromUtf8(Aufbau(art));
}

CBauteilSchichtenDlg::CBauteilSchichtenDlg(Bauteilart art, CObjektArray<DSchicht>& schichten, QWidget* parent)
    : DatenDialog(parent), m_schichten(schichten)
{
    setWindowTitle(Titel(art));

    m_SchichtNrEdit = ErzeugeMitId<QLineEdit>(this, 1138);
    m_SchichtNrEdit->setMaximumWidth(m_SchichtNrEdit->fontMetrics().horizontalAdvance(QStringLiteral("0000000")));
    m_SchichtNrEdit->installEventFilter(this);
    // The up-down control: steps the number between 1 and 99.
    auto* aufAb = new QWidget(this);
    SetzeId(aufAb, 1140);
    auto* aufAbSpalte = new QVBoxLayout(aufAb);
    aufAbSpalte->setContentsMargins(0, 0, 0, 0);
    aufAbSpalte->setSpacing(0);
    auto* auf = new QToolButton(aufAb);
    auf->setArrowType(Qt::UpArrow);
    auf->setObjectName(QStringLiteral("auf"));
    auto* ab = new QToolButton(aufAb);
    ab->setArrowType(Qt::DownArrow);
    ab->setObjectName(QStringLiteral("ab"));
    for (QToolButton* knopf : {auf, ab}) {
        knopf->setFocusPolicy(Qt::NoFocus);
        knopf->setAutoRepeat(true);
        knopf->setFixedHeight(m_SchichtNrEdit->sizeHint().height() / 2);
        aufAbSpalte->addWidget(knopf);
    }

    m_NameEdit = ErzeugeMitId<QLineEdit>(this, 1106);
    m_LambdaEdit = ErzeugeMitId<QLineEdit>(this, 1108);
    m_DickeEdit = ErzeugeMitId<QLineEdit>(this, 1133);
    m_MuEdit = ErzeugeMitId<QLineEdit>(this, 1109);
    m_LangtextEdit = ErzeugeMitId<QPlainTextEdit>(this, 1113);
    m_LangtextEdit->setTabChangesFocus(true);
    m_LangtextEdit->setMaximumHeight(m_LangtextEdit->fontMetrics().lineSpacing() * 6);

    auto* gitter = new QGridLayout;
    auto label = [&](const QString& text, QWidget* feld) {
        auto* l = new QLabel(text, this);
        l->setBuddy(feld);
        return l;
    };
    auto* nrZeile = new QHBoxLayout;
    nrZeile->setSpacing(0);
    nrZeile->addWidget(m_SchichtNrEdit);
    nrZeile->addWidget(aufAb);
    nrZeile->addStretch();
    gitter->addWidget(label(QStringLiteral("&Schicht Nr. (von innen):"), m_SchichtNrEdit), 0, 0);
    gitter->addLayout(nrZeile, 0, 1, 1, 2);
    gitter->addWidget(label(QStringLiteral("Na&me \n(max. 30 Zeichen):"), m_NameEdit), 1, 0);
    gitter->addWidget(m_NameEdit, 1, 1, 1, 2);
    gitter->addWidget(label(QStringLiteral("&Lambda:"), m_LambdaEdit), 2, 0);
    gitter->addWidget(m_LambdaEdit, 2, 1);
    gitter->addWidget(new QLabel(QStringLiteral("W/mK"), this), 2, 2);
    gitter->addWidget(label(QStringLiteral("&Dicke:"), m_DickeEdit), 3, 0);
    gitter->addWidget(m_DickeEdit, 3, 1);
    gitter->addWidget(new QLabel(QStringLiteral("cm"), this), 3, 2);
    gitter->addWidget(label(QStringLiteral("µ-Wert:"), m_MuEdit), 4, 0);
    gitter->addWidget(m_MuEdit, 4, 1);
    gitter->addWidget(label(QStringLiteral("&Beschreibung:"), m_LangtextEdit), 5, 0, Qt::AlignTop);
    gitter->addWidget(m_LangtextEdit, 5, 1, 1, 2);
    gitter->setColumnStretch(1, 1);

    auto* schliessen = new QPushButton(QStringLiteral("Schließe&n"), this);
    SetzeId(schliessen, 1);
    schliessen->setDefault(true);
    // Hidden; Escape and the close box cancel all the same.
    auto* abbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    SetzeId(abbrechen, 2);
    abbrechen->setVisible(false);
    auto* rechts = new QVBoxLayout;
    rechts->addWidget(schliessen);
    rechts->addWidget(abbrechen);
    rechts->addStretch();

    auto* haupt = new QHBoxLayout(this);
    haupt->addLayout(gitter, 1);
    haupt->addLayout(rechts);
    resize(470, sizeHint().height());

    connect(schliessen, &QPushButton::clicked, this, &QDialog::accept);
    connect(abbrechen, &QPushButton::clicked, this, &QDialog::reject);
    connect(auf, &QToolButton::clicked, this, [this] { Schritt(1); });
    connect(ab, &QToolButton::clicked, this, [this] { Schritt(-1); });
    // Only the user's changes: the exchange's own writes are no new number.
    connect(m_SchichtNrEdit, &QLineEdit::textEdited, this, [this] { OnChangeSchichtNr(); });
}

void CBauteilSchichtenDlg::DoDataExchange(DatenAustausch& dx)
{
    dx.Zahl(m_DickeEdit, m_dDicke, 0, Schichtwerthoechstwert);
    dx.Zahl(m_LambdaEdit, m_dLambda, 0, Schichtwerthoechstwert);
    dx.Zahl(m_MuEdit, m_dMu, 0, Schichtwerthoechstwert);
    dx.Text(m_LangtextEdit, m_strLangtext);
    dx.Text(m_NameEdit, m_strName);
    dx.Ganzzahl(m_SchichtNrEdit, m_nSchicht);
}

bool CBauteilSchichtenDlg::OnInitDialog()
{
    if (m_schichten.empty())
        m_schichten.SetSize(1);
    m_nSchicht = 1;
    TauscheSchicht(false);
    return true;
}

bool CBauteilSchichtenDlg::TauscheSchicht(bool speichern)
{
    if (!speichern) {
        const DSchicht& s = m_schichten[static_cast<std::size_t>(m_nSchicht - 1)];
        m_dDicke = s.Dicke * 100;
        m_dLambda = s.Lambda;
        m_dMu = s.Mu;
        m_strLangtext = s.Langtext;
        m_strName = s.Name;
        UpdateData(false);
        return true;
    }
    const int gezeigt = m_nSchicht;
    if (!UpdateData(true)) {
        // Nothing of a half-checked exchange reaches the layer.
        const DSchicht& s = m_schichten[static_cast<std::size_t>(gezeigt - 1)];
        m_dDicke = s.Dicke * 100;
        m_dLambda = s.Lambda;
        m_dMu = s.Mu;
        m_strLangtext = s.Langtext;
        m_strName = s.Name;
        m_nSchicht = gezeigt;
        return false;
    }
    DSchicht& s = m_schichten[static_cast<std::size_t>(gezeigt - 1)];
    s.Dicke = m_dDicke * 0.01;
    s.Lambda = m_dLambda;
    s.Mu = m_dMu;
    s.Langtext = m_strLangtext;
    s.Name = m_strName;
    return true;
}

namespace {

// The layer number as typed when it is a plain whole number (digits only);
// anything else, a half-typed "2," or "-" among it, is no number yet.
bool LeseSchichtNr(const QLineEdit* feld, long long& nr)
{
    const std::string text = feld->text().toStdString();
    return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
           LeseGanzzahlToken(text, nr);
}

} // namespace

void CBauteilSchichtenDlg::OnChangeSchichtNr()
{
    long long zahl = 0;
    // Only a plain whole number above 0 picks a layer; while the user types
    // "2,5" or "-1" the dialog waits without a word.
    if (!LeseSchichtNr(m_SchichtNrEdit, zahl) || zahl < 1)
        return;
    if (zahl > HoechsteSchicht)
        SetzeFeldText(m_SchichtNrEdit, QString::number(HoechsteSchicht));
    const int gezeigt = m_nSchicht;
    if (!TauscheSchicht(true)) {
        // The shown layer stays shown, and so does its number.
        SetzeFeldText(m_SchichtNrEdit, QString::number(gezeigt));
        return;
    }
    const int neu = m_nSchicht;
    if (static_cast<std::size_t>(neu) > m_schichten.size())
        m_schichten.SetSize(static_cast<std::size_t>(neu));
    TauscheSchicht(false);
}

void CBauteilSchichtenDlg::Schritt(int richtung)
{
    long long zahl = 0;
    int nr = m_nSchicht;
    if (LeseSchichtNr(m_SchichtNrEdit, zahl) && zahl >= 1 && zahl <= HoechsteSchicht)
        nr = static_cast<int>(zahl);
    const int neu = std::clamp(nr + richtung, 1, HoechsteSchicht);
    SetzeFeldText(m_SchichtNrEdit, QString::number(neu));
    OnChangeSchichtNr();
}

bool CBauteilSchichtenDlg::eventFilter(QObject* objekt, QEvent* ereignis)
{
    if (objekt == m_SchichtNrEdit && ereignis->type() == QEvent::KeyPress) {
        const int taste = static_cast<QKeyEvent*>(ereignis)->key();
        if (taste == Qt::Key_Up || taste == Qt::Key_Down) {
            Schritt(taste == Qt::Key_Up ? 1 : -1);
            return true;
        }
    }
    return DatenDialog::eventFilter(objekt, ereignis);
}

void CBauteilSchichtenDlg::OnOK()
{
    // A failed check has prompted already; the dialog stays open.
    if (!TauscheSchicht(true))
        return;
    EndDialog(QDialog::Accepted);
}

} // namespace zeva
