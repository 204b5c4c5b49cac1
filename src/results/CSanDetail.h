#pragma once
// The renovation details: the upper half of the splitter shows one key
// figure of one variant per component group with its total (CSanDetail), the
// lower half its bar chart (CSanDetailDia). The page pages through the
// variants, opens the variant dialog on a group's tab and closes both.
#include "results/CErgebnisView.h"
#include "shell/Schrittfenster.h"

#include <QRect>
#include <QWidget>
#include <array>
#include <vector>

namespace zeva {

class CSanDetail : public CErgebnisView, public Sanierungsdetail {
    Q_OBJECT
public:
    CSanDetail(CMainFrame& rahmen, QWidget* parent);

    // The page always reads the frame's present house; the house handed
    // here is kept only to tell whether one was given.
    void SetzeHaus(Haus& haus) override;
    // Criteria 0..4 are taken and the page written; others change nothing.
    void SetzeKriterium(int kriterium, int variante) override;
    QString HoleEinheit() const override;
    void Aktualisiere() override { Schreibe(); }

    int Kriterium() const { return m_nKriterium; }
    int Variante() const { return m_nVariante; }
    // The seven values last handed to the chart.
    const std::array<double, 7>& Werte() const { return m_Werte; }

    // Writes the page for the present criterion and variant; the rounded
    // values reach the frame's chart once the present event is done.
    void Schreibe();

protected:
    void BearbeiteLink(const QString& befehl) override;

private:
    Haus* m_pHaus = nullptr;
    int m_nKriterium = 0;
    int m_nVariante = 0;
    std::array<double, 7> m_Werte{};
};

class CSanDetailDia : public QWidget, public Sanierungsdiagramm {
    Q_OBJECT
public:
    explicit CSanDetailDia(QWidget* parent = nullptr);

    void SetzeWerte(const std::array<double, 7>* werte, const QString& einheit) override;
    const std::array<double, 7>& Werte() const { return m_Werte; }
    const QString& Einheit() const { return m_strEinheit; }

    // What the chart draws, worked out for a client size and a text height.
    struct Teilung {
        int wert;
        int y;
        QString text;
    };
    struct Aufbau {
        QRect plot;                        // the plot rectangle
        int teilung = 0;                   // tick step
        std::vector<Teilung> teilungen;    // empty when the total is 0 or less
        bool oben = false;                 // the top tick at the total
        int obenY = 0;
        QString obenText;
        std::array<QRect, 6> gruppen{};    // the group bars (empty without a scale)
        std::array<QRect, 6> gesamt{};     // the segments of the total bar
        QRect wechselwirkung;              // what the measures add together, on top of the groups
        std::array<int, 7> balkenX{};      // left edge of the total bar (0) and group bars
        int breite = 0;                    // bar width
    };
    static Aufbau Berechne(const std::array<double, 7>& werte, QSize groesse, int textHoehe);
    // Tick step and count for a total: 2345 gives 1000 and 3.
    static void Skala(double gesamt, int& schritt, int& anzahl);
    // A whole number with German grouping ("2.345").
    static QString Zahltext(double x);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    std::array<double, 7> m_Werte{};
    QString m_strEinheit;
};

} // namespace zeva
