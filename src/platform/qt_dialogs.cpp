#include "qt_services.h"

#include "core/program_state.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>

namespace kb {

QString nachrichtFuerAnzeige(const QString& text) {
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

Antwort QtDialogs::zeige(QWidget* eltern, Nachricht art, const QString& text, Knoepfe knoepfe) {
    QMessageBox box(eltern);
    box.setWindowTitle(ProduktName);
    box.setText(nachrichtFuerAnzeige(text));
    box.setTextFormat(Qt::PlainText);
    switch (art) {
    case Nachricht::Information: box.setIcon(QMessageBox::Information); break;
    case Nachricht::Warnung: box.setIcon(QMessageBox::Warning); break;
    case Nachricht::Fehler: box.setIcon(QMessageBox::Critical); break;
    case Nachricht::Bestaetigung: box.setIcon(QMessageBox::Question); break;
    }
    switch (knoepfe) {
    case Knoepfe::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case Knoepfe::OkAbbrechen: box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel); break;
    case Knoepfe::JaNein: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case Knoepfe::JaNeinAbbrechen:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return Antwort::Ja;
    case QMessageBox::No: return Antwort::Nein;
    case QMessageBox::Ok: return Antwort::Ok;
    default: return Antwort::Abbrechen;
    }
}

QStringList QtFileDialogs::oeffnen(QWidget* eltern, DateiDialogOptionen& o, bool mehrere) {
    QFileDialog d(eltern, o.titel, o.startOrdner, o.filter);
    d.setFileMode(mehrere ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
    d.setAcceptMode(QFileDialog::AcceptOpen);
    const QStringList filter = d.nameFilters();
    if (o.filterIndex >= 1 && o.filterIndex <= filter.size())
        d.selectNameFilter(filter.at(o.filterIndex - 1));
    if (d.exec() != QDialog::Accepted)
        return {};
    o.filterIndex = static_cast<int>(filter.indexOf(d.selectedNameFilter())) + 1;
    return d.selectedFiles();
}

QString QtFileDialogs::speichern(QWidget* eltern, DateiDialogOptionen& o) {
    QFileDialog d(eltern, o.titel, o.startOrdner, o.filter);
    d.setAcceptMode(QFileDialog::AcceptSave);
    d.setFileMode(QFileDialog::AnyFile);
    d.setDefaultSuffix(o.standardEndung);
    if (!o.vorschlag.isEmpty())
        d.selectFile(o.vorschlag);
    const QStringList filter = d.nameFilters();
    if (o.filterIndex >= 1 && o.filterIndex <= filter.size())
        d.selectNameFilter(filter.at(o.filterIndex - 1));
    if (d.exec() != QDialog::Accepted || d.selectedFiles().isEmpty())
        return {};
    o.filterIndex = static_cast<int>(filter.indexOf(d.selectedNameFilter())) + 1;
    return d.selectedFiles().constFirst();
}

void deutscheUebersetzungLaden(QApplication& app) {
    const QString ordner = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    for (const QString& name : {QStringLiteral("qtbase_de"), QStringLiteral("qt_help_de")}) {
        auto* t = new QTranslator(&app);
        if (t->load(name, ordner))
            QApplication::installTranslator(t);
        else
            delete t;
    }
}

} // namespace kb
