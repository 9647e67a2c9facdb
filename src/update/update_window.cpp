#include "update_window.h"

#include "core/draw_history.h"
#include "core/ini_file.h"
#include "core/program_state.h"
#include "draw_update.h"
#include "evaluation/draw_management.h"
#include "statistics/number_statistics.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

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
    : QWidget(eltern, Qt::Window), m_dienste(dienste), m_download(new GZDownload(dienste, this)) {
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
    spalte->addWidget(gruppe, 1);

    auto* unten = new QHBoxLayout;
    unten->addStretch(1);
    BSchliessen = new QPushButton(QStringLiteral("Sch&ließen"), this);
    BSchliessen->setObjectName(QStringLiteral("BSchliessen"));
    unten->addWidget(BSchliessen);
    spalte->addLayout(unten);

    connect(Bupdate, &QPushButton::clicked, this, &TFUpdate::BupdateClick);
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(m_download, &GZDownload::fertig, this, &TFUpdate::downloadFertig);
    connect(m_download, &GZDownload::fortschritt, this, [this](qint64 empfangen, qint64 gesamt) {
        m_fortschritt->setRange(0, gesamt > 0 ? 1000 : 0);
        if (gesamt > 0)
            m_fortschritt->setValue(static_cast<int>(empfangen * 1000 / gesamt));
    });
}

void TFUpdate::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!e->spontaneous())
        FormShow();
}

void TFUpdate::FormShow() {
    if (m_download->laeuft())
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
    Bupdate->setEnabled(st.downloadMoeglich());
}

void TFUpdate::BupdateClick() {
    GZDownloadStarten();
}

void TFUpdate::GZDownloadStarten() {
    if (m_download->laeuft())
        return;
    Bupdate->setEnabled(false);
    m_fortschritt->setRange(0, 0);
    m_fortschritt->show();
    setCursor(Qt::BusyCursor);
    m_download->starten(DownloadBasis(IniDatei(zustand().einstellungenPfad()), zustand().DatensatzPfad));
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

} // namespace kb
