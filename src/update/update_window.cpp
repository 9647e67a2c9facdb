#include "update_window.h"

#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "core/record_file.h"
#include "draw_update.h"
#include "evaluation/draw_management.h"
#include "program_update.h"
#include "statistics/number_statistics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

namespace kb {

namespace {
QLabel* datumsFeld(const QString& name, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setObjectName(name);
    l->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    l->setAlignment(Qt::AlignCenter);
    l->setMinimumWidth(96);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}
} // namespace

TFUpdate::TFUpdate(Dienste& dienste, QWidget* eltern)
    : QWidget(eltern, Qt::Window), m_dienste(dienste), m_download(new GZDownload(dienste, this)),
      m_programmDownload(new DateiDownload(*dienste.netz, this)) {
    setObjectName(QStringLiteral("FUpdate"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());
    setFixedSize(ClientBreite, ClientHoehe);

    auto* spalte = new QVBoxLayout(this);
    auto* gruppe = new QGroupBox(QStringLiteral("Gewinnzahlen-Aktualisierung"), this);
    gruppe->setObjectName(QStringLiteral("GBGewinnzahlen"));
    auto* gitter = new QGridLayout(gruppe);
    gitter->setHorizontalSpacing(12);
    const auto kopf = [&](const QString& text) {
        auto* l = new QLabel(text, gruppe);
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
        l->setFixedWidth(96);
        return l;
    };
    gitter->addWidget(kopf(QStringLiteral("Samstags- Ziehungen")), 0, 1);
    gitter->addWidget(kopf(QStringLiteral("Mittwochs- Ziehungen")), 0, 2);
    gitter->addWidget(new QLabel(QStringLiteral("Stand hier:"), gruppe), 1, 0);
    gitter->addWidget(new QLabel(QStringLiteral("Aktuell:"), gruppe), 2, 0);
    LStandSo = datumsFeld(QStringLiteral("LStandSo"), gruppe);
    LStandMi = datumsFeld(QStringLiteral("LStandMi"), gruppe);
    LAktuellSo = datumsFeld(QStringLiteral("LAktuellSo"), gruppe);
    LAktuellMi = datumsFeld(QStringLiteral("LAktuellMi"), gruppe);
    gitter->addWidget(LStandSo, 1, 1);
    gitter->addWidget(LStandMi, 1, 2);
    gitter->addWidget(LAktuellSo, 2, 1);
    gitter->addWidget(LAktuellMi, 2, 2);
    auto* hinweis = new QLabel(
        QStringLiteral("Der Download ist frühestens um 20:00 Uhr an einem Ziehungstag möglich."), gruppe);
    hinweis->setObjectName(QStringLiteral("LHinweis"));
    hinweis->setWordWrap(true);
    gitter->addWidget(hinweis, 3, 0, 1, 3);
    Bupdate = new QPushButton(QStringLiteral("Download und Update der Gewinnzahlen"), gruppe);
    Bupdate->setObjectName(QStringLiteral("Bupdate"));
    Bupdate->setEnabled(false);
    gitter->addWidget(Bupdate, 4, 0, 1, 3);
    m_fortschritt = new QProgressBar(gruppe);
    m_fortschritt->setObjectName(QStringLiteral("PBDownload"));
    m_fortschritt->setTextVisible(false);
    m_fortschritt->setMaximumHeight(10);
    m_fortschritt->hide();
    gitter->addWidget(m_fortschritt, 5, 0, 1, 3);
    gitter->setColumnStretch(3, 1);
    gitter->setRowStretch(6, 1);
    auto* oben = new QHBoxLayout;
    oben->addWidget(gruppe, 1);
    oben->addWidget(programmSeite(), 1);
    spalte->addLayout(oben, 1);

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    BSchliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(BSchliessen);
    spalte->addLayout(unten);

    connect(Bupdate, &QPushButton::clicked, this, &TFUpdate::BupdateClick);
    connect(BCalc, &QPushButton::clicked, this, &TFUpdate::BCalcClick);
    connect(BDown, &QPushButton::clicked, this, &TFUpdate::BDownClick);
    connect(BSetup, &QPushButton::clicked, this, &TFUpdate::BSetupClick);
    connect(m_programmDownload, &DateiDownload::fertig, this, &TFUpdate::programmDownloadFertig);
    connect(m_programmDownload, &DateiDownload::fortschritt, this, [this](qint64 empfangen, qint64 gesamt) {
        m_programmFortschritt->setRange(0, gesamt > 0 ? 1000 : 0);
        if (gesamt > 0)
            m_programmFortschritt->setValue(static_cast<int>(empfangen * 1000 / gesamt));
    });
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(m_download, &GZDownload::fertig, this, &TFUpdate::downloadFertig);
    connect(m_download, &GZDownload::fortschritt, this, [this](qint64 empfangen, qint64 gesamt) {
        m_fortschritt->setRange(0, gesamt > 0 ? 1000 : 0);
        if (gesamt > 0)
            m_fortschritt->setValue(static_cast<int>(empfangen * 1000 / gesamt));
    });
    knoepfeSetzen();
}

void TFUpdate::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFUpdate::FormShow() {
    if (beschaeftigt())
        return;
    if (zustand().GewZahlen.isEmpty()) {
        if (!zustand().DownloadFragen) {
            GZDownloadStarten();
            return;
        }
        if (m_dienste.dialoge->frage(this, TextDownloadFrage, Knoepfe::JaNeinAbbrechen) == Antwort::Ja) {
            GZDownloadStarten();
            return;
        }
    }
    standZeigen();
}

void TFUpdate::standZeigen() {
    const GewinnzahlenStand st =
        GewinnzahlenStandErmitteln(statistik(), m_dienste.uhr->jetzt(), zustand().LandesFormat);
    LStandSo->setText(st.standSamstag);
    LStandMi->setText(st.standMittwoch);
    LAktuellSo->setText(st.aktuellSamstag);
    LAktuellMi->setText(st.aktuellMittwoch);
    m_gewinnzahlenFrei = st.downloadMoeglich();
    knoepfeSetzen();
}

void TFUpdate::BupdateClick() {
    GZDownloadStarten();
}

void TFUpdate::GZDownloadStarten() {
    if (beschaeftigt())
        return;
    m_fortschritt->setRange(0, 0);
    m_fortschritt->show();
    setCursor(Qt::BusyCursor);
    m_download->starten(downloadBasis());
    knoepfeSetzen();
}

void TFUpdate::downloadFertig(GZDownload::Ergebnis ergebnis, const QString& meldung, bool neuGeladen) {
    m_fortschritt->hide();
    unsetCursor();
    switch (ergebnis) {
    case GZDownload::Ergebnis::KeinInternet:
        m_dienste.dialoge->information(this, TextKeinInternet);
        break;
    case GZDownload::Ergebnis::Erfolgreich:
        m_dienste.dialoge->information(this, TextErfolg);
        break;
    case GZDownload::Ergebnis::Gescheitert:
        m_dienste.dialoge->information(this, TextGescheitert);
        break;
    case GZDownload::Ergebnis::Dateifehler:
        m_dienste.dialoge->fehler(this, meldung);
        break;
    }
    // Show where the history stands now; this never starts another download.
    standZeigen();
    Q_EMIT downloadBeendet(neuGeladen);
}

QWidget* TFUpdate::programmSeite() {
    auto* seite = new QWidget(this);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);

    auto* pruefen = new QGroupBox(QStringLiteral("Programmversion auf Aktualität prüfen"), seite);
    pruefen->setObjectName(QStringLiteral("GBVersion"));
    auto* gitter = new QGridLayout(pruefen);
    gitter->setHorizontalSpacing(12);
    BCalc = new QPushButton(QStringLiteral("Prüfen"), pruefen);
    BCalc->setObjectName(QStringLiteral("BCalc"));
    gitter->addWidget(BCalc, 1, 0);
    const auto kopf = [&](const QString& text) {
        auto* l = new QLabel(text, pruefen);
        l->setAlignment(Qt::AlignCenter);
        return l;
    };
    gitter->addWidget(kopf(QStringLiteral("Installierte Version")), 0, 1);
    gitter->addWidget(kopf(QStringLiteral("Verfügbare Version")), 0, 2);
    PiVersion = datumsFeld(QStringLiteral("PiVersion"), pruefen);
    PiVersion->setText(VersionText);
    PvVersion = datumsFeld(QStringLiteral("PvVersion"), pruefen);
    gitter->addWidget(PiVersion, 1, 1);
    gitter->addWidget(PvVersion, 1, 2);
    spalte->addWidget(pruefen);

    const auto knopfGruppe = [&](const QString& name, const QString& hinweis, const QString& knopfText,
                                 const QString& knopfName) {
        auto* g = new QGroupBox(seite);
        g->setObjectName(name);
        auto* zeile = new QHBoxLayout(g);
        auto* text = new QLabel(hinweis, g);
        text->setWordWrap(true);
        zeile->addWidget(text, 1);
        auto* knopf = new QPushButton(knopfText, g);
        knopf->setObjectName(knopfName);
        knopf->setMinimumWidth(96);
        zeile->addWidget(knopf);
        spalte->addWidget(g);
        return knopf;
    };
    BDown = knopfGruppe(QStringLiteral("GBDownload"),
                        QStringLiteral("Wenn online eine aktuellere Version verfügbar ist, wird der "
                                       "Download-Button aktiv."),
                        QStringLiteral("Download"), QStringLiteral("BDown"));
    BSetup = knopfGruppe(QStringLiteral("GBInstallation"),
                         QStringLiteral("Nach dem Download wird der Installations-Button aktiv."),
                         QStringLiteral("Installation"), QStringLiteral("BSetup"));
    m_programmFortschritt = new QProgressBar(seite);
    m_programmFortschritt->setObjectName(QStringLiteral("PBProgramm"));
    m_programmFortschritt->setTextVisible(false);
    m_programmFortschritt->setMaximumHeight(10);
    // Keeps its place while hidden, so the groups do not move when a download starts.
    QSizePolicy platz = m_programmFortschritt->sizePolicy();
    platz.setRetainSizeWhenHidden(true);
    m_programmFortschritt->setSizePolicy(platz);
    m_programmFortschritt->hide();
    spalte->addWidget(m_programmFortschritt);
    spalte->addStretch(1);
    return seite;
}

QUrl TFUpdate::downloadBasis() const {
    return DownloadBasis(IniDatei(zustand().einstellungenPfad()), zustand().DatensatzPfad);
}

bool TFUpdate::onlineFuer(const QUrl& basis) const {
    // The bundled folder needs no connection.
    return basis.isLocalFile() || m_dienste.netz->online();
}

void TFUpdate::knoepfeSetzen() {
    const bool frei = !beschaeftigt();
    Bupdate->setEnabled(frei && m_gewinnzahlenFrei);
    BCalc->setEnabled(frei);
    BDown->setEnabled(frei && m_downloadFrei);
    BSetup->setEnabled(frei && m_installationFrei);
}

void TFUpdate::BCalcClick() {
    if (beschaeftigt())
        return;
    const QUrl basis = downloadBasis();
    if (!onlineFuer(basis)) {
        m_dienste.dialoge->information(this, TextKeinInternetPruefen);
        return;
    }
    const QString ziel = zustand().DatenPfad + VersionsDateiName;
    QFile::remove(ziel);
    // The answer must come from the server, never from a cache.
    m_dienste.netz->cacheLeeren();
    programmDownloadStarten(ProgrammLauf::Version, VersionsAdresse(basis), ziel,
                            [](const QByteArray& daten) -> Status {
                                if (const Result<QString> v = VerfuegbareVersion(daten); !v)
                                    return Fehler{v.fehler()};
                                return {};
                            });
}

void TFUpdate::BDownClick() {
    if (beschaeftigt())
        return;
    const QUrl basis = downloadBasis();
    if (!onlineFuer(basis)) {
        m_dienste.dialoge->information(this, TextKeinInternet);
        return;
    }
    const QString ziel = zustand().DatenPfad + InstallerDateiName;
    QFile::remove(ziel);
    // Whatever happens now, the old installer is gone.
    m_installationFrei = false;
    programmDownloadStarten(ProgrammLauf::Installer, InstallerAdresse(basis), ziel, {});
}

void TFUpdate::programmDownloadStarten(ProgrammLauf lauf, const QUrl& url, const QString& ziel,
                                       DateiDownload::Pruefung pruefung) {
    m_programmLauf = lauf;
    m_programmFortschritt->setRange(0, 0);
    m_programmFortschritt->show();
    setCursor(Qt::BusyCursor);
    m_programmDownload->starten(url, ziel, zustand().TempDatei, std::move(pruefung));
    knoepfeSetzen();
}

void TFUpdate::programmDownloadFertig(DateiDownload::Ergebnis ergebnis, const QString& meldung) {
    const ProgrammLauf lauf = std::exchange(m_programmLauf, ProgrammLauf::Keiner);
    m_programmFortschritt->hide();
    unsetCursor();
    if (lauf == ProgrammLauf::Version)
        versionGeprueft(ergebnis);
    else if (lauf == ProgrammLauf::Installer)
        installerGeladen(ergebnis, meldung);
    knoepfeSetzen();
    Q_EMIT programmDownloadBeendet();
}

void TFUpdate::versionGeprueft(DateiDownload::Ergebnis ergebnis) {
    // Any failure, also a local one, is the same failed check for the user.
    if (ergebnis != DateiDownload::Ergebnis::Geschrieben) {
        m_dienste.dialoge->information(this, TextPruefungGescheitert);
        return;
    }
    const Result<DateiInhalt> inhalt = DateiLesen(zustand().DatenPfad + VersionsDateiName);
    const Result<QString> version = inhalt && inhalt->vorhanden ? VerfuegbareVersion(inhalt->daten)
                                                                : Result<QString>(Fehler{inhalt.fehler()});
    if (!version) {
        m_dienste.dialoge->information(this, TextPruefungGescheitert);
        return;
    }
    PvVersion->setText(*version);
    // Exact text comparison: any other text, an older version too, offers the download.
    m_downloadFrei = *version != VersionText;
}

void TFUpdate::installerGeladen(DateiDownload::Ergebnis ergebnis, const QString& meldung) {
    switch (ergebnis) {
    case DateiDownload::Ergebnis::Geschrieben:
        m_installationFrei = true;
        break;
    case DateiDownload::Ergebnis::Gescheitert:
        m_dienste.dialoge->information(this, TextGescheitert);
        break;
    case DateiDownload::Ergebnis::Dateifehler:
        m_dienste.dialoge->fehler(this, meldung);
        break;
    }
}

void TFUpdate::BSetupClick() {
    if (beschaeftigt())
        return;
    const QString datenPfad = zustand().DatenPfad;
    const QString programmDatei = m_dienste.shell->programmDatei();
    if (m_dienste.dialoge->frage(this, InstallationFrage(datenPfad), Knoepfe::JaNein) != Antwort::Ja) {
        m_dienste.dialoge->information(this, InstallationAbgebrochen(datenPfad, zustand().ProgrammPfad,
                                                                     QFileInfo(programmDatei).fileName()));
        return;
    }
    if (!m_dienste.shell->oeffneDatei(datenPfad + InstallerDateiName)) {
        m_dienste.dialoge->information(this, InstallerNichtGestartet(datenPfad));
        return;
    }
    // The installer runs: the program ends in any case, with or without the clean-up script.
    if (const Status s = uebergeben(programmDatei); !s)
        m_dienste.dialoge->warnung(this, UebergabeNichtMoeglich(programmDatei, s.fehler()));
    m_dienste.shell->sofortBeenden();
}

Status TFUpdate::uebergeben(const QString& programmDatei) {
    Shell& shell = *m_dienste.shell;
    const QString skript = shell.skriptDateiAnlegen();
    if (skript.isEmpty())
        return Fehler{QStringLiteral("Im Ordner für temporäre Dateien lässt sich keine Datei anlegen.")};
    shell.schreibschutzAufheben(programmDatei);
    Uebergabe u;
    u.programmDatei = programmDatei;
    u.programmOrdner = zustand().ProgrammPfad;
    u.skript = skript;
    u.prozess = shell.prozessNummer();
    if (const Status s = DateiSchreibenAtomar(skript, UebergabeSkript(u)); !s) {
        QFile::remove(skript);
        return s;
    }
    if (!shell.skriptStarten(skript)) {
        QFile::remove(skript);
        return Fehler{QStringLiteral("Das Skript \"%1\" lässt sich nicht starten.")
                          .arg(QDir::toNativeSeparators(skript))};
    }
    return {};
}

} // namespace kb
