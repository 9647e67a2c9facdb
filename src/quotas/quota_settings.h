#pragma once

#include "core/ini_file.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

namespace kb {

// The quota page opened by "Quoten-Url aufrufen" when none is stored.
extern const QString QuotenUrlVorgabe;
inline constexpr int QuotenSpalteVorgabe = 4;
// The columns the tool offers for the tab form.
inline constexpr int QuotenSpalteMin = 1;
inline constexpr int QuotenSpalteMax = 10;

// A stored URL of fewer than six characters cannot be an address: the built-in page is opened.
QString QuotenUrlZumAufruf(const QString& eingabe);

struct QuotenToolEinstellungen {
    QString url;                      // never empty after reading
    bool urlNeu = false;              // the default was filled in and should be stored
    int spalte = QuotenSpalteVorgabe; // 1..10
    QPoint position;                  // stored left/top; 0 means "not stored"
};
QuotenToolEinstellungen QuotenToolEinstellungenLesen(const IniDatei& ini);
void QuotenUrlSchreiben(IniDatei& ini, const QString& url);
void QuotenToolLageSchreiben(IniDatei& ini, QPoint position, int spalte);

QPoint QuotenEditorLageLesen(const IniDatei& ini);
void QuotenEditorLageSchreiben(IniDatei& ini, QPoint position);

// Where the tool opens: a stored edge as stored, an edge of 0 from the editor (left: right
// beside it, top: level with it); then pulled back inside the screen.
QPoint QuotenToolLage(QPoint gespeichert, const QRect& editor, QSize tool, QSize bildschirm);

} // namespace kb
