#include "row_output.h"

#include "background.h"
#include "core/program_state.h"
#include "core/ticket_file.h"
#include "entry/ticket_entry.h"
#include "systems/row_export.h"

#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryFile>
#include <QWidget>

namespace kb {

void CSVSpeichern(QWidget* fenster, Dienste& dienste, const ZellenTabelle& tabelle, const QString& pfad,
                  std::function<void(bool)> fertig) {
    std::shared_ptr<const ZellenTabelle> kopie = tabelle.schnappschuss();
    imHintergrund<Status>(
        fenster, [kopie, pfad] { return CSVSchreiben(*kopie, pfad); },
        [fenster, &dienste, fertig = std::move(fertig)](const Status& s) {
            if (!s)
                dienste.dialoge->fehler(fenster, s.fehler());
            if (fertig)
                fertig(s.ok());
        });
}

void ExcelExportieren(QWidget* fenster, Dienste& dienste, const ZellenTabelle& tabelle,
                      const QString& blattName, int letzteSpalte, std::function<void(bool)> fertig) {
    const auto abbruch = [&](const QString& text, bool info) {
        if (info)
            dienste.dialoge->information(fenster, text);
        else
            dienste.dialoge->fehler(fenster, text);
        if (fertig)
            fertig(false);
    };
    if (!dienste.tabellen->programmVorhanden())
        return abbruch(ExcelFehltText, true);
    auto blatt = ExcelExport(tabelle.schnappschuss(), blattName, letzteSpalte);
    if (!blatt)
        return abbruch(blatt.fehler(), false);

    QTemporaryFile vorlage(QDir::tempPath() + QLatin1Char('/') + blattName + QStringLiteral("-XXXXXX.xlsx"));
    vorlage.setAutoRemove(false);
    if (!vorlage.open())
        return abbruch(QStringLiteral("Im temporären Ordner \"%1\" kann keine Datei angelegt werden.\r\r%2")
                           .arg(QDir::toNativeSeparators(QDir::tempPath()), vorlage.errorString()),
                       false);
    const QString pfad = vorlage.fileName();
    vorlage.close();

    Spreadsheet* tabellen = dienste.tabellen;
    imHintergrund<Status>(
        fenster,
        [tabellen, pfad, blatt = std::move(blatt).wert()] { return tabellen->schreiben(pfad, blatt); },
        [fenster, &dienste, pfad, fertig = std::move(fertig)](const Status& s) {
            bool ok = s.ok();
            if (!s) {
                dienste.dialoge->fehler(fenster, s.fehler());
            } else if (!dienste.tabellen->oeffnen(pfad)) {
                QFile::remove(pfad);
                dienste.dialoge->information(fenster, ExcelFehltText);
                ok = false;
            }
            if (fertig)
                fertig(ok);
        });
}

DateiDialogOptionen CSVSpeichernDialog() {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Als CSV-Datei speichern...");
    o.filter = QStringLiteral("CSV-Datei (*.csv)");
    o.standardEndung = QStringLiteral("csv");
    o.startOrdner = zustand().DatenPfad;
    return o;
}

QString AlsNormalscheinSpeichern(QWidget* fenster, Dienste& dienste, const ZellenTabelle& tabelle, int sz) {
    DateiDialogOptionen o;
    o.titel = QStringLiteral("Als Spielschein speichern...");
    o.filter = QStringLiteral("Normalschein-Datei (*.nkb)");
    o.standardEndung = QStringLiteral("nkb");
    o.startOrdner = zustand().DatenPfad;
    const QString pfad = dienste.dateiDialoge->speichern(fenster, o);
    if (pfad.isEmpty())
        return {};
    const auto reihen = ScheinReihen(tabelle);
    if (!reihen) {
        dienste.dialoge->fehler(fenster, reihen.fehler());
        return {};
    }
    if (const Status s = NormalscheinSchreiben(pfad, sz, *reihen); !s) {
        dienste.dialoge->fehler(fenster, s.fehler());
        return {};
    }
    return pfad;
}

} // namespace kb
