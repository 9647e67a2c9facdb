#pragma once

class QWidget;

namespace kb {

// The help viewer: topics by context number, and its full-text search page.
class Help {
public:
    virtual ~Help() = default;
    virtual void thema(QWidget* eltern, int kontext) = 0;
    virtual void suche(QWidget* eltern) = 0;
};

} // namespace kb
