#include "quota_settings.h"

#include <algorithm>

namespace kb {

const QString QuotenUrlVorgabe = QStringLiteral("https://www.lottozahlenonline.de/lotto-gewinnquoten.php");

namespace {
const QString Quoten = QStringLiteral("Quoten");
const QString Fenster = QStringLiteral("Fenster");
} // namespace

QString QuotenUrlZumAufruf(const QString& eingabe) {
    const QString url = eingabe.trimmed();
    return url.size() >= 6 ? url : QuotenUrlVorgabe;
}

QuotenToolEinstellungen QuotenToolEinstellungenLesen(const IniDatei& ini) {
    QuotenToolEinstellungen e;
    e.url = ini.ReadString(Quoten, QStringLiteral("Url"), QString());
    if (e.url.isEmpty()) {
        e.url = QuotenUrlVorgabe;
        e.urlNeu = true;
    }
    e.spalte = std::clamp(ini.ReadInteger(Quoten, QStringLiteral("Spalte"), QuotenSpalteVorgabe),
                          QuotenSpalteMin, QuotenSpalteMax);
    e.position = {ini.ReadInteger(Fenster, QStringLiteral("QTool-Left"), 0),
                  ini.ReadInteger(Fenster, QStringLiteral("QTool-Top"), 0)};
    return e;
}

void QuotenUrlSchreiben(IniDatei& ini, const QString& url) {
    ini.WriteString(Quoten, QStringLiteral("Url"), url);
}

void QuotenToolLageSchreiben(IniDatei& ini, QPoint position, int spalte) {
    ini.WriteInteger(Fenster, QStringLiteral("QTool-Left"), position.x());
    ini.WriteInteger(Fenster, QStringLiteral("QTool-Top"), position.y());
    ini.WriteInteger(Quoten, QStringLiteral("Spalte"), spalte);
}

QPoint QuotenEditorLageLesen(const IniDatei& ini) {
    return {ini.ReadInteger(Fenster, QStringLiteral("Quoten-Left"), 0),
            ini.ReadInteger(Fenster, QStringLiteral("Quoten-Top"), 0)};
}

void QuotenEditorLageSchreiben(IniDatei& ini, QPoint position) {
    ini.WriteInteger(Fenster, QStringLiteral("Quoten-Left"), position.x());
    ini.WriteInteger(Fenster, QStringLiteral("Quoten-Top"), position.y());
}

QPoint QuotenToolLage(QPoint gespeichert, const QRect& editor, QSize tool, QSize bildschirm) {
    QPoint p = gespeichert;
    if (p.x() == 0)
        p.setX(editor.x() + editor.width());
    if (p.y() == 0)
        p.setY(editor.y());
    // Also a position stored on a larger screen ends inside this one.
    if (bildschirm.width() > 0 && p.x() + tool.width() > bildschirm.width())
        p.setX(std::max(0, bildschirm.width() - tool.width()));
    if (bildschirm.height() > 0 && p.y() + tool.height() > bildschirm.height())
        p.setY(std::max(0, bildschirm.height() - tool.height()));
    return p;
}

} // namespace kb
