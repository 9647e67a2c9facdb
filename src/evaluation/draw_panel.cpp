#include "draw_panel.h"

#include "core/date.h"
#include "core/draw_history.h"
#include "core/program_state.h"
#include "draw_table_model.h"
#include "statistics/draw_changes.h"
#include "widgets/icons.h"
#include "widgets/number_pad.h"
#include "widgets/skin.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

namespace {

// Cells painted on white in normal type, right-aligned 3 pixels from the right edge;
// the style's own margins would not leave room for two digits in a 25-pixel column.
class ZellenDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
        p->save();
        p->fillRect(option.rect, Qt::white);
        p->setPen(Qt::black);
        p->setFont(option.font);
        p->drawText(option.rect.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter,
                    index.data(Qt::DisplayRole).toString());
        p->restore();
    }
};

QIcon kugelnIcon() {
    QPixmap bild(40, 24);
    bild.fill(Qt::transparent);
    QPainter p(&bild);
    kugelZeichnen(p, QRectF(1, 3, 18, 18), 6, QColor(220, 40, 40));
    kugelZeichnen(p, QRectF(20, 3, 18, 18), 49, QColor(40, 110, 210));
    p.end();
    return QIcon(bild);
}

} // namespace

void webLinkOeffnen(Dienste& dienste, QWidget* eltern, WebLink link) {
    if (!dienste.netz->online()) {
        dienste.dialoge->information(eltern, WebOfflineText(link));
        return;
    }
    const QUrl url = WebAdresse(link, IniDatei(zustand().einstellungenPfad()));
    if (!url.isValid() || !dienste.shell->oeffneUrl(url))
        dienste.dialoge->information(
            eltern,
            QStringLiteral("Die Seite \"%1\" konnte nicht im Browser geöffnet werden.").arg(url.toString()));
}

ZiehungsPanel::ZiehungsPanel(Dienste& dienste, std::function<void()> updateOeffnen, QWidget* eltern)
    : QWidget(eltern), m_dienste(dienste), m_updateOeffnen(std::move(updateOeffnen)) {
    setObjectName(QStringLiteral("Pleft"));
    aufbauen();
    connect(&Ziehungsmeldungen::instanz(), &Ziehungsmeldungen::gewZahlenGeaendert, this,
            &ZiehungsPanel::gewZahlenGeaendert);
}

void ZiehungsPanel::aufbauen() {
    setFixedWidth(Breite);
    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(4);

    auto* wahl = new QGridLayout;
    wahl->setHorizontalSpacing(4);
    wahl->setVerticalSpacing(1);
    auto* ziehung = new QLabel(QStringLiteral("Ziehung"), this);
    wahl->addWidget(ziehung, 0, 0);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setEditable(false);
    Combo1->setMaxVisibleItems(16);
    QFont fett = Combo1->font();
    fett.setBold(true);
    Combo1->setFont(fett);
    Combo1->setMinimumWidth(130);
    wahl->addWidget(Combo1, 0, 1);
    bsSkinSpeedButton4 = new QToolButton(this);
    bsSkinSpeedButton4->setObjectName(QStringLiteral("bsSkinSpeedButton4"));
    bsSkinSpeedButton4->setIcon(symbolIcon(Symbol::Web));
    bsSkinSpeedButton4->setIconSize(QSize(22, 22));
    bsSkinSpeedButton4->setAutoRaise(true);
    bsSkinSpeedButton4->setToolTip(QStringLiteral("Aktuelle Zahlen und Quoten aufrufen"));
    wahl->addWidget(bsSkinSpeedButton4, 0, 2);
    Image1 = new QToolButton(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setIcon(kugelnIcon());
    Image1->setIconSize(QSize(40, 24));
    Image1->setAutoRaise(true);
    Image1->setCursor(Qt::PointingHandCursor);
    Image1->setToolTip(QStringLiteral("Aktuelle Zahlen und Quoten aufrufen"));
    wahl->addWidget(Image1, 0, 3);
    LDay = new QLabel(this);
    LDay->setObjectName(QStringLiteral("LDay"));
    LDay->setAlignment(Qt::AlignCenter);
    wahl->addWidget(LDay, 1, 1);
    wahl->setColumnStretch(4, 1);
    spalte->addLayout(wahl);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->setSpacing(4);
    BHinzu = new QPushButton(this);
    BHinzu->setObjectName(QStringLiteral("BHinzu"));
    BHinzu->setToolTip(QStringLiteral("Ziehung hinzufügen"));
    BHinzu->setIconSize(QSize(18, 18));
    knoepfe->addWidget(BHinzu, 1);
    BDel = new QPushButton(this);
    BDel->setObjectName(QStringLiteral("BDel"));
    BDel->setIcon(symbolIcon(Symbol::Leeren));
    BDel->setIconSize(QSize(18, 18));
    BDel->setToolTip(QStringLiteral("Zahlenfeld leeren"));
    knoepfe->addWidget(BDel);
    bsSkinSpeedButton2 = new QPushButton(QStringLiteral("S&peichern"), this);
    bsSkinSpeedButton2->setObjectName(QStringLiteral("bsSkinSpeedButton2"));
    knoepfe->addWidget(bsSkinSpeedButton2, 1);
    spalte->addLayout(knoepfe);
    hinzuModusSetzen(false);

    Label5 = new QLabel(TextGewinnzahlenVom, this);
    Label5->setObjectName(QStringLiteral("Label5"));
    QFont ueberschrift = Label5->font();
    ueberschrift.setBold(true);
    Label5->setFont(ueberschrift);
    spalte->addWidget(Label5);

    m_zahlen = new Zahlenpad(
        {1, MaxZahl, 7, 0, QSize(36, 28), 8, QStringLiteral("PNummer"), skin::farbe::KugelRot}, this);
    m_zahlen->setObjectName(QStringLiteral("PZahlen"));
    spalte->addWidget(m_zahlen, 0, Qt::AlignHCenter);

    auto* sz = new QVBoxLayout;
    sz->setSpacing(1);
    auto* szText = new QLabel(QStringLiteral("Superzahl"), this);
    sz->addWidget(szText, 0, Qt::AlignHCenter);
    PSZ = new Zahlenpad(
        {0, 9, 10, SZTagVersatz, QSize(26, 24), 9, QStringLiteral("PSZNummer"), skin::farbe::KugelGold}, this);
    PSZ->setObjectName(QStringLiteral("PSZ"));
    sz->addWidget(PSZ, 0, Qt::AlignHCenter);
    spalte->addLayout(sz);

    LZT = new QLabel(this);
    LZT->setObjectName(QStringLiteral("LZT"));
    spalte->addWidget(LZT);

    G1 = new QTableView(this);
    G1->setObjectName(QStringLiteral("G1"));
    m_modell = new GewinnzahlenModell(G1);
    G1->setModel(m_modell);
    G1->setItemDelegate(new ZellenDelegate(G1));
    QFont tabelle = G1->font();
    tabelle.setPointSize(8);
    G1->setFont(tabelle);
    G1->horizontalHeader()->setFont(tabelle);
    G1->verticalHeader()->hide();
    G1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G1->verticalHeader()->setMinimumSectionSize(12);
    G1->verticalHeader()->setDefaultSectionSize(16);
    G1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G1->horizontalHeader()->setDefaultSectionSize(25);
    G1->horizontalHeader()->setMinimumSectionSize(20);
    G1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    G1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G1->setSelectionMode(QAbstractItemView::NoSelection);
    G1->setWordWrap(false);
    QPalette weiss = G1->palette();
    weiss.setColor(QPalette::Base, Qt::white);
    weiss.setColor(QPalette::Text, Qt::black);
    G1->setPalette(weiss);
    // As wide as its columns: no empty white strip beside them.
    G1->setFixedWidth(datumsBreite() + 7 * 25 + G1->verticalScrollBar()->sizeHint().width() +
                      2 * G1->frameWidth());
    spalte->addWidget(G1, 1);

    connect(Combo1, &QComboBox::activated, this, &ZiehungsPanel::Combo1Change);
    connect(m_zahlen, &Zahlenpad::geklickt, this, &ZiehungsPanel::BLotUrClick);
    connect(PSZ, &Zahlenpad::geklickt, this, &ZiehungsPanel::BLotUrClick);
    connect(BHinzu, &QPushButton::clicked, this, &ZiehungsPanel::BHinzuClick);
    connect(BDel, &QPushButton::clicked, this, &ZiehungsPanel::BDelClick);
    connect(bsSkinSpeedButton2, &QPushButton::clicked, this, &ZiehungsPanel::bsSkinSpeedButton2Click);
    for (QToolButton* link : {bsSkinSpeedButton4, Image1})
        connect(link, &QToolButton::clicked, this,
                [this] { webLinkOeffnen(m_dienste, this, WebLink::Gewinnzahlen); });
}

void ZiehungsPanel::GZEinlesen() {
    Result<QVector<TGewZahlen>> gelesen = GZDateiLesen(zustand().DatenPfad + GZDateiName);
    if (!gelesen)
        m_dienste.dialoge->fehler(this, gelesen.fehler());
    zustand().GewZahlen = gelesen ? std::move(gelesen.wert()) : QVector<TGewZahlen>{};
    GewZahlenGeaendert(true);
    m_dateiUnlesbar = !gelesen;
}

void ZiehungsPanel::gewZahlenGeaendert(bool ersetzt) {
    if (ersetzt) {
        // The list is rebuilt from the new history: whatever was being entered belongs to the old one.
        m_dateiUnlesbar = false;
        hinzuModusSetzen(false);
        QStringList texte;
        texte.reserve(zustand().GewZahlen.size());
        for (const TGewZahlen& z : std::as_const(zustand().GewZahlen))
            texte.append(DatumText(z.datum, zustand().LandesFormat));
        Combo1->clear();
        Combo1->addItems(texte);
        Combo1->setCurrentIndex(static_cast<int>(texte.size()) - 1);
        BDelClick();
        LDay->clear();
        Label5->setText(TextGewinnzahlenVom);
    }
    GZinG1Einlesen();
}

void ZiehungsPanel::GZinG1Einlesen() {
    m_modell->setZiehungen(zustand().GewZahlen, zustand().LandesFormat);
    G1->setColumnWidth(0, datumsBreite());
    for (int c = 1; c < GewinnzahlenModell::Spalten; ++c)
        G1->setColumnWidth(c, 25);
    LZT->setText(ZiehungsanzahlText(zustand().GewZahlen.size(), zustand().LandesFormat));
}

int ZiehungsPanel::datumsBreite() const {
    // 68 pixels, or what a date needs in the table's font where that is wider.
    const QString muster = DatumText(QDate(2000, 12, 30), zustand().LandesFormat);
    return std::max(68, G1->fontMetrics().horizontalAdvance(muster) + 8);
}

void ZiehungsPanel::hinzuModusSetzen(bool an) {
    m_hinzu = an;
    BHinzu->setIcon(symbolIcon(an ? Symbol::Abbrechen : Symbol::Hinzufuegen));
    BHinzu->setText(an ? TextAbbrechen : TextNeueZiehung);
}

void ZiehungsPanel::padZeigen() {
    for (int n = 1; n <= MaxZahl; ++n)
        m_zahlen->setGewaehlt(n, m_pad.gewaehlt.enthaelt(n));
    for (int d = 0; d <= 9; ++d)
        PSZ->setGewaehlt(d + SZTagVersatz, m_pad.superzahl == d);
}

void ZiehungsPanel::BLotUrClick(int tag) {
    BLotAuswerten(tag);
}

void ZiehungsPanel::BLotAuswerten(int tag) {
    const GewinnzahlenPad::Ergebnis e = m_pad.BLotAuswerten(tag);
    switch (e.wirkung) {
    case GewinnzahlenPad::Wirkung::ZahlGewaehlt:
        m_zahlen->setGewaehlt(tag, true);
        break;
    case GewinnzahlenPad::Wirkung::ZahlAbgewaehlt:
        m_zahlen->setGewaehlt(tag, false);
        break;
    case GewinnzahlenPad::Wirkung::SchonSechs:
        m_dienste.dialoge->information(this, TextSechsGewaehlt);
        break;
    case GewinnzahlenPad::Wirkung::SZGewaehlt:
        PSZ->setGewaehlt(e.vorherigeSZ + SZTagVersatz, false);
        PSZ->setGewaehlt(tag, true);
        break;
    case GewinnzahlenPad::Wirkung::SZAbgewaehlt:
        PSZ->setGewaehlt(tag, false);
        break;
    case GewinnzahlenPad::Wirkung::Ohne:
        break;
    }
}

void ZiehungsPanel::BDelClick() {
    m_pad.leeren();
    m_zahlen->alleNormal();
    PSZ->alleNormal();
}

void ZiehungsPanel::Combo1Change(int index) {
    const QVector<TGewZahlen>& gz = zustand().GewZahlen;
    if (index < 0)
        return;
    if (index >= gz.size()) {
        LDay->setText(WochentagNamen.value(Wochentag(m_neuesDatum)));
        return;
    }
    const TGewZahlen& z = gz[index];
    LDay->setText(WochentagNamen.value(Wochentag(z.datum)));
    m_pad = PadAusZiehung(z);
    padZeigen();
    Label5->setText(TextGewinnzahlenVom + QLatin1Char(' ') + Combo1->itemText(index));
}

void ZiehungsPanel::downloadAnbieten() {
    if (m_dienste.dialoge->frage(this, TextDownloadFrage, Knoepfe::JaNeinAbbrechen) != Antwort::Ja)
        return;
    zustand().DownloadFragen = false;
    if (m_updateOeffnen)
        m_updateOeffnen();
}

void ZiehungsPanel::BHinzuClick() {
    if (zustand().GewZahlen.isEmpty())
        downloadAnbieten();
    if (m_hinzu) {
        hinzuModusSetzen(false);
        if (Combo1->count() > zustand().GewZahlen.size())
            Combo1->removeItem(Combo1->count() - 1);
        Combo1->setCurrentIndex(Combo1->count() - 1);
        // The pad held the cancelled draw; left there, "Speichern" would write it over the chosen one.
        BDelClick();
        LDay->clear();
        Label5->setText(TextGewinnzahlenVom);
        return;
    }
    const QDate datum = NaechsteZiehungVorschlagen(zustand().GewZahlen, m_dienste.uhr->heute());
    if (!datum.isValid()) {
        m_dienste.dialoge->fehler(
            this, QStringLiteral(
                      "Die letzte Ziehung hat kein gültiges Datum; ich kann keinen Termin vorschlagen."));
        return;
    }
    hinzuModusSetzen(true);
    m_neuesDatum = datum;
    const QString text = DatumText(datum, zustand().LandesFormat);
    Combo1->addItem(text);
    Combo1->setCurrentIndex(Combo1->count() - 1);
    BDelClick();
    LDay->setText(WochentagNamen.value(Wochentag(datum)));
    Label5->setText(TextGewinnzahlenVom + QLatin1Char(' ') + text);
}

void ZiehungsPanel::bsSkinSpeedButton2Click() {
    QVector<TGewZahlen>& gz = zustand().GewZahlen;
    qsizetype index = gz.size();
    TDate datum = ausQDate(m_neuesDatum);
    if (!m_hinzu) {
        index = Combo1->currentIndex();
        if (index < 0 || index >= gz.size()) {
            m_dienste.dialoge->information(this, TextKeineZiehungGewaehlt);
            return;
        }
        datum = gz[index].datum;
    }
    if (!m_pad.vollstaendig()) {
        m_dienste.dialoge->fehler(this, TextZiehungUnvollstaendig);
        return;
    }
    if (m_dateiUnlesbar) {
        m_dienste.dialoge->fehler(
            this,
            QStringLiteral("Die Gewinnzahlen-Datei konnte beim Start nicht gelesen werden. Damit sie nicht "
                           "überschrieben wird, speichere ich nicht.\r\rIch breche erst einmal ab."));
        return;
    }
    const Status s =
        ZiehungSpeichern(gz, index, ZiehungAusPad(datum, m_pad), zustand().DatenPfad + GZDateiName);
    if (!s) {
        m_dienste.dialoge->fehler(this, s.fehler());
        return;
    }
    hinzuModusSetzen(false);
    GewZahlenGeaendert(false);
}

} // namespace kb
