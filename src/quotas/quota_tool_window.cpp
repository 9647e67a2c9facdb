#include "quota_tool_window.h"

#include "core/ini_file.h"
#include "core/program_state.h"
#include "quota_editor_window.h"
#include "quota_import.h"
#include "quota_settings.h"
#include "widgets/icons.h"
#include "widgets/window_help.h"
#include "widgets/window_setup.h"

#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QUrl>
#include <QVBoxLayout>

namespace kb {

namespace {
const QString Absatz = QStringLiteral("\r\r");

QPushButton* hilfeKnopf(QWidget* eltern, const QString& name) {
    auto* b = new QPushButton(symbolIcon(Symbol::Hilfe), QString(), eltern);
    b->setObjectName(name);
    b->setToolTip(QStringLiteral("Hilfe"));
    b->setFixedWidth(32);
    return b;
}
} // namespace

TFQTool::TFQTool(Dienste& dienste, TFQuoten& editor)
    : QWidget(&editor, Qt::Window), m_dienste(dienste), m_editor(editor) {
    setObjectName(QStringLiteral("FQTool"));
    fensterEinrichten(this, FensterArt::Dialog);
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());
    setFixedSize(ClientBreite, ClientHoehe);

    auto* spalte = new QVBoxLayout(this);
    spalte->setContentsMargins(8, 6, 8, 6);
    spalte->setSpacing(4);
    auto* anleitung = new QLabel(
        QStringLiteral(
            "Markieren Sie im Internet eine Tabelle mit Quoten mit gedrückter linker Maustaste und "
            "kopieren Sie den markierten Text mit der Tastenkombination [Strg] und \"c\" in die "
            "Zwischenablage. Klicken Sie dann auf \"Zwischenablage einfügen\". "),
        this);
    anleitung->setObjectName(QStringLiteral("LAnleitung"));
    anleitung->setWordWrap(true);
    spalte->addWidget(anleitung);

    spalte->addWidget(
        new QLabel(QStringLiteral("Quoten-Url (kann hier bearbeitet, rechts gespeichert werden)"), this));
    auto* urlZeile = new QHBoxLayout;
    EUrl = new QLineEdit(this);
    EUrl->setObjectName(QStringLiteral("EUrl"));
    auto* hilfe1 = hilfeKnopf(this, QStringLiteral("BHelp1"));
    auto* urlSpeichern = new QPushButton(symbolIcon(Symbol::Speichern), QString(), this);
    urlSpeichern->setObjectName(QStringLiteral("BUrlSave"));
    urlSpeichern->setToolTip(QStringLiteral("Quoten-Url speichern"));
    urlSpeichern->setFixedWidth(32);
    urlZeile->addWidget(EUrl, 1);
    urlZeile->addWidget(hilfe1);
    urlZeile->addWidget(urlSpeichern);
    spalte->addLayout(urlZeile);

    auto* aufrufZeile = new QHBoxLayout;
    auto* hilfe2 = hilfeKnopf(this, QStringLiteral("BHelp2"));
    auto* trennung = new QLabel(
        QStringLiteral(
            "Optimal für das Identifizieren der jeweiligen Quote ist eine erkennbare Trennung der Spalten."),
        this);
    trennung->setWordWrap(true);
    auto* aufruf = new QPushButton(symbolIcon(Symbol::Web), QStringLiteral("Quoten-Url aufrufen"), this);
    aufruf->setObjectName(QStringLiteral("BAufruf"));
    aufrufZeile->addWidget(hilfe2);
    aufrufZeile->addWidget(trennung, 1);
    aufrufZeile->addWidget(aufruf);
    spalte->addLayout(aufrufZeile);

    auto* textZeile = new QHBoxLayout;
    auto* clip = new QPushButton(QStringLiteral("Zwischenablage einfügen"), this);
    clip->setObjectName(QStringLiteral("BClip"));
    auto* loeschen = new QPushButton(symbolIcon(Symbol::Loeschen), QStringLiteral("Textfeld löschen"), this);
    loeschen->setObjectName(QStringLiteral("BDel"));
    textZeile->addWidget(clip);
    textZeile->addWidget(loeschen);
    textZeile->addStretch(1);
    spalte->addLayout(textZeile);

    M1 = new QPlainTextEdit(this);
    M1->setObjectName(QStringLiteral("M1"));
    M1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    M1->setLineWrapMode(QPlainTextEdit::NoWrap);
    M1->setPlainText(QuotenBeispielText());
    spalte->addWidget(M1, 1);

    auto* unten = new QHBoxLayout;
    auto* uebertragen = new QPushButton(QStringLiteral("Quoten übertragen"), this);
    uebertragen->setObjectName(QStringLiteral("BUebertragen"));
    QFont fett = uebertragen->font();
    fett.setBold(true);
    uebertragen->setFont(fett);
    auto* spaltenText = new QLabel(QStringLiteral("Spalte, in der die Quote steht:"), this);
    spaltenText->setWordWrap(true);
    Scroll1 = new QScrollBar(Qt::Horizontal, this);
    Scroll1->setObjectName(QStringLiteral("Scroll1"));
    Scroll1->setRange(QuotenSpalteMin, QuotenSpalteMax);
    Scroll1->setPageStep(1);
    Scroll1->setValue(QuotenSpalteVorgabe);
    Scroll1->setFixedWidth(50);
    LSpalte = new QLabel(QString::number(QuotenSpalteVorgabe), this);
    LSpalte->setObjectName(QStringLiteral("LSpalte"));
    LSpalte->setFont(fett);
    LSpalte->setFixedWidth(18);
    auto* bild = new QLabel(this);
    bild->setObjectName(QStringLiteral("Image1"));
    bild->setPixmap(symbolIcon(Symbol::Quoten).pixmap(24, 24));
    auto* schliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    schliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(uebertragen);
    unten->addWidget(spaltenText);
    unten->addWidget(Scroll1);
    unten->addWidget(LSpalte);
    unten->addStretch(1);
    unten->addWidget(bild);
    unten->addWidget(schliessen);
    spalte->addLayout(unten);

    connect(clip, &QPushButton::clicked, this, &TFQTool::BClipClick);
    connect(loeschen, &QPushButton::clicked, this, &TFQTool::BDelClick);
    connect(uebertragen, &QPushButton::clicked, this, &TFQTool::BUebertragenClick);
    connect(aufruf, &QPushButton::clicked, this, &TFQTool::BAufrufClick);
    connect(urlSpeichern, &QPushButton::clicked, this, &TFQTool::BUrlSaveClick);
    connect(Scroll1, &QScrollBar::valueChanged, this, &TFQTool::Scroll1Change);
    connect(EUrl, &QLineEdit::textEdited, this, [this] { m_urlGeaendert = true; });
    connect(schliessen, &QPushButton::clicked, this, &QWidget::close);
    hilfeAnbinden(this, m_dienste.hilfe, HilfeKontext, hilfe1);
    connect(hilfe2, &QPushButton::clicked, this, [this] { m_dienste.hilfe->thema(this, HilfeKontext); });

    FormShow();
}

void TFQTool::einstellungSpeichern(const std::function<void(IniDatei&)>& schreiben) {
    IniDatei ini(zustand().einstellungenPfad());
    schreiben(ini);
    if (const Status s = ini.speichern(); !s)
        m_dienste.dialoge->fehler(this, s.fehler());
}

void TFQTool::FormShow() {
    const QuotenToolEinstellungen e = QuotenToolEinstellungenLesen(IniDatei(zustand().einstellungenPfad()));
    EUrl->setText(e.url);
    if (e.urlNeu)
        einstellungSpeichern([&](IniDatei& ini) { QuotenUrlSchreiben(ini, e.url); });
    m_urlGeaendert = false;
    Scroll1->setValue(e.spalte);
}

void TFQTool::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    // Placed on the first showing, when the editor's frame has its place on the screen.
    if (!m_gezeigt) {
        m_gezeigt = true;
        const QuotenToolEinstellungen einst =
            QuotenToolEinstellungenLesen(IniDatei(zustand().einstellungenPfad()));
        move(QuotenToolLage(einst.position, m_editor.frameGeometry(), frameGeometry().size(),
                            QSize(zustand().BildschirmBreite, zustand().BildschirmHoehe)));
    }
}

void TFQTool::BClipClick() {
    M1->clear();
    M1->setPlainText(QGuiApplication::clipboard()->text());
}

void TFQTool::BDelClick() {
    M1->clear();
}

void TFQTool::BUebertragenClick() {
    if (const QString leer = QuotenTextFehlt(M1->toPlainText()); !leer.isEmpty()) {
        m_dienste.dialoge->fehler(this, leer);
        return;
    }
    const QuotenImport import = QuotenAusText(M1->toPlainText(), Scroll1->value());
    M1->setPlainText(import.text);
    for (const QuotenFeldText& f : import.felder)
        m_editor.feldSetzen(f.klasse, f.text);
    if (!import.fehler.isEmpty())
        m_dienste.dialoge->fehler(this, import.fehler);
}

void TFQTool::BAufrufClick() {
    if (!m_dienste.netz->online()) {
        m_dienste.dialoge->information(
            this,
            QStringLiteral("Für den Aufruf aktueller Quoten muss eine Verbindung zum Internet bestehen."));
        return;
    }
    const QUrl url = QUrl::fromUserInput(QuotenUrlZumAufruf(EUrl->text()));
    if (!url.isValid() || !m_dienste.shell->oeffneUrl(url))
        m_dienste.dialoge->information(
            this,
            QStringLiteral("Die Seite \"%1\" konnte nicht im Browser geöffnet werden.").arg(url.toString()));
}

void TFQTool::BUrlSaveClick() {
    einstellungSpeichern([this](IniDatei& ini) { QuotenUrlSchreiben(ini, EUrl->text()); });
    m_urlGeaendert = false;
}

void TFQTool::Scroll1Change(int wert) {
    LSpalte->setText(QString::number(wert));
}

void TFQTool::closeEvent(QCloseEvent* e) {
    if (m_urlGeaendert &&
        m_dienste.dialoge->frage(
            this, QStringLiteral("Die gegebenenfalls geänderte Quoten-Url wurde noch nicht "
                                 "gespeichert.") +
                      Absatz + QStringLiteral("Wollen Sie Änderungen jetzt speichern?")) == Antwort::Ja) {
        einstellungSpeichern([this](IniDatei& ini) { QuotenUrlSchreiben(ini, EUrl->text()); });
        m_urlGeaendert = false;
    }
    einstellungSpeichern([this](IniDatei& ini) { QuotenToolLageSchreiben(ini, pos(), Scroll1->value()); });
    e->accept();
}

} // namespace kb
