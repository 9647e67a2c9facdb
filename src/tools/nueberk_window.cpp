#include "nueberk_window.h"

#include "binomial_text.h"
#include "core/program_state.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kb {

TFNueberK::TFNueberK(Dienste& dienste, QWidget* eltern)
    : QWidget(eltern, Qt::Window | Qt::WindowStaysOnTopHint), m_dienste(dienste) {
    setObjectName(QStringLiteral("FNueberK"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());
    setFixedSize(ClientBreite, ClientHoehe);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(4);
    const auto text = [this, layout](const QString& t) {
        auto* l = new QLabel(t, this);
        l->setWordWrap(true);
        layout->addWidget(l);
    };
    text(QStringLiteral("Der sogenannte Binomialkoeffizient n über k beschreibt, wie viele Möglichkeiten es gibt, "
                        "aus n vorgegebenen Elementen eine Teilmenge von k Elementen auszuwählen."));
    text(QStringLiteral("Zu wissen, wie viele Möglichkeiten es für Teilmengen gibt, ist beispiels- weise für die "
                        "Errechnung der Chancen für 6 Richtige im Lotto wichtig."));
    text(QStringLiteral("Geben Sie dafür 49 als n und 6 als k ein."));

    auto* zeile = new QHBoxLayout;
    const auto feld = [this, zeile](const QString& name, const QString& beschriftung) {
        auto* l = new QLabel(beschriftung, this);
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setAlignment(Qt::AlignCenter);
        e->setFixedWidth(56);
        // Digits only: letters and other keys simply have no effect.
        e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), e));
        l->setBuddy(e);
        zeile->addWidget(l);
        zeile->addWidget(e);
        return e;
    };
    e1 = feld(QStringLiteral("e1"), QStringLiteral("n"));
    e2 = feld(QStringLiteral("e2"), QStringLiteral("k"));
    BCalc = new QPushButton(symbolIcon(Symbol::NueberK), QString(), this);
    BCalc->setObjectName(QStringLiteral("BCalc"));
    BCalc->setToolTip(QStringLiteral("Berechnen"));
    BCalc->setIconSize(QSize(22, 22));
    zeile->addWidget(BCalc);
    zeile->addStretch(1);
    layout->addLayout(zeile);
    // Read-only field: a result of up to 300 digits can be scrolled and copied exactly.
    P1 = new QLineEdit(this);
    P1->setObjectName(QStringLiteral("P1"));
    P1->setReadOnly(true);
    P1->setAlignment(Qt::AlignCenter);
    QFont fett = P1->font();
    fett.setBold(true);
    P1->setFont(fett);
    layout->addWidget(P1);
    layout->addStretch(1);

    auto* unten = new QHBoxLayout;
    auto* hilfe = new QPushButton(QStringLiteral("&Hilfe"), this);
    unten->addWidget(hilfe);
    unten->addStretch(1);
    auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(schliessen);
    layout->addLayout(unten);

    connect(BCalc, &QPushButton::clicked, this, &TFNueberK::BCalcClick);
    connect(e1, &QLineEdit::returnPressed, this, &TFNueberK::eingabeBestaetigt);
    connect(e2, &QLineEdit::returnPressed, this, &TFNueberK::eingabeBestaetigt);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    hilfeAnbinden(this, m_dienste.hilfe, HilfeKontext, hilfe);
}

void TFNueberK::eingabeBestaetigt() {
    if (!e1->text().isEmpty() && !e2->text().isEmpty())
        BCalcClick();
}

void TFNueberK::BCalcClick() {
    const Result<QString> r = NueberKBerechnen(e1->text(), e2->text(), zustand().LandesFormat);
    if (!r.ok()) {
        m_dienste.dialoge->information(this, r.fehler());
        return;
    }
    P1->setText(*r);
}

} // namespace kb
