#pragma once

#include "platform/services.h"

#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollBar;

namespace kb {

class IniDatei;
class TFQuoten;

// Quota tool: the user pastes a quota table copied off a web page; the tool picks out the nine
// quotas and writes them into the quota editor's amount fields. It lives inside the editor
// and is destroyed when closed.
class TFQTool final : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 475;
    static constexpr int ClientHoehe = 380;
    static constexpr int HilfeKontext = 1100;

    TFQTool(Dienste& dienste, TFQuoten& editor);

    bool urlGeaendert() const { return m_urlGeaendert; }

public Q_SLOTS:
    void BClipClick();
    void BDelClick();
    void BUebertragenClick();
    void BAufrufClick();
    void BUrlSaveClick();
    void Scroll1Change(int wert);

protected:
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    void FormShow();
    void einstellungSpeichern(const std::function<void(IniDatei&)>& schreiben);

    Dienste& m_dienste;
    TFQuoten& m_editor;
    bool m_urlGeaendert = false;
    bool m_gezeigt = false;

    QLineEdit* EUrl = nullptr;
    QPlainTextEdit* M1 = nullptr;
    QScrollBar* Scroll1 = nullptr;
    QLabel* LSpalte = nullptr;
};

} // namespace kb
