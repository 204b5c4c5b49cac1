#include "database/CDatenbankDialog.h"

#include "model/Zahlentext.h"
#include "platform/Meldung.h"
#include "platform/SqlRecordset.h"
#include "ui/Feldhilfen.h"
#include "ui/SteuerelementId.h"

#include <QCheckBox>
#include <QCollator>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <algorithm>
#include <climits>
#include <cmath>

namespace zeva {

namespace {

// Marks the placeholder entry, so that it never counts as a name.
constexpr int PlatzhalterRolle = Qt::UserRole + 1;

QString NamensText(const SqlValue& wert)
{
    if (const auto* text = std::get_if<std::string>(&wert))
        return QString::fromStdString(*text);
    if (const auto* ganz = std::get_if<long long>(&wert))
        return QString::number(*ganz);
    if (const auto* zahl = std::get_if<double>(&wert))
        return QString::number(*zahl);
    return {};
}

} // namespace

const QString CDatenbankDialog::Platzhalter = QStringLiteral("(keine Einträge vorhanden)");
const QString CDatenbankDialog::LoeschFehlerText = QStringLiteral("Fehler: Kann Datensatz nicht löschen");

CDatenbankDialog::CDatenbankDialog(QWidget* parent) : DatenDialog(parent) {}

CDatenbankDialog::~CDatenbankDialog()
{
    m_Datenbank.Close();
}

int CDatenbankDialog::exec()
{
    if (SofortUebernehmen() && InitialisiereVorAnzeige())
        return result();
    return DatenDialog::exec();
}

bool CDatenbankDialog::OeffneDatenbank(const std::filesystem::path& datei)
{
    m_datei = datei;
    try {
        m_Datenbank.Open(datei);
        return true;
    } catch (const SqlError& fehler) {
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, this);
        return false;
    }
}

bool CDatenbankDialog::OeffneSet(SqlRecordset& set)
{
    try {
        set.SetDatabase(&m_Datenbank);
        set.Open();
        return true;
    } catch (const SqlError& fehler) {
        set.Close();
        Meldung::Hinweis(QString::fromStdString(fehler.Meldung()), Meldung::Symbol::Vorgabe, this);
        return false;
    }
}

QString CDatenbankDialog::Lesefehlertext() const
{
    return QStringLiteral("Fehler beim Lesen aus \n ") + QString::fromStdString(m_datei.string()) +
           QStringLiteral(".");
}

void CDatenbankDialog::ZeigeLesefehler()
{
    Meldung::Hinweis(Lesefehlertext(), Meldung::Symbol::Vorgabe, this);
}

void CDatenbankDialog::FuelleNamensliste(QComboBox* liste, SqlRecordset& set)
{
    liste->clear();
    if (!set.IsOpen())
        return;
    set.Requery();
    QStringList namen;
    for (; !set.IsEOF(); set.MoveNext())
        namen.append(NamensText(set.Value("Name")));
    if (namen.isEmpty()) {
        liste->addItem(Platzhalter);
        liste->setItemData(0, true, PlatzhalterRolle);
    } else {
        QCollator ordnung(QLocale(QLocale::German, QLocale::Germany));
        ordnung.setCaseSensitivity(Qt::CaseInsensitive);
        std::stable_sort(namen.begin(), namen.end(),
                         [&](const QString& a, const QString& b) { return ordnung.compare(a, b) < 0; });
        liste->addItems(namen);
    }
    liste->setCurrentIndex(-1);
}

void CDatenbankDialog::WaehleVorgabe(QComboBox* liste, const QString& vorgabe)
{
    // Without Qt::MatchCaseSensitive the match ignores case.
    int index = liste->findText(vorgabe, Qt::MatchStartsWith);
    if (index >= 0 && liste->itemData(index, PlatzhalterRolle).toBool())
        index = -1;
    liste->setCurrentIndex(index);
}

void CDatenbankDialog::WaehleErstenEintrag(QComboBox* liste)
{
    liste->setCurrentIndex(liste->count() > 0 ? 0 : -1);
}

bool CDatenbankDialog::SucheAuswahl(QComboBox* liste, SqlRecordset& set)
{
    if (!set.IsOpen())
        return false;
    const int index = liste->currentIndex();
    if (index < 0 || liste->itemData(index, PlatzhalterRolle).toBool()) {
        // No row at all: the members are cleared, nothing shown before stays.
        set.m_strFilter = std::string("0");
        set.Requery();
        return false;
    }
    return set.FindByName(liste->itemText(index).toStdString());
}

QString CDatenbankDialog::Stellen(double wert)
{
    std::string text;
    if (!FormatiereStellen(wert, text, 10))
        return {};
    return QString::fromStdString(text);
}

bool CDatenbankDialog::LoescheNachFrage(const QString& frage, const std::function<void()>& loesche)
{
    if (!Meldung::Frage(frage, QMessageBox::Yes, Meldung::Symbol::Vorgabe, this))
        return false;
    try {
        loesche();
    } catch (const std::exception&) {
        Meldung::Hinweis(LoeschFehlerText, Meldung::Symbol::Vorgabe, this);
    }
    return true;
}

void CDatenbankDialog::Sicher(const std::function<void()>& arbeit)
{
    try {
        arbeit();
    } catch (const std::exception& fehler) {
        const auto* sql = dynamic_cast<const SqlError*>(&fehler);
        const QString text = sql != nullptr ? QString::fromStdString(sql->Meldung())
                                            : QString::fromLocal8Bit(fehler.what());
        Meldung::Hinweis(text, Meldung::Symbol::Stopp, this);
    }
}

QLayout* CDatenbankDialog::ErzeugeJahresfilter()
{
    m_BaujahrKasten = new QCheckBox(QStringLiteral("Auf &Baujahr einschränken:"), this);
    SetzeId(m_BaujahrKasten, 1132);
    m_BaujahrEdit = new QLineEdit(this);
    SetzeId(m_BaujahrEdit, 1125);
    m_BaujahrEdit->setEnabled(false);
    m_BaujahrEdit->setMaximumWidth(m_BaujahrEdit->fontMetrics().horizontalAdvance(QStringLiteral("00000000")));
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(m_BaujahrKasten);
    zeile->addWidget(m_BaujahrEdit);
    zeile->addStretch();
    connect(m_BaujahrKasten, &QCheckBox::clicked, this, [this] { OnBaujahrEinschraenken(); });
    // Only what the user types: the exchange's own writes are no new year.
    connect(m_BaujahrEdit, &QLineEdit::textEdited, this, [this] { OnChangeBaujahr(); });
    return zeile;
}

void CDatenbankDialog::TauscheJahresfilter(DatenAustausch& dx, bool mitBereich)
{
    if (mitBereich)
        dx.Ganzzahl(m_BaujahrEdit, m_nBaujahr, 1000, 2100);
    else
        dx.Ganzzahl(m_BaujahrEdit, m_nBaujahr);
    dx.Kontrollkaestchen(m_BaujahrKasten, m_bBaujahrEinschraenken);
}

void CDatenbankDialog::SetzeJahresfilter(int baujahr)
{
    m_nBaujahr = baujahr;
    m_bBaujahrEinschraenken = 0;
    UpdateData(false);
    m_BaujahrEdit->setEnabled(false);
}

void CDatenbankDialog::OnBaujahrEinschraenken()
{
    if (!UpdateData(true)) {
        // The year was refused: the filter stays as it was, and so does the box.
        m_BaujahrKasten->setChecked(m_bBaujahrEinschraenken != 0);
    }
    const bool ein = m_bBaujahrEinschraenken != 0;
    m_BaujahrEdit->setEnabled(ein);
    if (ein) {
        m_BaujahrEdit->setFocus(Qt::OtherFocusReason);
        m_BaujahrEdit->selectAll();
    }
    Sicher([this] { FuelleListe(); });
}

void CDatenbankDialog::OnChangeBaujahr()
{
    double zahl = 0;
    if (!LeseZahl(m_BaujahrEdit, zahl))
        return;
    const double ganz = std::trunc(zahl);
    m_nBaujahr = static_cast<int>(std::clamp(ganz, static_cast<double>(INT_MIN), static_cast<double>(INT_MAX)));
    // A whole number (or a negative one) is a year to list; "1975,5" is not.
    if (zahl - ganz < 1e-200)
        Sicher([this] { FuelleListe(); });
}

} // namespace zeva
