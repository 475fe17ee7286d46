#pragma once
// A one-line label for a text that may not fit its place (a status line):
// it shows as much of the text as its width allows, ending in "…" when
// cut short, and then offers the whole text as its tooltip.
#include <QLabel>

namespace gw::platform {

class ElidedLabel : public QLabel {
    Q_OBJECT
public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    // The whole text, shown cut to the label's width; any text will do.
    void setFullText(const QString& text);
    const QString& fullText() const { return m_fullText; }
    // The width in pixels the whole text needs (0 for none).
    int fullWidth() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFitting();
    QString m_fullText;
};

} // namespace gw::platform
