#pragma once

#include "platform/services.h"

#include <QWidget>

class QLabel;

namespace kb {

// Program information: version and the maker's contact data.
class TFInfo : public QWidget {
    Q_OBJECT
public:
    static constexpr int ClientBreite = 400;
    static constexpr int ClientHoehe = 300;
    static constexpr int HilfeKontext = 1130;

    explicit TFInfo(Dienste& dienste, QWidget* eltern = nullptr);

    static QString mailAdresse();

protected:
    void paintEvent(QPaintEvent* e) override;
    bool eventFilter(QObject* objekt, QEvent* e) override;

private:
    Dienste& m_dienste;
    QLabel* m_mail = nullptr;
};

} // namespace kb
