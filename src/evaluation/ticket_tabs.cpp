#include "ticket_tabs.h"

#include "core/program_state.h"
#include "core/ticket_file.h"
#include "evaluation_panel.h"
#include "ticket_models.h"
#include "ticket_rows.h"
#include "widgets/icons.h"
#include "widgets/row_grid.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace kb {

namespace {

int g_tabZaehler = 0;

QLabel* fettesLabel(const QString& text, QWidget* eltern, const QString& name = {}) {
    auto* l = new QLabel(text, eltern);
    if (!name.isEmpty())
        l->setObjectName(name);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

QTableView* reihenTabelle(const QVector<Tippreihe>& reihen, const QString& name, QWidget* eltern) {
    auto* t = new TippreihenGitter(eltern);
    t->setObjectName(name);
    t->modell()->aendern([&reihen](TippreihenDaten& d) {
        d.setzeKopf(TippreihenDaten::StandardKopf());
        d.setzeZeilenAnzahl(static_cast<int>(reihen.size()) + 1);
        for (qsizetype i = 0; i < reihen.size(); ++i)
            d.setzeReihe(static_cast<int>(i) + 1, reihen[i]);
    });
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    return t;
}

QString dateiname(const QString& pfad) { return QFileInfo(pfad).fileName(); }

} // namespace

int Tippauswertung::tabZaehler() { return g_tabZaehler; }

Tippauswertung::Tippauswertung(Dienste& dienste, QWidget* eltern) : QWidget(eltern), m_dienste(dienste) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* kopf = new QGridLayout;
    kopf->setVerticalSpacing(2);
    QLabel* titel = fettesLabel(QStringLiteral("Tippauswertung"), this, QStringLiteral("Label2"));
    QFont gross = titel->font();
    gross.setPointSizeF(gross.pointSizeF() * 1.3);
    titel->setFont(gross);
    kopf->addWidget(titel, 0, 0, 1, 3);
    auto* waehlen = new QLabel(QStringLiteral("Tippschein(e) wählen"), this);
    waehlen->setObjectName(QStringLiteral("Label3"));
    kopf->addWidget(waehlen, 1, 0);
    BOpen = new QPushButton(QStringLiteral("Öffnen..."), this);
    BOpen->setObjectName(QStringLiteral("BOpen"));
    kopf->addWidget(BOpen, 1, 1);
    const auto hinweis = [this](const QString& text, const QString& name) {
        auto* l = new QLabel(text, this);
        l->setObjectName(name);
        l->setWordWrap(true);
        QFont klein = l->font();
        klein.setPointSizeF(klein.pointSizeF() * 0.9);
        l->setFont(klein);
        return l;
    };
    kopf->addWidget(hinweis(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), QStringLiteral("Label4")),
                    1, 2);
    cbMerken = new QCheckBox(QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"), this);
    cbMerken->setObjectName(QStringLiteral("cbMerken"));
    cbMerken->setChecked(true);
    kopf->addWidget(cbMerken, 2, 0, 1, 3);
    kopf->addWidget(hinweis(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.) "
                                           "Achtung, alte Einträge werden überschrieben."),
                            QStringLiteral("Label6")),
                    3, 0, 1, 3);
    kopf->setColumnStretch(2, 1);
    layout->addLayout(kopf);

    PC1 = new QTabWidget(this);
    PC1->setObjectName(QStringLiteral("PC1"));
    PC1->setDocumentMode(true);
    layout->addWidget(PC1, 1);

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    auto* schliessen = new QLabel(QStringLiteral("Tabs schließen"), this);
    schliessen->setObjectName(QStringLiteral("Label8"));
    unten->addWidget(schliessen);
    BKr2 = new QPushButton(symbolIcon(Symbol::Schliessen), QString(), this);
    BKr2->setObjectName(QStringLiteral("BKr2"));
    BKr2->setToolTip(QStringLiteral("Ausgewählten Tab mit Schein-Datei schließen."));
    BKr1 = new QPushButton(symbolIcon(Symbol::Schliessen), QStringLiteral("Alle"), this);
    BKr1->setObjectName(QStringLiteral("BKr1"));
    BKr1->setToolTip(QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."));
    unten->addWidget(BKr2);
    unten->addWidget(BKr1);
    layout->addLayout(unten);

    connect(BOpen, &QPushButton::clicked, this, &Tippauswertung::BOpenClick);
    connect(BKr1, &QPushButton::clicked, this, &Tippauswertung::BKr1Click);
    connect(BKr2, &QPushButton::clicked, this, &Tippauswertung::BKr2Click);
}

void Tippauswertung::einstellungenUebernehmen(const AuswertungEinstellungen& e) {
    cbMerken->setChecked(e.merken);
    m_filterIndex = e.filterIndex;
}

void Tippauswertung::einstellungenEintragen(AuswertungEinstellungen& e) const {
    e.merken = cbMerken->isChecked();
    e.filterIndex = m_filterIndex;
}

QWidget* Tippauswertung::DateienEinlesen(const QString& pfad) {
    const int n = ++g_tabZaehler;
    auto* tab = new QWidget(PC1);
    tab->setObjectName(QStringLiteral("Tab%1").arg(n));
    tab->setProperty("tag", n);
    tab->setToolTip(QDir::toNativeSeparators(pfad));
    auto* layout = new QVBoxLayout(tab);
    layout->setContentsMargins(2, 2, 2, 2);
    PC1->addTab(tab, QFileInfo(pfad).completeBaseName());
    switch (ScheinArtVon(pfad)) {
    case ScheinArt::Normal: normalTabFuellen(tab, n, pfad); break;
    case ScheinArt::System: systemTabFuellen(tab, n, pfad); break;
    case ScheinArt::Unbekannt:
        auto* l = new QLabel(KeineScheinDateiText(dateiname(pfad)), tab);
        l->setAlignment(Qt::AlignCenter);
        layout->addWidget(l);
        break;
    }
    return tab;
}

void Tippauswertung::normalTabFuellen(QWidget* tab, int n, const QString& pfad) {
    const Result<NormalScheinDatei> schein = NormalscheinLesen(pfad);
    if (!schein.ok())
        m_dienste.dialoge->fehler(this, schein.fehler());
    else if (schein->reihen.isEmpty())
        m_dienste.dialoge->information(this, KeineTippreihenText(dateiname(pfad)));
    const NormalScheinDatei daten = schein.ok() ? *schein : NormalScheinDatei{};

    auto* rahmen = new QSplitter(tab);
    rahmen->setObjectName(QStringLiteral("fr%1").arg(n));
    rahmen->setProperty("klasse", QStringLiteral("TFFrScheineN"));
    auto* links = new QWidget(rahmen);
    auto* l = new QGridLayout(links);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Datei"), links), 0, 0);
    l->addWidget(new QLabel(QStringLiteral("SZ"), links), 0, 1);
    l->addWidget(new QLabel(QStringLiteral("Reihenanzahl"), links), 0, 2);
    l->addWidget(fettesLabel(dateiname(pfad), links, QStringLiteral("LDatei")), 1, 0);
    l->addWidget(fettesLabel(daten.SZ >= 0 ? QString::number(daten.SZ) : QString(), links, QStringLiteral("LSZ")), 1, 1);
    l->addWidget(fettesLabel(QString::number(daten.reihen.size()), links, QStringLiteral("LReihen")), 1, 2);
    QVector<Tippreihe> reihen;
    for (const TNormalSchein& r : daten.reihen)
        reihen.push_back(r.WZ);
    l->addWidget(reihenTabelle(reihen, QStringLiteral("G3"), links), 2, 0, 1, 3);
    l->setRowStretch(2, 1);

    auto* panel = new AuswertungsPanel(false, m_dienste, rahmen);
    panel->setSchein(NormalscheinAlsAuswertung(daten));
    rahmen->addWidget(links);
    rahmen->addWidget(panel);
    rahmen->setStretchFactor(1, 1);
    // The rows as wide as they need, the evaluation the rest.
    rahmen->setSizes({links->sizeHint().width(), 370});
    tab->layout()->addWidget(rahmen);
}

void Tippauswertung::systemTabFuellen(QWidget* tab, int n, const QString& pfad) {
    const Result<SystemScheinDatei> schein = SystemscheinLesen(pfad);
    if (!schein.ok())
        m_dienste.dialoge->fehler(this, schein.fehler());
    else if (schein->felder.isEmpty())
        m_dienste.dialoge->information(this, KeineSystemfelderText(dateiname(pfad)));
    const SystemScheinDatei daten = schein.ok() ? *schein : SystemScheinDatei{};

    auto* rahmen = new QSplitter(tab);
    rahmen->setObjectName(QStringLiteral("fr%1").arg(n));
    rahmen->setProperty("klasse", QStringLiteral("TFFrScheineS"));
    auto* links = new QWidget(rahmen);
    auto* l = new QGridLayout(links);
    l->setContentsMargins(0, 0, 0, 0);
    l->addWidget(new QLabel(QStringLiteral("Datei"), links), 0, 0);
    l->addWidget(new QLabel(QStringLiteral("SZ"), links), 0, 1);
    l->addWidget(fettesLabel(dateiname(pfad), links, QStringLiteral("LDatei")), 1, 0);
    l->addWidget(fettesLabel(daten.SZ >= 0 ? QString::number(daten.SZ) : QString(), links, QStringLiteral("LSZ")), 1, 1);
    auto* seiten = new QTabWidget(links);
    seiten->setObjectName(QStringLiteral("PCSys"));
    l->addWidget(seiten, 2, 0, 1, 2);
    l->setRowStretch(2, 1);

    auto* ueberblick = new QWidget(seiten);
    auto* ul = new QVBoxLayout(ueberblick);
    ul->setContentsMargins(2, 2, 2, 2);
    ul->setSpacing(1);
    seiten->addTab(ueberblick, QStringLiteral("Überblick"));

    const QVector<FeldAnsicht> felder = FelderAufloesen(daten);
    for (int i = 1; i <= SystemScheinDatei::MaxFelder; ++i) {
        auto* ansicht = new QFrame(ueberblick);
        ansicht->setObjectName(QStringLiteral("frView%1").arg(n * 1000 + i));
        ansicht->setFrameStyle(QFrame::StyledPanel);
        ansicht->setFixedHeight(58);
        auto* al = new QGridLayout(ansicht);
        al->setContentsMargins(4, 2, 4, 2);
        al->setVerticalSpacing(0);
        al->setHorizontalSpacing(4);
        al->addWidget(new QLabel(QStringLiteral("Reihen:"), ansicht), 0, 0);
        al->addWidget(new QLabel(QStringLiteral("Feld:"), ansicht), 0, 2);
        al->addWidget(new QLabel(QStringLiteral("System:"), ansicht), 0, 4);
        QLabel* lReihen = fettesLabel({}, ansicht, QStringLiteral("LReihen"));
        QLabel* lFeld = fettesLabel({}, ansicht, QStringLiteral("LFeld"));
        QLabel* lSystem = fettesLabel({}, ansicht, QStringLiteral("LSystem"));
        al->addWidget(lReihen, 0, 1);
        al->addWidget(lFeld, 0, 3);
        al->addWidget(lSystem, 0, 5);
        auto* reihenZeigen = new QPushButton(QStringLiteral("Reihen zeigen"), ansicht);
        reihenZeigen->setObjectName(QStringLiteral("BReihen"));
        reihenZeigen->setProperty("tag", i);
        al->addWidget(reihenZeigen, 0, 6);
        auto* lZahlen = new QLabel(ansicht);
        lZahlen->setObjectName(QStringLiteral("LZahlen"));
        lZahlen->setWordWrap(true);
        lZahlen->setToolTip(QStringLiteral("Tippzahlen"));
        QFont klein = lZahlen->font();
        klein.setPointSizeF(klein.pointSizeF() * 0.85);
        lZahlen->setFont(klein);
        al->addWidget(lZahlen, 1, 0, 1, 7);
        al->setColumnStretch(5, 1);
        ul->addWidget(ansicht);

        if (i > felder.size()) {
            reihenZeigen->setEnabled(false);
            continue;
        }
        const FeldAnsicht& feld = felder[i - 1];
        QStringList zahlen;
        for (std::uint8_t z : feld.zahlen)
            zahlen.append(QString::number(z));
        lZahlen->setText(zahlen.join(QLatin1Char(' ')));
        lFeld->setText(QString::number(i));
        lSystem->setText(feld.systemName);
        lReihen->setText(feld.gueltig ? QString::number(feld.reihenAnzahl) : QString());

        const int tag = i + n * 1000;
        auto* seite = new QWidget(seiten);
        seite->setObjectName(QStringLiteral("frGrid%1").arg(tag));
        seite->setProperty("tag", tag);
        auto* sl = new QVBoxLayout(seite);
        sl->setContentsMargins(0, 0, 0, 0);
        sl->addWidget(reihenTabelle(feld.reihen, QStringLiteral("GridDetail%1").arg(tag), seite));
        const int seitenIndex = seiten->addTab(seite, feld.systemName);
        connect(reihenZeigen, &QPushButton::clicked, seiten, [seiten, seitenIndex] { seiten->setCurrentIndex(seitenIndex); });
    }
    ul->addStretch(1);

    auto* panel = new AuswertungsPanel(true, m_dienste, rahmen);
    panel->setSchein(SystemscheinAlsAuswertung(daten.SZ, felder));
    rahmen->addWidget(links);
    rahmen->addWidget(panel);
    rahmen->setStretchFactor(1, 1);
    // The rows as wide as they need, the evaluation the rest.
    rahmen->setSizes({links->sizeHint().width(), 370});
    tab->layout()->addWidget(rahmen);
}

void Tippauswertung::startDateienOeffnen(const AuswertungEinstellungen& e) {
    if (!e.dateien.isEmpty()) {
        for (const QString& pfad : e.dateien) {
            if (QFileInfo::exists(pfad))
                DateienEinlesen(pfad);
            else
                m_dienste.dialoge->information(this, QStringLiteral("Die mit dem Programmstart zu ladende Datei ") +
                                                         QDir::toNativeSeparators(pfad) +
                                                         QStringLiteral("\r\r wurde nicht gefunden."));
        }
        return;
    }
    for (const QString& name : {QStringLiteral("Demo-Systemschein.skb"), QStringLiteral("Demo-Normalschein.nkb")}) {
        const QString pfad = zustand().DatenPfad + name;
        if (QFileInfo::exists(pfad))
            DateienEinlesen(pfad);
    }
}

void Tippauswertung::BOpenClick() {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Spielschein-Datei einlesen");
    o.filter = QStringLiteral("Normal-Schein (*.nkb);;System-Schein (*.skb);;Spielschein-Dateien (*.nkb *.skb)");
    o.standardEndung = QStringLiteral("nkb");
    o.startOrdner = zustand().DatenPfad;
    o.filterIndex = m_filterIndex;
    const QStringList dateien = m_dienste.dateiDialoge->oeffnen(this, o, true);
    if (dateien.isEmpty())
        return;
    m_filterIndex = o.filterIndex;
    if (cbMerken->isChecked()) {
        IniDatei ini(zustand().einstellungenPfad());
        DateiauswahlMerken(ini, dateien);
        if (const Status s = ini.speichern(); !s)
            m_dienste.dialoge->fehler(this, s.fehler());
    }
    PC1->setUpdatesEnabled(false);
    QWidget* letzter = nullptr;
    for (const QString& pfad : dateien)
        letzter = DateienEinlesen(pfad);
    PC1->setUpdatesEnabled(true);
    if (letzter)
        PC1->setCurrentWidget(letzter);
}

void Tippauswertung::BKr1Click() {
    while (PC1->count() > 0) {
        QWidget* w = PC1->widget(PC1->count() - 1);
        PC1->removeTab(PC1->count() - 1);
        delete w;
    }
}

void Tippauswertung::BKr2Click() {
    if (PC1->count() == 0)
        return;
    const int t = PC1->currentIndex();
    QWidget* w = PC1->widget(t);
    PC1->removeTab(t);
    delete w;
    if (PC1->count() > 1)
        PC1->setCurrentIndex(qMax(0, t - 1));
}

} // namespace kb
