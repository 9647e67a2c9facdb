#include "quota_editor_window.h"

#include "core/ini_file.h"
#include "core/program_state.h"
#include "quota_file.h"
#include "quota_settings.h"
#include "quota_table.h"
#include "quota_tool_window.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QScrollBar>
#include <QTableView>
#include <QVBoxLayout>

namespace kb {

namespace {
QLabel* fetterHinweis(const QString& text, QWidget* eltern, const QColor& farbe = Qt::black) {
    auto* l = new QLabel(text, eltern);
    l->setWordWrap(true);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, farbe);
    l->setPalette(p);
    return l;
}

const QString Absatz = QStringLiteral("\r\r");
} // namespace

TQEdit::TQEdit(QWidget* eltern) : QLineEdit(eltern) {
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(8);
    setFont(f);
    QPalette p = palette();
    p.setColor(QPalette::Text, Qt::black);
    setPalette(p);
    // Pasting through the context menu obeys the same rule as typing.
    setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), this));
}

void TQEdit::keyPressEvent(QKeyEvent* e) {
    const QString text = e->text();
    const bool erlaubt = text.isEmpty() || e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Tab ||
                         e->key() == Qt::Key_Backtab ||
                         (text.size() == 1 && (text.at(0).isDigit() && text.at(0).unicode() < 128)) ||
                         text == QStringLiteral(",");
    if (!erlaubt) {
        QApplication::beep();
        e->accept();
        return;
    }
    QLineEdit::keyPressEvent(e);
}

TFQuoten::TFQuoten(Dienste& dienste, QWidget* eltern) : QWidget(eltern, Qt::Window), m_dienste(dienste) {
    setObjectName(QStringLiteral("FQuoten"));
    setAttribute(Qt::WA_DeleteOnClose);
    FormCreate();
}

void TFQuoten::FormCreate() {
    setWindowTitle(FensterTitel());
    m_tabelle = new QuotenTabelle(zustand().LandesFormat, this);
    QFont tabellenSchrift = font();
    tabellenSchrift.setPointSize(8);
    tabellenSchrift.setBold(false);
    QFont titelSchrift = tabellenSchrift;
    titelSchrift.setBold(true);
    breitenBestimmen(tabellenSchrift, titelSchrift);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(6, 6, 6, 6);
    spalte->setSpacing(4);

    auto* oben = new QHBoxLayout;
    BSave = new QPushButton(symbolIcon(Symbol::Speichern), QStringLiteral("S&peichern"), this);
    BSave->setObjectName(QStringLiteral("BSave"));
    BQTool = new QPushButton(symbolIcon(Symbol::Web), QStringLiteral("Quoten- Tool"), this);
    BQTool->setObjectName(QStringLiteral("BQTool"));
    auto* hinweis =
        new QLabel(QStringLiteral("Positionieren Sie dieses Fenster und das des Quotentool nach Ihrem "
                                  "Geschmack. Das Programm merkt sich die Positionen."),
                   this);
    hinweis->setWordWrap(true);
    BHelp = new QPushButton(symbolIcon(Symbol::Hilfe), QString(), this);
    BHelp->setObjectName(QStringLiteral("BHelp"));
    BHelp->setToolTip(QStringLiteral("Hilfe"));
    oben->addWidget(BSave);
    oben->addWidget(BQTool);
    oben->addWidget(hinweis, 1);
    oben->addWidget(BHelp);
    spalte->addLayout(oben);

    spalte->addWidget(fetterHinweis(
        QStringLiteral("Das Programm errechnet den Gewinn für eine Ziehung immer dann mit den Standardquoten "
                       "(mathematische Mittelwerte), wenn keine aktuellen Quoten eingegeben wurden."),
        this));
    spalte->addWidget(fetterHinweis(
        QStringLiteral(
            "Beachten Sie bitte, dass erst mit der Ziehung am 8. September 2010 drei weitere "
            "Gewinnklassen eingeführt wurden, so dass bei vorangegangenen Gewinnen mit abweichenden "
            "Standardquoten gerechnet wird."),
        this));

    PQuoten = new QWidget(this);
    PQuoten->setObjectName(QStringLiteral("PQuoten"));
    PQuoten->setFixedHeight(104);
    QEditsBauen(PQuoten);
    auto* nurEingetragene = fetterHinweis(
        QStringLiteral("Es werden nur die Einträge ersetzt, für die Sie Quoten eingetragen haben."), PQuoten);
    nurEingetragene->setGeometry(10, 52, 330, 34);
    auto* nichtVergessen =
        fetterHinweis(QStringLiteral("Speichern nicht vergessen!"), PQuoten, QColor(200, 0, 0));
    nichtVergessen->setGeometry(10, 84, 330, 16);
    auto* ziehung = new QLabel(QStringLiteral("Ziehung"), PQuoten);
    ziehung->setGeometry(360, 56, 50, 20);
    Combo1 = new QComboBox(PQuoten);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    Combo1->setMaxVisibleItems(16);
    Combo1->setGeometry(410, 54, 110, 24);
    ziehung->setBuddy(Combo1);
    BErsetzen = new QPushButton(QStringLiteral("Ersetzen"), PQuoten);
    BErsetzen->setObjectName(QStringLiteral("BErsetzen"));
    BErsetzen->setGeometry(530, 53, 100, 26);
    spalte->addWidget(PQuoten);

    auto* ueberschrift = fetterHinweis(QStringLiteral("Realquoten ab 02.01.2019"), this);
    spalte->addWidget(ueberschrift);
    LFehlt = fetterHinweis(QString(), this, QColor(200, 0, 0));
    LFehlt->setObjectName(QStringLiteral("LFehlt"));
    LFehlt->hide();
    spalte->addWidget(LFehlt);

    G1 = new QTableView(this);
    G1->setObjectName(QStringLiteral("G1"));
    G1->setModel(m_tabelle);
    G1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G1->setSelectionBehavior(QAbstractItemView::SelectRows);
    G1->setSelectionMode(QAbstractItemView::SingleSelection);
    G1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    G1->verticalHeader()->hide();
    G1->verticalHeader()->setMinimumSectionSize(16);
    G1->verticalHeader()->setDefaultSectionSize(16);
    G1->horizontalHeader()->setHighlightSections(false);
    G1->setWordWrap(false);
    G1->setFont(tabellenSchrift);
    G1->setStyleSheet(
        QStringLiteral("QTableView { background: white; } QTableView::item { padding-right: 3px; }"));
    for (int k = 0; k < QuotenTabelle::Spalten; ++k)
        G1->setColumnWidth(k, m_breiten[k]);
    spalte->addWidget(G1, 1);

    auto* unten = new QHBoxLayout;
    auto* speichern2 = new QPushButton(symbolIcon(Symbol::Speichern), QStringLiteral("Speichern"), this);
    speichern2->setObjectName(QStringLiteral("BSave2"));
    auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(speichern2);
    unten->addStretch(1);
    unten->addWidget(schliessen);
    spalte->addLayout(unten);

    connect(BSave, &QPushButton::clicked, this, &TFQuoten::BSaveClick);
    connect(speichern2, &QPushButton::clicked, this, &TFQuoten::BSaveClick);
    connect(BQTool, &QPushButton::clicked, this, &TFQuoten::BQToolClick);
    connect(BErsetzen, &QPushButton::clicked, this, &TFQuoten::BErsetzenClick);
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    // A click into the table picks that draw for "Ersetzen".
    connect(G1, &QTableView::clicked, this, [this](const QModelIndex& i) {
        if (i.isValid() && i.row() < Combo1->count())
            Combo1->setCurrentIndex(i.row());
    });
    // The chosen draw's row comes into view, so the user sees what "Ersetzen" will change.
    connect(Combo1, &QComboBox::currentIndexChanged, this, [this](int r) {
        if (r >= 0 && r < m_tabelle->rowCount()) {
            G1->selectRow(r);
            G1->scrollTo(m_tabelle->index(r, 0), QAbstractItemView::PositionAtCenter);
        }
    });
    hilfeAnbinden(this, m_dienste.hilfe, HilfeKontext, BHelp);

    const QString pfad = zustand().DatenPfad + QuoDateiName;
    Result<QuotenDatei> datei = QuotenDateiLesen(pfad);
    if (!datei) {
        m_dienste.dialoge->fehler(this, datei.fehler());
        LFehlt->setText(
            QStringLiteral("Die Quotendatei des Programms (%1) kann nicht gelesen werden. Der Editor "
                           "zeigt und speichert darum keine Quoten.")
                .arg(QuoDateiName));
    } else if (!datei->vorhanden || datei->quoten.isEmpty()) {
        LFehlt->setText(
            QStringLiteral("Die Quotendatei des Programms (%1) fehlt im Datenordner oder enthält keine "
                           "Quoten. Der Editor kann darum keine Quoten zeigen oder speichern; die "
                           "Auswertung rechnet mit den Standardquoten.")
                .arg(QuoDateiName));
    } else {
        m_dateiDa = true;
        zustand().QuotenListe = datei->quoten;
        m_tabelle->setzeQuoten(datei->quoten);
        m_tabelle->anhaengen(FehlendeZiehungen(datei->quoten.constLast().datum, m_dienste.uhr->heute()));
        comboFuellen();
        speichern();
    }
    LFehlt->setVisible(!m_dateiDa);

    feldSetzen(9, QStringLiteral("5,00"));
    int felder = 10;
    for (int k = 1; k <= 9; ++k)
        felder += m_breiten[k] + 10;
    int tabelle = 12 + 2 * G1->frameWidth() + G1->verticalScrollBar()->sizeHint().width();
    for (int b : m_breiten)
        tabelle += b;
    const int breite = std::max({ClientBreite, felder + 12, tabelle});
    resize(breite, ClientHoehe);
    setMinimumSize(breite, 400);
}

void TFQuoten::breitenBestimmen(const QFont& tabelle, const QFont& titel) {
    // Widest amounts a column is expected to show; the date and the headings count too.
    static const std::array<const char*, 10> muster = {
        "00.00.0000", "00.000.000,00", "0.000.000,00", "000.000,00", "00.000,00",
        "0.000,00",   "000,00",        "000,00",       "000,00",     "00,00"};
    const QFontMetrics zahl(tabelle);
    const QFontMetrics kopf(titel);
    for (int k = 0; k < QuotenTabelle::Spalten; ++k) {
        const QString ueberschrift = k == 0 ? QStringLiteral("Ziehung") : QuotenKlassenTexte.at(k);
        m_breiten[k] = std::max(
            {SpaltenBreiten[k], zahl.horizontalAdvance(QString::fromLatin1(muster[k])) + 12,
             kopf.horizontalAdvance(ueberschrift.trimmed()) + 8, zahl.horizontalAdvance(ueberschrift) + 14});
    }
}

void TFQuoten::QEditsBauen(QWidget* panel) {
    int links = 10;
    for (int k = 1; k <= 9; ++k) {
        const int breite = m_breiten[k];
        auto* titel = new QLabel(QuotenKlassenTexte.at(k).trimmed(), panel);
        QFont f = titel->font();
        f.setBold(true);
        f.setPointSize(8);
        titel->setFont(f);
        titel->setGeometry(links, 4, breite + 10, 18);
        auto* feld = new TQEdit(panel);
        feld->setObjectName(QStringLiteral("QEdit%1").arg(k));
        feld->setGeometry(links, 23, breite, 20);
        m_felder[k] = feld;
        links += breite + 10;
    }
}

void TFQuoten::feldSetzen(int klasse, const QString& text) {
    if (klasse >= 1 && klasse <= 9)
        m_felder[klasse]->setText(text);
}

void TFQuoten::fehltMeldung() {
    m_dienste.dialoge->fehler(this, LFehlt->text() + Absatz + QStringLiteral("Ich breche ab."));
}

void TFQuoten::comboFuellen() {
    Combo1->clear();
    Combo1->addItems(m_tabelle->datumsTexte());
    Combo1->setCurrentIndex(Combo1->count() - 1);
}

bool TFQuoten::speichern() {
    if (!m_dateiDa) {
        fehltMeldung();
        return false;
    }
    Result<QVector<TQuoten>> quoten = m_tabelle->alsQuoten();
    if (!quoten) {
        m_dienste.dialoge->fehler(this, quoten.fehler());
        return false;
    }
    if (const Status s = QuotenDateiSchreiben(zustand().DatenPfad + QuoDateiName, *quoten); !s) {
        m_dienste.dialoge->fehler(this, s.fehler());
        return false;
    }
    // The next evaluation uses what was just saved.
    zustand().QuotenListe = *quoten;
    m_tabelle->gespeichert(*quoten);
    const int gewaehlt = Combo1->currentIndex();
    comboFuellen();
    if (gewaehlt >= 0 && gewaehlt < Combo1->count())
        Combo1->setCurrentIndex(gewaehlt);
    m_geaendert = false;
    return true;
}

void TFQuoten::BSaveClick() {
    speichern();
}

void TFQuoten::BErsetzenClick() {
    const int r = Combo1->currentIndex();
    if (!m_dateiDa || r < 0) {
        fehltMeldung();
        return;
    }
    QuotenTabelle::Zeile felder;
    for (int k = 1; k <= 9; ++k) {
        felder[k] = m_felder[k]->text();
        if (!felder[k].isEmpty())
            m_felder[k]->clear();
    }
    m_tabelle->ersetzen(r, felder);
    G1->scrollTo(m_tabelle->index(r, 0));
    m_geaendert = true;
}

void TFQuoten::BQToolClick() {
    if (!m_tool)
        m_tool = new TFQTool(m_dienste, *this);
    else if (m_tool->isMinimized() || m_tool->isMaximized())
        m_tool->showNormal();
    m_tool->show();
    m_tool->raise();
    m_tool->activateWindow();
}

void TFQuoten::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (m_lageGelesen)
        return;
    m_lageGelesen = true;
    const IniDatei ini(zustand().einstellungenPfad());
    if (ini.dateiVorhanden())
        move(QuotenEditorLageLesen(ini));
    if (Combo1->currentIndex() >= 0)
        G1->scrollTo(m_tabelle->index(Combo1->currentIndex(), 0));
}

void TFQuoten::closeEvent(QCloseEvent* e) {
    IniDatei ini(zustand().einstellungenPfad());
    QuotenEditorLageSchreiben(ini, pos());
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
    if (m_geaendert) {
        const Antwort a = m_dienste.dialoge->frage(
            this,
            QStringLiteral("Gegebenenfalls geänderte Quoten wurden noch nicht gespeichert.") + Absatz +
                QStringLiteral("Wollen Sie die Änderungen jetzt speichern?"),
            Knoepfe::JaNeinAbbrechen);
        // A save that fails keeps the window, so the typed quotas are not lost.
        if (a == Antwort::Abbrechen || (a == Antwort::Ja && !speichern())) {
            e->ignore();
            return;
        }
    }
    // The tool writes into this window's fields: it closes with it and keeps its settings.
    if (m_tool)
        m_tool->close();
    e->accept();
}

} // namespace kb
