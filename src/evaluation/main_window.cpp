#include "main_window.h"

#include "core/program_state.h"
#include "ticket_tabs.h"
#include "draw_panel.h"
#include "quotas/quota_file.h"
#include "window_router.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"

#include <QAction>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace kb {

TFAuswertung::TFAuswertung(Dienste& dienste, Fensterverwaltung& router, QWidget* eltern)
    : QMainWindow(eltern), m_dienste(dienste), m_router(router) {
    setObjectName(QStringLiteral("FAuswertung"));
    FormCreate();
}

void TFAuswertung::FormCreate() {
    setWindowTitle(FensterTitel());
    menuUndWerkzeugleisteAnlegen();

    auto* mitte = new QWidget(this);
    auto* spalten = new QVBoxLayout(mitte);
    spalten->setContentsMargins(6, 6, 6, 6);
    auto* seiten = new QHBoxLayout;
    m_ziehungen = new ZiehungsPanel(m_dienste, [this] { m_router.oeffne(QStringLiteral("FUpdate")); }, mitte);
    Pleft = m_ziehungen;
    Pright = new Tippauswertung(m_dienste, mitte);
    Pright->setObjectName(QStringLiteral("Pright"));
    seiten->addWidget(Pleft);
    seiten->addWidget(Pright, 1);
    spalten->addLayout(seiten, 1);

    auto* unten = new QHBoxLayout;
    auto* image3 = new QToolButton(mitte);
    image3->setObjectName(QStringLiteral("Image3"));
    image3->setIcon(symbolIcon(Symbol::Web));
    image3->setIconSize(QSize(24, 24));
    image3->setText(QStringLiteral("Kugelblick im Netz"));
    image3->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    image3->setAutoRaise(true);
    image3->setCursor(Qt::PointingHandCursor);
    connect(image3, &QToolButton::clicked, this,
            [this] { webLinkOeffnen(m_dienste, this, WebLink::Startseite); });
    unten->addWidget(image3);
    unten->addStretch(1);
    BSchliessen = new QPushButton(QStringLiteral("Sch&ließen"), mitte);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    connect(BSchliessen, &QPushButton::clicked, this, &TFAuswertung::BCloseClick);
    unten->addWidget(BSchliessen);
    spalten->addLayout(unten);
    setCentralWidget(mitte);

    const int menuHoehe = menuBar()->sizeHint().height();
    resize(ClientBreite, ClientHoehe + menuHoehe);
    setMinimumSize(ClientBreite, ClientHoehe + menuHoehe);
    setWindowOpacity(0.0);

    m_ziehungen->GZEinlesen();
    if (const Status s = QuotenListeLaden(zustand().DatenPfad + QuoDateiName, zustand().QuotenListe); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

QSize TFAuswertung::clientGroesse() const { return {width(), height() - menuBar()->sizeHint().height()}; }

QAction* TFAuswertung::neueAktion(const QString& name, const QString& text, const QString& ziel) {
    auto* a = new QAction(text, this);
    a->setObjectName(name);
    m_aktionen.insert(name, a);
    if (!ziel.isEmpty()) {
        m_ziele.insert(a, ziel);
        connect(a, &QAction::triggered, this, [this, ziel] { m_router.oeffne(ziel); });
    }
    return a;
}

void TFAuswertung::menuUndWerkzeugleisteAnlegen() {
    // Menu entries and tool-bar buttons that open the same window share one action.
    QAction* beenden = neueAktion(QStringLiteral("BClose"), QStringLiteral("&Beenden"), {});
    beenden->setIcon(symbolIcon(Symbol::Schliessen));
    beenden->setToolTip(QStringLiteral("Programm beenden"));
    connect(beenden, &QAction::triggered, this, &TFAuswertung::BCloseClick);

    QAction* oeffnen = neueAktion(QStringLiteral("MOeffnen"), QStringLiteral("Tippschein(e) öffnen..."), {});
    QAction* eingabeN = neueAktion(QStringLiteral("BEingabeN"), QStringLiteral("Neuen Normalschein eingeben..."),
                                   QStringLiteral("FEingabe"));
    eingabeN->setIcon(symbolIcon(Symbol::NormalscheinNeu));
    QAction* eingabeS = neueAktion(QStringLiteral("BEingabeS"), QStringLiteral("Neuen Systemschein eingeben..."),
                                   QStringLiteral("FEingabeSys2"));
    eingabeS->setIcon(symbolIcon(Symbol::SystemscheinNeu));
    QAction* druck =
        neueAktion(QStringLiteral("BDruck"), QStringLiteral("Tippschein drucken..."), QStringLiteral("FDruck"));
    druck->setIcon(symbolIcon(Symbol::Drucken));
    QAction* systemWahl = neueAktion(QStringLiteral("BSystemWahl"), QStringLiteral("Spielsystem auswählen..."),
                                     QStringLiteral("FSystemwahl"));
    systemWahl->setIcon(symbolIcon(Symbol::SystemWahl));
    QAction* zufall = neueAktion(QStringLiteral("BZufall"), QStringLiteral("Zufallstipps"), QStringLiteral("FZufall"));
    zufall->setIcon(symbolIcon(Symbol::Zufall));
    QAction* statistik =
        neueAktion(QStringLiteral("BStatistik"), QStringLiteral("Statistik"), QStringLiteral("FStatistik"));
    statistik->setIcon(symbolIcon(Symbol::Statistik));
    QAction* update =
        neueAktion(QStringLiteral("BUpdate"), QStringLiteral("&Update-Prüfung"), QStringLiteral("FUpdate"));
    update->setIcon(symbolIcon(Symbol::Update));
    QAction* quoten = neueAktion(QStringLiteral("BQuoten"), QStringLiteral("Quoten"), QStringLiteral("FQuoten"));
    quoten->setIcon(symbolIcon(Symbol::Quoten));
    QAction* nueberk =
        neueAktion(QStringLiteral("BNoverK"), QStringLiteral("&n über k berechnen"), QStringLiteral("FNueberK"));
    nueberk->setIcon(symbolIcon(Symbol::NueberK));
    QAction* kalender = neueAktion(QStringLiteral("BKal"), QStringLiteral("&Kalender"), QStringLiteral("FKal"));
    kalender->setIcon(symbolIcon(Symbol::Kalender));
    QAction* rechner = neueAktion(QStringLiteral("BCalc"), QStringLiteral("Taschen&rechner"), {});
    rechner->setIcon(symbolIcon(Symbol::Rechner));
    connect(rechner, &QAction::triggered, this, [this] {
        if (!m_dienste.shell->rechnerStarten())
            m_dienste.dialoge->information(
                this, QStringLiteral("Auf diesem System wurde kein Taschenrechner-Programm gefunden."));
    });
    QAction* hilfe = neueAktion(QStringLiteral("BHelp"), QStringLiteral("Hilfe"), {});
    hilfe->setIcon(symbolIcon(Symbol::Hilfe));
    QAction* inhalt = neueAktion(QStringLiteral("MInhalt"), QStringLiteral("&Inhalt"), {});
    QAction* suchen = neueAktion(QStringLiteral("MSuchen"), QStringLiteral("In Hilfe &suchen..."), {});
    QAction* info = neueAktion(QStringLiteral("MInfo"), QStringLiteral("Programm-&Info"), QStringLiteral("FInfo"));

    // The tool bar shows short hints instead of the menu captions.
    const QList<std::pair<QAction*, QString>> hinweise = {
        {eingabeN, QStringLiteral("Neuen Normalschein eingeben")},
        {eingabeS, QStringLiteral("Neuen Systemschein eingeben")},
        {druck, QStringLiteral("Tippschein drucken")},
        {systemWahl, QStringLiteral("Spielsystem auswählen")},
        {zufall, QStringLiteral("Zufallstipps erzeugen")},
        {statistik, QStringLiteral("Statistik der Gewinnzahlen")},
        {update, QStringLiteral("Update-Prüfung")},
        {quoten, QStringLiteral("Quoten bearbeiten")},
        {nueberk, QStringLiteral("n über k berechnen")},
        {kalender, QStringLiteral("Kalender")},
        {rechner, QStringLiteral("Taschenrechner")},
        {hilfe, QStringLiteral("Hilfe")}};
    for (const auto& [a, hinweis] : hinweise)
        a->setToolTip(hinweis);

    QMenu* datei = menuBar()->addMenu(QStringLiteral("&Datei"));
    datei->setObjectName(QStringLiteral("MDatei"));
    datei->addActions({oeffnen, eingabeN, eingabeS, druck});
    datei->addSeparator();
    datei->addAction(systemWahl);
    datei->addSeparator();
    datei->addAction(beenden);

    QMenu* extras = menuBar()->addMenu(QStringLiteral("&Extras"));
    extras->setObjectName(QStringLiteral("MExtras"));
    extras->addActions({nueberk, kalender, rechner});
    extras->addSeparator();
    extras->addAction(update);

    QMenu* hilfeMenu = menuBar()->addMenu(QStringLiteral("&Hilfe"));
    hilfeMenu->setObjectName(QStringLiteral("MHilfe"));
    hilfeMenu->addActions({inhalt, suchen});
    hilfeMenu->addSeparator();
    hilfeMenu->addAction(update);
    hilfeMenu->addSeparator();
    hilfeMenu->addAction(info);

    Tool1 = new QToolBar(QStringLiteral("Werkzeuge"), this);
    Tool1->setObjectName(QStringLiteral("Tool1"));
    Tool1->setMovable(false);
    Tool1->setFloatable(false);
    Tool1->setIconSize(QSize(32, 32));
    Tool1->setContextMenuPolicy(Qt::PreventContextMenu);
    addToolBar(Qt::TopToolBarArea, Tool1);
    for (QAction* a :
         {beenden, eingabeN, eingabeS, druck, systemWahl, zufall, statistik, update, quoten, nueberk, kalender, rechner}) {
        Tool1->addAction(a);
        Tool1->widgetForAction(a)->setObjectName(a->objectName());
    }
    auto* abstand = new QWidget(Tool1);
    abstand->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    Tool1->addWidget(abstand);
    QAction* seite = neueAktion(QStringLiteral("Image5"), QStringLiteral("Quoten im Netz"), {});
    seite->setIcon(symbolIcon(Symbol::Web));
    seite->setToolTip(QStringLiteral("Quoten im Internet aufrufen"));
    connect(seite, &QAction::triggered, this, [this] { webLinkOeffnen(m_dienste, this, WebLink::Seite); });
    Tool1->addAction(seite);
    Tool1->widgetForAction(seite)->setObjectName(seite->objectName());
    Tool1->addAction(hilfe);
    Tool1->widgetForAction(hilfe)->setObjectName(hilfe->objectName());

    connect(hilfe, &QAction::triggered, this, [this] { m_dienste.hilfe->thema(this, HilfeKontext); });
    hilfeAnbinden(this, m_dienste.hilfe, HilfeKontext);
    connect(inhalt, &QAction::triggered, this, [this] { m_dienste.hilfe->thema(this, 1010); });
    connect(suchen, &QAction::triggered, this, [this] { m_dienste.hilfe->suche(this); });
    connect(oeffnen, &QAction::triggered, this, [this] { Pright->BOpenClick(); });
    routenAktualisieren();
}

void TFAuswertung::routenAktualisieren() {
    for (auto it = m_ziele.cbegin(); it != m_ziele.cend(); ++it)
        it.key()->setEnabled(m_router.kannOeffnen(it.value()));
}

void TFAuswertung::showEvent(QShowEvent* e) {
    QMainWindow::showEvent(e);
    if (m_ersteAnzeige) {
        m_ersteAnzeige = false;
        FormShow();
    }
}

void TFAuswertung::FormShow() {
    routenAktualisieren();
    const IniDatei ini(zustand().einstellungenPfad());
    m_einstellungen = AuswertungEinstellungenLesen(ini);
    zustand().NZiehung = m_einstellungen.nZiehung;
    zustand().SZiehung = m_einstellungen.sZiehung;
    Pright->einstellungenUebernehmen(m_einstellungen);
    Pright->startDateienOeffnen(m_einstellungen);
    if (zustand().GewZahlen.isEmpty())
        m_ziehungen->downloadAnbieten();
}

bool TFAuswertung::FormCloseQuery() {
    m_einstellungen.nZiehung = zustand().NZiehung;
    m_einstellungen.sZiehung = zustand().SZiehung;
    Pright->einstellungenEintragen(m_einstellungen);
    IniDatei ini(zustand().einstellungenPfad());
    AuswertungEinstellungenSchreiben(ini, m_einstellungen);
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
    return true;
}

void TFAuswertung::BCloseClick() { close(); }

void TFAuswertung::closeEvent(QCloseEvent* e) {
    if (!FormCloseQuery()) {
        e->ignore();
        return;
    }
    e->accept();
    // Closing the main window ends the program, whatever else is open.
    m_dienste.shell->beenden();
}

} // namespace kb
