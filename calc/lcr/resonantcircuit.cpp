#include "resonantcircuit.h"

#include "common/numbers.h"

ResonantCircuitWindow::ResonantCircuitWindow(const QString& form, const QString& title, const QString& note,
                                             const QString& initialR)
    : CalcWindow(form, title)
{
    for (Label* heading : {Label4, Label5}) {
        heading->setAlignment(Qt::AlignCenter);
        setFontStyle(heading, 9, true);
    }
    Label6->setText(note);
    txtR->setText(initialR);
}

void ResonantCircuitWindow::clearResults()
{
    for (Label* result : {lblfrequenza, lblzserie, lblzparallelo, lblqserie, lbllbserie})
        result->setText(QString());
}

std::optional<ResonantCircuitWindow::Resonance> ResonantCircuitWindow::resonance()
{
    const Real R = readNumber(txtR->text());
    const Real L = readNumber(txtL->text());
    const Real C = readNumber(txtC->text());
    const Real product = C * L * R;
    if (product == 0) {
        warn(missingData, txtC);
        return std::nullopt;
    }
    if (product < 0) {
        // Nothing is computed; results of other values must not stand beside these.
        clearResults();
        return std::nullopt;
    }
    if (R < 0.05) {
        warn("RESISTENZA TROPPO PICCOLA", txtR, noticeTitle);
        return std::nullopt;
    }
    // 159.155 for 10^3/2π with L in µH and C in pF; the reactance then takes 6.28 for 2π.
    Resonance r;
    r.R = R;
    r.f0 = 159.155 / sqrt(L * C);
    r.XL = L * r.f0 * 6.28;
    r.Qs = r.XL / R;
    r.Bs = 1000 * r.f0 / r.Qs;
    r.Zp = 1000000 * L / (R * C);
    return r;
}
