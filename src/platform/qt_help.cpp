#include "qt_help.h"

#include "core/program_state.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHelpContentWidget>
#include <QHelpContentModel>
#include <QHelpEngine>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QHelpSearchResultWidget>
#include <QMessageBox>
#include <QShortcut>
#include <QSplitter>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTextBrowser>
#include <QToolBar>
#include <QVBoxLayout>

namespace kb {

namespace {

// Resolves qthelp:// links from the help engine; other links go to the desktop.
class HilfeSeite final : public QTextBrowser {
public:
    HilfeSeite(QHelpEngine* engine, QWidget* eltern) : QTextBrowser(eltern), m_engine(engine) {
        setOpenExternalLinks(true);
    }
    QVariant loadResource(int typ, const QUrl& name) override {
        if (name.scheme() == QLatin1String("qthelp"))
            return m_engine->fileData(name);
        return QTextBrowser::loadResource(typ, name);
    }

private:
    QHelpEngine* m_engine;
};

bool kopieren(const QString& von, const QString& nach) {
    if (QFileInfo::exists(nach)) {
        if (QFileInfo(nach).lastModified() >= QFileInfo(von).lastModified() &&
            QFileInfo(nach).size() == QFileInfo(von).size())
            return true;
        QFile::remove(nach);
    }
    return QFile::copy(von, nach);
}

} // namespace

QString hilfeSammlungBereitstellen(const QString& sammlung, const QString& zielOrdner) {
    const QFileInfo info(sammlung);
    if (!info.exists())
        return {};
    QDir().mkpath(zielOrdner);
    const QString ziel = QDir(zielOrdner).filePath(info.fileName());
    // The documentation file sits beside the collection under the same base name.
    const QString doku = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".qch");
    if (!kopieren(sammlung, ziel))
        return {};
    if (QFileInfo::exists(doku) &&
        !kopieren(doku, QDir(zielOrdner).filePath(info.completeBaseName() + QStringLiteral(".qch"))))
        return {};
    return ziel;
}

HilfeBetrachter::HilfeBetrachter(const QString& sammlung, QWidget* eltern) : QWidget(eltern, Qt::Window) {
    setObjectName(QStringLiteral("FHilfe"));
    setWindowTitle(FensterTitel() + QStringLiteral(" – Hilfe"));
    resize(900, 640);

    const QString kopie = hilfeSammlungBereitstellen(
        sammlung, QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Kugelblick/hilfe"));
    m_engine = new QHelpEngine(kopie.isEmpty() ? sammlung : kopie, this);
    m_engine->setUsesFilterEngine(true);
    m_bereit = !kopie.isEmpty() && m_engine->setupData();

    auto* teiler = new QSplitter(this);
    m_reiter = new QTabWidget(teiler);
    m_reiter->setObjectName(QStringLiteral("Reiter"));
    m_reiter->addTab(m_engine->contentWidget(), QStringLiteral("Inhalt"));
    m_reiter->addTab(m_engine->indexWidget(), QStringLiteral("Index"));
    m_suchSeite = new QWidget(m_reiter);
    auto* suchLayout = new QVBoxLayout(m_suchSeite);
    suchLayout->addWidget(m_engine->searchEngine()->queryWidget());
    suchLayout->addWidget(m_engine->searchEngine()->resultWidget(), 1);
    m_reiter->addTab(m_suchSeite, QStringLiteral("Suche"));

    m_seite = new HilfeSeite(m_engine, teiler);
    m_seite->setObjectName(QStringLiteral("Seite"));
    teiler->addWidget(m_reiter);
    teiler->addWidget(m_seite);
    teiler->setStretchFactor(1, 1);
    teiler->setSizes({260, 640});

    auto* leiste = new QToolBar(this);
    leiste->addAction(QStringLiteral("Zurück"), m_seite, &QTextBrowser::backward);
    leiste->addAction(QStringLiteral("Vor"), m_seite, &QTextBrowser::forward);
    leiste->addAction(QStringLiteral("Inhalt"), this, [this] { zeigeThema(1010); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(leiste);
    layout->addWidget(teiler, 1);

    const auto oeffnen = [this](const QUrl& url) { m_seite->setSource(url); };
    connect(m_engine->contentWidget(), &QHelpContentWidget::linkActivated, this, oeffnen);
    connect(m_engine->indexWidget(), &QHelpIndexWidget::documentActivated, this,
            [oeffnen](const QHelpLink& link, const QString&) { oeffnen(link.url); });
    connect(m_engine->searchEngine()->resultWidget(), &QHelpSearchResultWidget::requestShowLink, this, oeffnen);
    QHelpSearchEngine* suche = m_engine->searchEngine();
    connect(suche->queryWidget(), &QHelpSearchQueryWidget::search, this,
            [suche] { suche->search(suche->queryWidget()->searchInput()); });
    if (m_bereit) {
        // The contents are built on a worker thread; open the tree once they are there.
        connect(m_engine->contentModel(), &QHelpContentModel::contentsCreated, this,
                [this] { m_engine->contentWidget()->expandAll(); });
        suche->scheduleIndexDocumentation();
    } else {
        m_seite->setPlainText(QStringLiteral("Die Hilfe-Datei \"%1\" wurde nicht gefunden.")
                                  .arg(QDir::toNativeSeparators(sammlung)));
    }
}

HilfeBetrachter::~HilfeBetrachter() = default;

QUrl HilfeBetrachter::seiteFuer(int kontext) const {
    const QList<QHelpLink> links = m_engine->documentsForIdentifier(QString::number(kontext));
    return links.isEmpty() ? QUrl() : links.constFirst().url;
}

bool HilfeBetrachter::zeigeThema(int kontext) {
    const QUrl url = seiteFuer(kontext);
    if (url.isEmpty())
        return false;
    m_reiter->setCurrentIndex(0);
    m_seite->setSource(url);
    return true;
}

void HilfeBetrachter::zeigeSuche() {
    m_reiter->setCurrentWidget(m_suchSeite);
    m_engine->searchEngine()->queryWidget()->setSearchInput(QString());
    m_engine->searchEngine()->queryWidget()->setFocus();
}

QUrl HilfeBetrachter::aktuelleSeite() const { return m_seite->source(); }

QtHelp::~QtHelp() { delete m_fenster.data(); }

HilfeBetrachter* QtHelp::betrachter(QWidget*) {
    if (!m_fenster)
        m_fenster = new HilfeBetrachter(m_sammlung.isEmpty() ? zustand().HilfeDatei : m_sammlung);
    if (m_fenster->isMinimized())
        m_fenster->showNormal();
    m_fenster->show();
    m_fenster->raise();
    m_fenster->activateWindow();
    return m_fenster;
}

void QtHelp::thema(QWidget* eltern, int kontext) {
    HilfeBetrachter* b = betrachter(eltern);
    if (!b->zeigeThema(kontext))
        b->zeigeThema(1010);
}

void QtHelp::suche(QWidget* eltern) { betrachter(eltern)->zeigeSuche(); }

} // namespace kb
