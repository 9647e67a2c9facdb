#include "selection_window.h"

#include "catalogue.h"
#include "core/program_state.h"
#include "entry/ticket_entry.h"
#include "evaluation/navigation_bar.h"
#include "system_test_page.h"
#include "update/draw_update.h"
#include "widgets/icons.h"
#include "widgets/number_pad.h"
#include "widgets/skin.h"
#include "widgets/row_grid.h"
#include "widgets/row_output.h"
#include "widgets/tile_panel.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QSlider>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

namespace {

const QColor Gruen(0, 255, 0);
const QColor Hellrot(255, 91, 91);
const QColor Hellgruen(179, 255, 179);
const QColor WahlGelb(255, 236, 120);

QLabel* hinweis(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}

QLabel* zahlFeld(const QString& name, QWidget* eltern) {
    auto* l = new QLabel(QStringLiteral("0"), eltern);
    l->setObjectName(name);
    l->setFixedSize(34, 22);
    skin::rahmenLabel(l);
    return l;
}

void faerben(QLabel* l, const QColor& farbe) {
    skin::flaeche(l, farbe);
}

} // namespace

TFSystemwahl::TFSystemwahl(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern)
    : QWidget(eltern), m_dienste(dienste), m_router(router) {
    setObjectName(QStringLiteral("FSystemwahl"));
    FormCreate();
}

void TFSystemwahl::FormCreate() {
    setWindowTitle(FensterTitel());
    auto* haupt = new QVBoxLayout(this);
    haupt->setContentsMargins(0, 0, 0, 0);
    haupt->setSpacing(0);
    using K = NavigationsLeiste::Knopf;
    m_navigation =
        new NavigationsLeiste(this, m_dienste, m_router, HilfeKontext,
                              {K::Schliessen, K::Normalschein, K::Systemschein, K::Druck, K::Statistik,
                               K::Update, K::Quoten, K::NueberK, K::Kalender, K::Rechner, K::Hilfe});
    haupt->addWidget(m_navigation);

    auto* mitte = new QHBoxLayout;
    mitte->setContentsMargins(6, 4, 6, 6);
    mitte->setSpacing(8);
    mitte->addWidget(filterAnlegen());
    PC1 = new QTabWidget(this);
    PC1->setObjectName(QStringLiteral("PC1"));
    PC1->addTab(bildenSeiteAnlegen(), QStringLiteral("Tippreihen bilden"));
    m_test = new SystemtestSeite(m_dienste, PC1);
    PC1->addTab(m_test, QStringLiteral("Tippreihen testen"));
    connect(PC1, &QTabWidget::currentChanged, m_test, &SystemtestSeite::PC1Change);
    connect(m_test, &SystemtestSeite::zurueck, this, [this] { PC1->setCurrentIndex(0); });
    connect(m_test, &SystemtestSeite::image3Geklickt, this, &TFSystemwahl::Image3Click);
    mitte->addWidget(PC1, 1);
    haupt->addLayout(mitte, 1);
    resize(ClientBreite, ClientHoehe);
}

QWidget* TFSystemwahl::filterAnlegen() {
    auto* panel = new QWidget(this);
    panel->setObjectName(QStringLiteral("PFilter"));
    panel->setFixedWidth(360);
    auto* l = new QVBoxLayout(panel);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(3);
    auto* titel = new QLabel(QStringLiteral("Systeme-Filter"), panel);
    QFont tf = titel->font();
    tf.setBold(true);
    titel->setFont(tf);
    l->addWidget(titel);
    l->addWidget(
        hinweis(QStringLiteral("Mit Hilfe der hier wählbaren Parameter können Sie die Systeme nach Ihren "
                               "Wünschen filtern."),
                panel));

    const auto gruppe = [&](const QString& kopf, const QString& text, QSlider*& slider, QLabel*& label,
                            QCheckBox*& egal, const QString& nr, int von, int bis, int wert) {
        auto* g = new QGroupBox(kopf, panel);
        auto* gl = new QVBoxLayout(g);
        gl->setContentsMargins(6, 2, 6, 4);
        gl->setSpacing(1);
        auto* t = hinweis(text, g);
        QFont f = t->font();
        f.setPointSize(std::max(7, f.pointSize() - 1));
        t->setFont(f);
        gl->addWidget(t);
        auto* zeile = new QHBoxLayout;
        slider = new QSlider(Qt::Horizontal, g);
        slider->setObjectName(QStringLiteral("Slider") + nr);
        slider->setRange(von, bis);
        slider->setValue(wert);
        zeile->addWidget(slider, 1);
        label = new QLabel(QString::number(wert), g);
        label->setObjectName(QStringLiteral("LSlider") + nr);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumWidth(40);
        zeile->addWidget(label);
        egal = new QCheckBox(QStringLiteral("egal"), g);
        egal->setObjectName(QStringLiteral("cb") + nr);
        zeile->addWidget(egal);
        gl->addLayout(zeile);
        l->addWidget(g);
        return gl;
    };
    const auto radios = [](QVBoxLayout* gl, QRadioButton*(&r)[2], const QString& name, const QString& a,
                           const QString& b) {
        auto* zeile = new QHBoxLayout;
        auto* gruppe = new QButtonGroup(gl->parentWidget());
        gruppe->setObjectName(name);
        for (int i = 0; i < 2; ++i) {
            r[i] = new QRadioButton(i == 0 ? a : b, gl->parentWidget());
            r[i]->setObjectName(name + QString::number(i));
            gruppe->addButton(r[i], i);
            zeile->addWidget(r[i]);
        }
        r[1]->setChecked(true);
        zeile->addStretch(1);
        gl->addLayout(zeile);
    };

    gruppe(QStringLiteral("Größe Ihres Zahlenpools"),
           QStringLiteral(
               "Geben Sie hier an, wie viel Zahlen Sie tippen wollen, einschließlich gegebenenfalls zu "
               "spielender Bankzahlen."),
           Slider1, LSlider1, cb1, QStringLiteral("1"), ZPMin, ZPMax, 13);
    QVBoxLayout* g3 =
        gruppe(QStringLiteral("Gewinngarantie"),
               QStringLiteral("Bei X Übereinstimmungen von Gewinn- und Poolzahlen sind X Richtige "
                              "garantiert."),
               Slider3, LSlider3, cb3, QStringLiteral("3"), 0, GAMax, 2);
    radios(g3, Radio3, QStringLiteral("Radio3"), QStringLiteral("mindestens"), QStringLiteral("genau"));
    BInfo3 = new QToolButton(g3->parentWidget());
    BInfo3->setObjectName(QStringLiteral("BInfo3"));
    BInfo3->setText(QStringLiteral("i"));
    BInfo3->setToolTip(QStringLiteral(
        "Die Skala für die Gewinngarantie ist durch die Größe der Tippreihe beschränkt worden."));
    BInfo3->hide();
    qobject_cast<QHBoxLayout*>(g3->itemAt(2)->layout())->insertWidget(2, BInfo3);
    QVBoxLayout* g4 =
        gruppe(QStringLiteral("Tippreihenanzahl"),
               QStringLiteral("Geben Sie hier an, wie viel Tippreihen das System etwa, in Abhängigkeit "
                              "von Ihrem Budget, umfassen soll."),
               Slider4, LSlider4, cb4, QStringLiteral("4"), TRMin, MaxSystemreihen, 24);
    auto* hinweisZeile = new QHBoxLayout;
    LHinweis4 = new QLabel(QStringLiteral("wurde mathematisch ermittelt, siehe \"i\""), g4->parentWidget());
    LHinweis4->setObjectName(QStringLiteral("LHinweis4"));
    LHinweis4->hide();
    BInfo4 = new QToolButton(g4->parentWidget());
    BInfo4->setObjectName(QStringLiteral("BInfo4"));
    BInfo4->setText(QStringLiteral("i"));
    BInfo4->hide();
    hinweisZeile->addWidget(LHinweis4, 1);
    hinweisZeile->addWidget(BInfo4);
    g4->addLayout(hinweisZeile);
    QVBoxLayout* g5 = gruppe(QStringLiteral("Bankzahlen"),
                             QStringLiteral("Bankzahlen sind Zahlen, die in jeder Tippreihe vertreten sind."),
                             Slider5, LSlider5, cb5, QStringLiteral("5"), 0, BZMax, 2);
    radios(g5, Radio5, QStringLiteral("Radio5"), QStringLiteral("maximal"), QStringLiteral("genau"));
    Slider3->setMaximum(6 - Slider5->value());

    cbNur = new QCheckBox(QStringLiteral("nur Lottoschein- Systeme"), panel);
    cbNur->setObjectName(QStringLiteral("cbNur"));
    l->addWidget(cbNur);
    auto* knoepfe = new QHBoxLayout;
    auto* ex = new QPushButton(QStringLiteral("Alles auf \"egal\""), panel);
    ex->setObjectName(QStringLiteral("BFilternEx"));
    auto* filtern = new QPushButton(QStringLiteral("Filtern"), panel);
    filtern->setObjectName(QStringLiteral("BFiltern"));
    knoepfe->addWidget(ex);
    knoepfe->addWidget(filtern);
    l->addLayout(knoepfe);

    LSysAnz = new QLabel(QStringLiteral("Gefilterte Systeme"), panel);
    LSysAnz->setObjectName(QStringLiteral("LSysAnz"));
    LSysAnz->setFont(tf);
    l->addWidget(LSysAnz);
    l->addWidget(hinweis(QStringLiteral("Klicken Sie bitte in der Liste auf Ihr Wunschsystem"), panel));
    l1 = new QListWidget(panel);
    l1->setObjectName(QStringLiteral("l1"));
    l1->setSelectionMode(QAbstractItemView::SingleSelection);
    l1->viewport()->installEventFilter(this);
    l->addWidget(l1, 1);
    auto* unten = new QHBoxLayout;
    Img1 = new QLabel(panel);
    Img1->setObjectName(QStringLiteral("Img1"));
    Img1->setPixmap(symbolIcon(Symbol::SystemWahl).pixmap(22, 22));
    Img1->hide();
    unten->addWidget(Img1);
    unten->addWidget(new QLabel(QStringLiteral("* = Lottoschein-Systeme"), panel));
    unten->addStretch(1);
    l->addLayout(unten);
    LSysBeschreibung = new QLabel(QStringLiteral("Beschreibung des gewählten Systems"), panel);
    LSysBeschreibung->setObjectName(QStringLiteral("LSysBeschreibung"));
    LSysBeschreibung->setWordWrap(true);
    LSysBeschreibung->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    LSysBeschreibung->setMinimumHeight(54);
    LSysBeschreibung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->addWidget(LSysBeschreibung);

    connect(Slider1, &QSlider::valueChanged, this, &TFSystemwahl::Slider1Change);
    connect(Slider3, &QSlider::valueChanged, this, &TFSystemwahl::Slider3Change);
    connect(Slider4, &QSlider::valueChanged, this, &TFSystemwahl::Slider4Change);
    connect(Slider5, &QSlider::valueChanged, this, &TFSystemwahl::Slider5Change);
    connect(cb1, &QCheckBox::clicked, this, &TFSystemwahl::cb1Click);
    connect(cb3, &QCheckBox::clicked, this, &TFSystemwahl::cb3Click);
    connect(cb4, &QCheckBox::clicked, this, &TFSystemwahl::cb4Click);
    connect(cb5, &QCheckBox::clicked, this, &TFSystemwahl::cb5Click);
    connect(cbNur, &QCheckBox::clicked, this, &TFSystemwahl::cbNurClick);
    connect(BInfo3, &QToolButton::clicked, this, &TFSystemwahl::BInfo3Click);
    connect(BInfo4, &QToolButton::clicked, this, &TFSystemwahl::BInfo4Click);
    connect(ex, &QPushButton::clicked, this, &TFSystemwahl::BFilternExClick);
    connect(filtern, &QPushButton::clicked, this, &TFSystemwahl::BFilternClick);
    festeReihenzahlPruefen();
    return panel;
}

QWidget* TFSystemwahl::bildenSeiteAnlegen() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("TSBilden"));
    auto* l = new QHBoxLayout(seite);
    l->setContentsMargins(6, 4, 6, 4);
    l->setSpacing(10);

    // Tight enough that the distribution panel fits below the pad at the window's size.
    auto* links = new QVBoxLayout;
    links->setSpacing(3);
    links->addWidget(
        hinweis(QStringLiteral("Wählen Sie zunächst die wechselnden Tippzahlen, im Anschluss ggfs. die "
                               "Bankzahl(en) ."),
                seite));
    links->addWidget(hinweis(QStringLiteral("Oder bedienen Sie sich des Zufalls."), seite));
    auto* soll = new QHBoxLayout;
    soll->addWidget(new QLabel(QStringLiteral("Zu wählen:"), seite));
    soll->addWidget(new QLabel(QStringLiteral("Wahlzahlen:"), seite));
    PWZ = zahlFeld(QStringLiteral("PWZ"), seite);
    soll->addWidget(PWZ);
    soll->addWidget(new QLabel(QStringLiteral("Bankzahlen:"), seite));
    PBZ2 = zahlFeld(QStringLiteral("PBZ2"), seite);
    soll->addWidget(PBZ2);
    soll->addStretch(1);
    links->addLayout(soll);
    auto* ist = new QHBoxLayout;
    auto* zufall = new QPushButton(QStringLiteral("Zufalls- wahl"), seite);
    zufall->setObjectName(QStringLiteral("BZufall"));
    auto* loeschen = new QPushButton(symbolIcon(Symbol::Leeren), QStringLiteral("Löschen"), seite);
    loeschen->setObjectName(QStringLiteral("BLoeschen"));
    ist->addWidget(zufall);
    ist->addWidget(loeschen);
    ist->addStretch(1);
    ist->addWidget(new QLabel(QStringLiteral("WZ"), seite));
    PWZ2 = zahlFeld(QStringLiteral("PWZ2"), seite);
    ist->addWidget(PWZ2);
    ist->addWidget(new QLabel(QStringLiteral("BZ"), seite));
    PBZ3 = zahlFeld(QStringLiteral("PBZ3"), seite);
    ist->addWidget(PBZ3);
    links->addLayout(ist);
    Zahlenpad::Aufbau aufbau = Zahlenpad::feldAufbau(0);
    aufbau.knopfGroesse = QSize(34, 24);
    m_zahlen = new Zahlenpad(aufbau, seite);
    m_zahlen->setObjectName(QStringLiteral("Zahlen"));
    for (int n = 1; n <= MaxZahl; ++n)
        m_zahlen->zahlKnopf(n)->setObjectName(QStringLiteral("lot%1").arg(n));
    links->addWidget(m_zahlen, 0, Qt::AlignHCenter);
    auto* bilden = new QHBoxLayout;
    auto* trBilden = new QPushButton(QStringLiteral("Tippreihen bilden"), seite);
    trBilden->setObjectName(QStringLiteral("BTRBilden"));
    auto* verteilung = new QPushButton(QStringLiteral("Verteilung anzeigen"), seite);
    verteilung->setObjectName(QStringLiteral("bsSkinSpeedButton5"));
    bilden->addWidget(trBilden);
    bilden->addWidget(verteilung);
    links->addLayout(bilden);
    P1 = new ZahlKachelFeld(QStringLiteral("Verteilung der Tippzahlen"), seite);
    P1->setObjectName(QStringLiteral("P1"));
    links->addWidget(P1, 0, Qt::AlignHCenter);
    links->addStretch(1);
    l->addLayout(links);

    auto* rechts = new QVBoxLayout;
    rechts->setSpacing(4);
    G1 = new TippreihenGitter(seite);
    G1->setObjectName(QStringLiteral("G1"));
    G1->setzeSpaltenBreiten(38, 34);
    G1->modell()->setzeDaten(TippreihenDaten(25));
    G1->modell()->setzeHervorhebung({}, Hellgruen);
    G1->setFixedWidth(38 + 6 * 34 + 22);
    rechts->addWidget(G1, 1);
    Label9 = new QLabel(QStringLiteral("Anzahl Tippreihen"), seite);
    Label9->setObjectName(QStringLiteral("Label9"));
    rechts->addWidget(Label9);
    auto* speichern = new QPushButton(symbolIcon(Symbol::Speichern),
                                      QStringLiteral("Als Spielschein s&peichern..."), seite);
    speichern->setObjectName(QStringLiteral("BSpeichern"));
    rechts->addWidget(speichern);
    auto* zumTest = new QPushButton(QStringLiteral("Zum Systemtest"), seite);
    zumTest->setObjectName(QStringLiteral("BZumTest"));
    rechts->addWidget(zumTest);
    LDatei = new QLabel(QStringLiteral("Gespeichert in:"), seite);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    LDatei->setWordWrap(true);
    rechts->addWidget(LDatei);
    BCSV = new QPushButton(symbolIcon(Symbol::CSV), QStringLiteral("Im &CSV-Format speichern..."), seite);
    BCSV->setObjectName(QStringLiteral("BCSV"));
    rechts->addWidget(BCSV);
    m_excel = new QPushButton(symbolIcon(Symbol::TabelleExport), QStringLiteral("Excel- Export"), seite);
    m_excel->setObjectName(QStringLiteral("bsSkinSpeedButton6"));
    rechts->addWidget(m_excel);
    auto* sz = new QHBoxLayout;
    sz->addWidget(new QLabel(QStringLiteral("Superzahl:"), seite));
    ESZ = new QLineEdit(seite);
    ESZ->setObjectName(QStringLiteral("ESZ"));
    ESZ->setMaxLength(1);
    ESZ->setFixedWidth(28);
    ESZ->setAlignment(Qt::AlignCenter);
    // Only a digit makes a Superzahl; anything else would be saved as garbage.
    ESZ->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), ESZ));
    sz->addWidget(ESZ);
    sz->addStretch(1);
    rechts->addLayout(sz);
    rechts->addWidget(hinweis(QStringLiteral("letzte Ziffer der Losnummer auf Ihrem Spielschein"), seite));
    auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), seite);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    rechts->addWidget(schliessen);
    l->addLayout(rechts);

    connect(m_zahlen, &Zahlenpad::zahlGeklickt, this, &TFSystemwahl::BLotUrClick);
    connect(zufall, &QPushButton::clicked, this, &TFSystemwahl::BZufallClick);
    connect(loeschen, &QPushButton::clicked, this, &TFSystemwahl::BLoeschenClick);
    connect(trBilden, &QPushButton::clicked, this, &TFSystemwahl::BTRBildenClick);
    connect(verteilung, &QPushButton::clicked, this, &TFSystemwahl::bsSkinSpeedButton5Click);
    connect(speichern, &QPushButton::clicked, this, &TFSystemwahl::BSpeichernClick);
    connect(zumTest, &QPushButton::clicked, this, &TFSystemwahl::BZumTestClick);
    connect(BCSV, &QPushButton::clicked, this, &TFSystemwahl::BCSVClick);
    connect(m_excel, &QPushButton::clicked, this, &TFSystemwahl::bsSkinSpeedButton6Click);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    BLoeschenClick();
    return seite;
}

FilterWerte TFSystemwahl::filterWerte() const {
    FilterWerte f;
    f.ZP = Slider1->value();
    f.GA = Slider3->value();
    f.TR = Slider4->value();
    f.BZ = Slider5->value();
    f.GARadio = Radio3[1]->isChecked() ? 1 : 0;
    f.BZRadio = Radio5[1]->isChecked() ? 1 : 0;
    f.Scheinsysteme = cbNur->isChecked();
    f.ZPegal = cb1->isChecked();
    f.GAegal = cb3->isChecked();
    f.TRegal = cb4->isChecked();
    f.BZegal = cb5->isChecked();
    return f;
}

void TFSystemwahl::egalAnzeigen(QCheckBox* box, QSlider* slider, QLabel* label) {
    label->setText(box->isChecked() ? QStringLiteral("X") : QString::number(slider->value()));
}

void TFSystemwahl::festeReihenzahlPruefen() {
    const FilterWerte f = filterWerte();
    m_reihenFest = ReihenzahlFest(f);
    BInfo4->setVisible(m_reihenFest);
    LHinweis4->setVisible(m_reihenFest);
    Slider4->setVisible(!m_reihenFest);
    cb4->setVisible(!m_reihenFest);
    if (m_reihenFest)
        LSlider4->setText(QLocale().toString(static_cast<qlonglong>(FesteReihenzahl(f))));
    else
        egalAnzeigen(cb4, Slider4, LSlider4);
}

void TFSystemwahl::Slider1Change(int) {
    cb1->setChecked(false);
    egalAnzeigen(cb1, Slider1, LSlider1);
    if (m_reihenFest)
        festeReihenzahlPruefen();
}

void TFSystemwahl::Slider3Change(int) {
    cb3->setChecked(false);
    egalAnzeigen(cb3, Slider3, LSlider3);
    festeReihenzahlPruefen();
}

void TFSystemwahl::Slider4Change(int) {
    cb4->setChecked(false);
    if (!m_reihenFest)
        egalAnzeigen(cb4, Slider4, LSlider4);
}

void TFSystemwahl::Slider5Change(int wert) {
    cb5->setChecked(false);
    egalAnzeigen(cb5, Slider5, LSlider5);
    Slider3->setMaximum(6 - wert);
    BInfo3->setVisible(wert > 0);
    festeReihenzahlPruefen();
}

void TFSystemwahl::cb1Click() {
    egalAnzeigen(cb1, Slider1, LSlider1);
}

void TFSystemwahl::cb3Click() {
    egalAnzeigen(cb3, Slider3, LSlider3);
    // The fixed row count ends as soon as the guarantee no longer matters.
    festeReihenzahlPruefen();
}

void TFSystemwahl::cb4Click() {
    if (!m_reihenFest)
        egalAnzeigen(cb4, Slider4, LSlider4);
}

void TFSystemwahl::cb5Click() {
    egalAnzeigen(cb5, Slider5, LSlider5);
    Slider3->setMaximum(cb5->isChecked() ? 6 : 6 - Slider5->value());
    festeReihenzahlPruefen();
}

void TFSystemwahl::cbNurClick() {
    if (m_gezeigt)
        BFilternClick();
}

void TFSystemwahl::BInfo3Click() {
    m_dienste.dialoge->information(this, GarantieBeschraenktText);
}

void TFSystemwahl::BInfo4Click() {
    m_dienste.dialoge->information(
        this, QStringLiteral(
                  "Sie haben sich durch die Wahl der vollen Gewinngarantie für ein Vollsystem - "
                  "gegebenenfalls mit Bankzahlen - entschieden, dessen Tippreihenanzahl feststeht. Daher "
                  "wurden die Wahlmöglichkeiten an dieser Stelle deaktiviert."));
}

void TFSystemwahl::BFilternExClick() {
    for (QCheckBox* b : {cb1, cb3, cb4, cb5})
        b->setChecked(true);
    cb1Click();
    cb3Click();
    cb4Click();
    cb5Click();
}

void TFSystemwahl::BFilternClick() {
    Img1->hide();
    l1->clear();
    l1->hide();
    m_listenSysteme.clear();
    const FilterErgebnis e = SystemeFiltern(filterWerte());
    if (e.garantieGesenkt) {
        Slider3->setValue(e.GA);
        Radio3[e.GARadio]->setChecked(true);
    }
    l1->addItems(e.eintraege);
    m_listenSysteme = e.ListenSysteme;
    l1->show();
    LSysAnz->setText(e.anzahlText);
}

bool TFSystemwahl::eventFilter(QObject* objekt, QEvent* e) {
    if (objekt == l1->viewport() &&
        (e->type() == QEvent::MouseButtonRelease || e->type() == QEvent::MouseButtonDblClick)) {
        // After the list's own handling, so the clicked item is the current one.
        const bool ergebnis = QWidget::eventFilter(objekt, e);
        QMetaObject::invokeMethod(this, &TFSystemwahl::l1ListBoxClick, Qt::QueuedConnection);
        return ergebnis;
    }
    return QWidget::eventFilter(objekt, e);
}

void TFSystemwahl::l1ListBoxClick() {
    if (m_listenSysteme.isEmpty()) {
        m_dienste.dialoge->information(
            this, QStringLiteral("Es ist noch kein System gelistet. Bitte prüfen Sie "
                                 "gegebenenfalls Ihre Filtereinstellungen.\r\rIch breche "
                                 "erst einmal ab."));
        return;
    }
    const int zeile = l1->currentRow();
    if (zeile < 0 || zeile >= m_listenSysteme.size() || l1->selectedItems().isEmpty())
        return;
    systemGewaehlt(m_listenSysteme[zeile]);
}

void TFSystemwahl::systemGewaehlt(int position) {
    m_auswahl.GewaehltesSystem(position);
    m_test->setzeSystem(position);
    PWZ->setText(QString::number(m_auswahl.SollWZ()));
    PBZ2->setText(QString::number(m_auswahl.SollBZ()));
    Img1->show();
    LSysBeschreibung->setText(SystemBeschreibung(position).replace(QLatin1Char('\r'), QLatin1Char('\n')));
    zaehlerFaerben(true);
    PC1->setCurrentIndex(0);
}

void TFSystemwahl::zaehlerFaerben(bool nachListenwahl) {
    const auto farbe = [nachListenwahl](int ist, int soll) {
        if (ist == soll)
            return Gruen;
        if (nachListenwahl && ist > soll)
            return Hellrot;
        return QColor();
    };
    PWZ2->setText(QString::number(m_auswahl.AnzWZ()));
    PBZ3->setText(QString::number(m_auswahl.AnzBZ()));
    faerben(PWZ2, farbe(m_auswahl.AnzWZ(), m_auswahl.SollWZ()));
    faerben(PBZ3, farbe(m_auswahl.AnzBZ(), m_auswahl.SollBZ()));
}

void TFSystemwahl::zahlenAnzeigen() {
    for (int n = 1; n <= MaxZahl; ++n) {
        TBZahl2* k = m_zahlen->zahlKnopf(n);
        const ZahlLook look = m_auswahl.look(n);
        k->setLook(look == ZahlLook::Normal     ? PadLook::Normal
                   : look == ZahlLook::Wahlzahl ? PadLook::Wahlzahl
                                                : PadLook::Bankzahl);
    }
    zaehlerFaerben(false);
}

void TFSystemwahl::BLotUrClick(int zahl) {
    if (const auto m = m_auswahl.BLotUrClick(zahl)) {
        if (m->fehler)
            m_dienste.dialoge->fehler(this, m->text);
        else
            m_dienste.dialoge->information(this, m->text);
        return;
    }
    zahlenAnzeigen();
}

void TFSystemwahl::BZufallClick() {
    if (const auto m = m_auswahl.BZufallClick(m_dienste.zufall->saat())) {
        m_dienste.dialoge->information(this, m->text);
        return;
    }
    anzeigeLeeren();
    zahlenAnzeigen();
}

void TFSystemwahl::BLoeschenClick() {
    m_auswahl.BLoeschenClick();
    anzeigeLeeren();
    zahlenAnzeigen();
    faerben(PWZ2, QColor());
    faerben(PBZ3, QColor());
}

void TFSystemwahl::anzeigeLeeren() {
    for (int n = 1; n <= MaxZahl; ++n)
        P1->setzeWert(n, QString());
}

bool TFSystemwahl::SystemAnwenden(bool tabelleFuellen) {
    const auto r = m_auswahl.SystemAnwenden();
    if (const auto* m = std::get_if<AuswahlMeldung>(&r)) {
        m_dienste.dialoge->information(this, m->text);
        return false;
    }
    const Systemreihen& reihen = std::get<Systemreihen>(r);
    if (tabelleFuellen) {
        G1->hide();
        G1->modell()->setzeDaten(ReihenTabelle(reihen));
        G1->modell()->setzeHervorhebung(m_auswahl.BankZahlen(), Hellgruen);
        Label9->setText(QStringLiteral("%1 Tippreihen").arg(reihen.TR));
        G1->show();
    }
    for (int n = 1; n <= MaxZahl; ++n) {
        const int anzahl = reihen.ZahlHaeufigkeit[static_cast<std::size_t>(n)];
        switch (KachelFuer(anzahl, reihen.TR)) {
        case KachelLook::Leer:
            P1->setzeWert(n, QString());
            break;
        case KachelLook::Normal:
            P1->setzeWert(n, QString::number(anzahl), Qt::white);
            break;
        case KachelLook::Hervorgehoben:
            P1->setzeWert(n, QString::number(anzahl), Hellgruen);
            break;
        }
    }
    return true;
}

void TFSystemwahl::BTRBildenClick() {
    SystemAnwenden(true);
}

void TFSystemwahl::bsSkinSpeedButton5Click() {
    SystemAnwenden(false);
}

void TFSystemwahl::BZumTestClick() {
    m_test->PC1Change();
    PC1->setCurrentIndex(1);
}

void TFSystemwahl::BSpeichernClick() {
    // Before any rows were formed the table is empty: a ticket of empty rows helps nobody.
    if (G1->daten().zelleLeer(1, 1)) {
        m_dienste.dialoge->information(
            this, QStringLiteral("Es gibt nichts zu speichern.\r\rIch breche erst einmal ab."));
        return;
    }
    const int sz = ESZ->text().isEmpty() ? -1 : ESZ->text().toInt();
    const QString pfad = AlsNormalscheinSpeichern(this, m_dienste, G1->daten(), sz);
    if (pfad.isEmpty())
        return;
    LDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName());
}

void TFSystemwahl::BCSVClick() {
    if (G1->daten().zelleLeer(1, 1)) {
        m_dienste.dialoge->information(
            this, QStringLiteral("Es gibt nichts zu speichern.\r\rIch breche erst einmal ab."));
        return;
    }
    DateiDialogOptionen o = CSVSpeichernDialog();
    o.titel = QStringLiteral("Als CSV-Datei speichern...");
    const QString pfad = m_dienste.dateiDialoge->speichern(this, o);
    if (pfad.isEmpty())
        return;
    BCSV->setEnabled(false);
    CSVSpeichern(this, m_dienste, G1->daten(), pfad, [this, pfad](bool ok) {
        BCSV->setEnabled(true);
        if (ok)
            LDatei->setText(QStringLiteral("Gespeichert in: ") + QFileInfo(pfad).fileName());
        Q_EMIT hintergrundFertig(ok);
    });
}

void TFSystemwahl::bsSkinSpeedButton6Click() {
    if (G1->daten().zelleLeer(1, 1)) {
        m_dienste.dialoge->information(
            this, QStringLiteral("Es gibt nichts zu exportieren.\r\rIch breche erst einmal ab."));
        return;
    }
    m_excel->setEnabled(false);
    ExcelExportieren(this, m_dienste, G1->daten(), QStringLiteral("Tippreihen aus System"),
                     TippreihenDaten::ZahlSpalten, [this](bool ok) {
                         m_excel->setEnabled(true);
                         Q_EMIT hintergrundFertig(ok);
                     });
}

void TFSystemwahl::Image3Click() {
    if (!m_dienste.netz->online()) {
        m_dienste.dialoge->information(this, QStringLiteral("Für den Aufruf aktueller Gewinnzahlen muss eine "
                                                            "Verbindung zum Internet bestehen."));
        return;
    }
    const QUrl basis = DownloadBasis(IniDatei(zustand().einstellungenPfad()), zustand().DatensatzPfad);
    m_dienste.shell->oeffneUrl(basis.resolved(QUrl(QStringLiteral("lsp.php"))));
}

void TFSystemwahl::showEvent(QShowEvent* e) {
    FormShow();
    QWidget::showEvent(e);
}

void TFSystemwahl::FormShow() {
    const IniDatei ini(zustand().einstellungenPfad());
    if (ini.dateiVorhanden()) {
        const FilterWerte f = FilterLesen(ini);
        // Sliders first: moving them unticks the boxes, whose stored states come last.
        Slider1->setValue(f.ZP);
        Slider5->setValue(f.BZ);
        Slider3->setValue(f.GA);
        Slider4->setValue(f.TR);
        Radio3[f.GARadio]->setChecked(true);
        Radio5[f.BZRadio]->setChecked(true);
        cbNur->setChecked(f.Scheinsysteme);
        cb1->setChecked(f.ZPegal);
        cb3->setChecked(f.GAegal);
        cb4->setChecked(f.TRegal);
        cb5->setChecked(f.BZegal);
        cb1Click();
        cb3Click();
        cb4Click();
        cb5Click();
    }
    m_gezeigt = true;
}

void TFSystemwahl::FormCloseQuery() {
    IniDatei ini(zustand().einstellungenPfad());
    FilterSchreiben(ini, filterWerte());
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFSystemwahl::closeEvent(QCloseEvent* e) {
    m_test->abbrechen();
    FormCloseQuery();
    e->accept();
}

} // namespace kb
