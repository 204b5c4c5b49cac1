#include "platform/DatenAustausch.h"

#include "platform/AustauschZahlen.h"
#include "platform/Meldung.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <algorithm>
#include <limits>

namespace zeva {

const QString DatenAustausch::TextZahl = QStringLiteral("Geben Sie eine Zahl ein.");
const QString DatenAustausch::TextGanzzahl = QStringLiteral("Geben Sie eine ganze Zahl ein.");
const QString DatenAustausch::TextZahlBereich = QStringLiteral("Geben Sie eine Zahl zwischen %1 und %2 ein.");
const QString DatenAustausch::TextGanzzahlBereich =
    QStringLiteral("Geben Sie eine ganze Zahl zwischen %1 und %2 ein.");
const QString DatenAustausch::TextZeichen = QStringLiteral("Geben Sie nicht mehr als %1 Zeichen ein.");

namespace {

const char* const GrenzName = "zevaLaengenGrenze";

// Limits what can be typed into a line edit to maxZeichen characters without
// cutting a text that is already longer: the edit's own limit follows the
// text down until it reaches maxZeichen.
void BegrenzeEingabe(QLineEdit* edit, int maxZeichen)
{
    delete edit->findChild<QObject*>(QLatin1String(GrenzName), Qt::FindDirectChildrenOnly);
    auto* grenze = new QObject(edit);
    grenze->setObjectName(QLatin1String(GrenzName));
    auto anpassen = [edit, maxZeichen] {
        edit->setMaxLength(std::max<int>(maxZeichen, static_cast<int>(edit->text().size())));
    };
    QObject::connect(edit, &QLineEdit::textChanged, grenze, anpassen);
    anpassen();
}

void FokussiereFeld(QWidget* feld)
{
    if (feld == nullptr)
        return;
    feld->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(feld))
        edit->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(feld))
        plain->selectAll();
    else if (auto* rich = qobject_cast<QTextEdit*>(feld))
        rich->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(feld); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
}

} // namespace

QString FeldText(const QWidget* feld)
{
    if (auto* edit = qobject_cast<const QLineEdit*>(feld))
        return edit->text();
    if (auto* plain = qobject_cast<const QPlainTextEdit*>(feld))
        return plain->toPlainText();
    if (auto* rich = qobject_cast<const QTextEdit*>(feld))
        return rich->toPlainText();
    if (auto* combo = qobject_cast<const QComboBox*>(feld))
        return combo->currentText();
    if (auto* label = qobject_cast<const QLabel*>(feld))
        return label->text();
    if (auto* knopf = qobject_cast<const QAbstractButton*>(feld))
        return knopf->text();
    return QString();
}

void SetzeFeldText(QWidget* feld, const QString& text)
{
    if (auto* edit = qobject_cast<QLineEdit*>(feld)) {
        // A text longer than the typing limit is shown whole.
        if (text.size() > edit->maxLength())
            edit->setMaxLength(static_cast<int>(text.size()));
        edit->setText(text);
    } else if (auto* plain = qobject_cast<QPlainTextEdit*>(feld)) {
        plain->setPlainText(text);
    } else if (auto* rich = qobject_cast<QTextEdit*>(feld)) {
        rich->setPlainText(text);
    } else if (auto* combo = qobject_cast<QComboBox*>(feld)) {
        if (combo->isEditable())
            combo->setEditText(text);
        else
            combo->setCurrentIndex(combo->findText(text));
    } else if (auto* label = qobject_cast<QLabel*>(feld)) {
        label->setText(text);
    } else if (auto* knopf = qobject_cast<QAbstractButton*>(feld)) {
        knopf->setText(text);
    }
}

DatenAustausch::DatenAustausch(QWidget* dialog, bool speichern) : m_dialog(dialog), m_speichern(speichern) {}

void DatenAustausch::Fehler(QWidget* feld, const QString& text)
{
    if (m_fehlgeschlagen)
        return;
    m_fehlgeschlagen = true;
    m_fehlerFeld = feld;
    Meldung::Zeige(text, QMessageBox::Ok, Meldung::Symbol::Vorgabe, QMessageBox::Ok, m_dialog);
    FokussiereFeld(feld);
}

void DatenAustausch::Text(QWidget* feld, QString& wert, int maxZeichen)
{
    if (!Aktiv() || feld == nullptr)
        return;
    if (m_speichern) {
        const QString text = FeldText(feld);
        if (maxZeichen >= 0 && text.size() > maxZeichen) {
            Fehler(feld, TextZeichen.arg(maxZeichen));
            return;
        }
        wert = text;
    } else {
        SetzeFeldText(feld, wert);
    }
    if (maxZeichen >= 0)
        if (auto* edit = qobject_cast<QLineEdit*>(feld))
            BegrenzeEingabe(edit, maxZeichen);
}

void DatenAustausch::Text(QWidget* feld, std::string& wert, int maxZeichen)
{
    QString text = QString::fromStdString(wert);
    Text(feld, text, maxZeichen);
    if (m_speichern && Aktiv())
        wert = text.toStdString();
}

void DatenAustausch::GanzzahlBereich(QWidget* feld, long long& wert, long long typMin, long long typMax,
                                     bool mitGrenzen, long long min, long long max)
{
    if (!m_speichern) {
        SetzeFeldText(feld, QString::number(wert));
        return;
    }
    long long gelesen = 0;
    if (!LeseAustauschGanzzahl(FeldText(feld), gelesen, typMin, typMax)) {
        Fehler(feld, TextGanzzahl);
        return;
    }
    if (mitGrenzen && (gelesen < min || gelesen > max)) {
        Fehler(feld, TextGanzzahlBereich.arg(QString::number(min), QString::number(max)));
        return;
    }
    wert = gelesen;
}

template <typename T>
void DatenAustausch::GanzzahlVon(QWidget* feld, T& wert, bool mitGrenzen, long long min, long long max)
{
    if (!Aktiv() || feld == nullptr)
        return;
    long long w = wert;
    GanzzahlBereich(feld, w, std::numeric_limits<T>::min(), std::numeric_limits<T>::max(), mitGrenzen, min, max);
    if (Aktiv())
        wert = static_cast<T>(w);
}

void DatenAustausch::Ganzzahl(QWidget* feld, int& wert)
{
    GanzzahlVon(feld, wert, false, 0, 0);
}

void DatenAustausch::Ganzzahl(QWidget* feld, int& wert, int min, int max)
{
    GanzzahlVon(feld, wert, true, min, max);
}

void DatenAustausch::Ganzzahl(QWidget* feld, short& wert)
{
    GanzzahlVon(feld, wert, false, 0, 0);
}

void DatenAustausch::Ganzzahl(QWidget* feld, short& wert, short min, short max)
{
    GanzzahlVon(feld, wert, true, min, max);
}

void DatenAustausch::ZahlBereich(QWidget* feld, double& wert, bool mitGrenzen, double min, double max)
{
    if (!Aktiv() || feld == nullptr)
        return;
    if (!m_speichern) {
        SetzeFeldText(feld, AustauschZahlText(wert));
        return;
    }
    double gelesen = 0;
    if (!LeseAustauschZahl(FeldText(feld), gelesen)) {
        Fehler(feld, TextZahl);
        return;
    }
    if (mitGrenzen && (gelesen < min || gelesen > max)) {
        Fehler(feld, TextZahlBereich.arg(AustauschZahlText(min), AustauschZahlText(max)));
        return;
    }
    wert = gelesen;
}

void DatenAustausch::Zahl(QWidget* feld, double& wert)
{
    ZahlBereich(feld, wert, false, 0, 0);
}

void DatenAustausch::Zahl(QWidget* feld, double& wert, double min, double max)
{
    ZahlBereich(feld, wert, true, min, max);
}

void DatenAustausch::GerundeteZahlBereich(QWidget* feld, double& wert, const QString& gezeigt, bool mitGrenzen,
                                          double min, double max)
{
    if (!Aktiv() || feld == nullptr)
        return;
    if (gezeigt.isEmpty()) {
        // Nothing to show it by: the full number, as Zahl shows it.
        ZahlBereich(feld, wert, mitGrenzen, min, max);
        return;
    }
    if (!m_speichern) {
        SetzeFeldText(feld, gezeigt);
        return;
    }
    if (FeldText(feld).trimmed() == gezeigt)
        return;
    ZahlBereich(feld, wert, mitGrenzen, min, max);
}

void DatenAustausch::GerundeteZahl(QWidget* feld, double& wert, const QString& gezeigt)
{
    GerundeteZahlBereich(feld, wert, gezeigt, false, 0, 0);
}

void DatenAustausch::GerundeteZahl(QWidget* feld, double& wert, const QString& gezeigt, double min, double max)
{
    GerundeteZahlBereich(feld, wert, gezeigt, true, min, max);
}

void DatenAustausch::Kontrollkaestchen(QAbstractButton* kasten, int& wert)
{
    if (!Aktiv() || kasten == nullptr)
        return;
    auto* box = qobject_cast<QCheckBox*>(kasten);
    if (m_speichern) {
        if (box != nullptr)
            wert = box->checkState() == Qt::Checked ? 1 : box->checkState() == Qt::PartiallyChecked ? 2 : 0;
        else
            wert = kasten->isChecked() ? 1 : 0;
        return;
    }
    if (box != nullptr && box->isTristate() && wert == 2)
        box->setCheckState(Qt::PartiallyChecked);
    else
        kasten->setChecked(wert == 1);
}

void DatenAustausch::Kontrollkaestchen(QAbstractButton* kasten, bool& wert)
{
    int w = wert ? 1 : 0;
    Kontrollkaestchen(kasten, w);
    if (m_speichern && Aktiv())
        wert = w != 0;
}

void DatenAustausch::Optionsgruppe(std::initializer_list<QAbstractButton*> gruppe, int& index)
{
    if (!Aktiv())
        return;
    if (m_speichern) {
        index = -1;
        int i = 0;
        for (QAbstractButton* knopf : gruppe) {
            if (knopf != nullptr && knopf->isChecked()) {
                index = i;
                break;
            }
            ++i;
        }
        return;
    }
    int i = 0;
    for (QAbstractButton* knopf : gruppe) {
        if (knopf != nullptr) {
            // Exclusive buttons refuse to be unchecked one by one.
            QButtonGroup* gruppeQt = knopf->group();
            const bool gruppeExklusiv = gruppeQt != nullptr && gruppeQt->exclusive();
            if (gruppeExklusiv)
                gruppeQt->setExclusive(false);
            const bool exklusiv = knopf->autoExclusive();
            knopf->setAutoExclusive(false);
            knopf->setChecked(i == index);
            knopf->setAutoExclusive(exklusiv);
            if (gruppeExklusiv)
                gruppeQt->setExclusive(true);
        }
        ++i;
    }
}

void DatenAustausch::ListenIndex(QComboBox* liste, int& index)
{
    if (!Aktiv() || liste == nullptr)
        return;
    if (m_speichern)
        index = liste->currentIndex();
    else
        liste->setCurrentIndex(index);
}

} // namespace zeva
