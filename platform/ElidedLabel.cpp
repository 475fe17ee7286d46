#include "platform/ElidedLabel.h"

#include <QFontMetrics>
#include <QResizeEvent>

namespace gw::platform {

ElidedLabel::ElidedLabel(QWidget* parent) : QLabel(parent) { setTextFormat(Qt::PlainText); }

void ElidedLabel::setFullText(const QString& text)
{
    m_fullText = text;
    showFitting();
}

int ElidedLabel::fullWidth() const
{
    if (m_fullText.isEmpty())
        return 0;
    return fontMetrics().horizontalAdvance(m_fullText) + 2 * margin() + 2 * frameWidth();
}

void ElidedLabel::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showFitting();
}

void ElidedLabel::showFitting()
{
    const int room = contentsRect().width() - 2 * margin();
    const QString shown =
        fullWidth() <= width() ? m_fullText : fontMetrics().elidedText(m_fullText, Qt::ElideRight, room);
    if (text() != shown)
        setText(shown);
    setToolTip(shown == m_fullText ? QString() : m_fullText);
}

} // namespace gw::platform
