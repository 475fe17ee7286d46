#include "ColourChooser.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "PointSurface.h"
#include "core/Palette.h"
#include "core/Rounding.h"

namespace gw {

namespace {
constexpr int MouseWidth = 24;
constexpr int MouseHeight = 32;
constexpr int LineLength = 10;

QColor paletteColour(int index)
{
    const PaletteColor& c = Palette[index];
    return QColor(c.r, c.g, c.b);
}

// The strip surface; draws the retained strip picture.
class StripWidget : public QWidget {
public:
    StripWidget(const QImage& strip, QWidget* parent) : QWidget(parent), m_strip(strip) {}

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        painter.drawImage(QPointF(0, 0), m_strip);
        painter.setPen(QColor(128, 128, 128));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }

private:
    const QImage& m_strip;
};
} // namespace

QPixmap defaultMousePicture(int button)
{
    QPixmap pixmap(MouseWidth, MouseHeight);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF body(3, 2, MouseWidth - 6, MouseHeight - 4);
    p.setPen(QPen(Qt::black, 1.2));
    p.setBrush(QColor(236, 236, 236));
    p.drawRoundedRect(body, 8, 9);
    const QRectF key = button == 1 ? QRectF(body.left() + 1, body.top() + 1, body.width() / 2 - 1, 11)
                                   : QRectF(body.center().x(), body.top() + 1, body.width() / 2 - 1, 11);
    p.setBrush(QColor(220, 40, 40));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(key, 3, 3);
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(QPointF(body.center().x(), body.top()), QPointF(body.center().x(), body.top() + 12));
    p.drawLine(QPointF(body.left(), body.top() + 12), QPointF(body.right(), body.top() + 12));
    return pixmap;
}

ColourChooser::ColourChooser(ChooserKind kind, std::array<std::uint8_t, 2>& choice, int swatchWidth,
                             QWidget* parent)
    : QWidget(parent), m_kind(kind), m_choice(choice), m_sw(std::max(4, swatchWidth)), m_visible(swatchCount())
{
    const double dpr = devicePixelRatioF();
    m_strip = QImage(qRound(m_sw * dpr), qRound(m_sw * swatchCount() * dpr), QImage::Format_RGB32);
    m_strip.setDevicePixelRatio(dpr);
    m_strip.fill(Qt::white);
    m_stripWidget = new StripWidget(m_strip, this);
    m_stripWidget->installEventFilter(this);
    m_stripWidget->setMouseTracking(false);
    for (int b = 0; b < 2; ++b) {
        m_lines[b] = new QFrame(this);
        m_lines[b]->setFrameShape(QFrame::NoFrame);
        m_lines[b]->setAutoFillBackground(true);
        QPalette pal = m_lines[b]->palette();
        pal.setColor(QPalette::Window, Qt::black);
        m_lines[b]->setPalette(pal);
        m_mice[b] = new QLabel(this);
    }
    setMousePictures(defaultMousePicture(1), defaultMousePicture(2));
    paintSwatches();
    layoutMarkers();
    choose(1, m_choice[0]);
    choose(2, m_choice[1]);
}

void ColourChooser::paintSwatches(const QString& programFolder)
{
    m_strip.fill(Qt::white);
    QPainter painter(&m_strip);
    int first = 0;
    if (m_kind == ChooserKind::PlayField) {
        first = 1;
        QImage look;
        if (!programFolder.isEmpty()) {
            const QString path = QDir(programFolder).filePath(QStringLiteral("hamworst.dat"));
            if (QFileInfo::exists(path))
                look.load(path);
        }
        if (!look.isNull())
            painter.drawImage(QPointF(0, 0), look);
    }
    for (int i = first; i < swatchCount(); ++i)
        painter.fillRect(QRect(0, i * m_sw, m_sw, m_sw), paletteColour(i - first));
    painter.end();
    m_stripWidget->update();
}

void ColourChooser::copySwatchColours(const QList<QColor>& mainSwatches)
{
    QPainter painter(&m_strip);
    for (int i = 0; i < mainSwatches.size() && i + 1 < swatchCount(); ++i)
        painter.fillRect(QRect(0, (i + 1) * m_sw, m_sw, m_sw), mainSwatches[i]);
    painter.end();
    m_stripWidget->update();
}

void ColourChooser::setVisibleSwatches(int count)
{
    m_visible = std::clamp(count, 1, swatchCount());
    layoutMarkers();
}

QColor ColourChooser::swatchColour(int i) const
{
    if (i < 0 || i >= swatchCount())
        return Qt::white;
    const double dpr = m_strip.devicePixelRatio();
    return m_strip.pixelColor(qRound(1 * dpr), qRound((i * m_sw + 1) * dpr));
}

void ColourChooser::press(int button, double y)
{
    if (y < 0 || y >= m_visible * m_sw)
        return;
    if (button != 1 && button != 2)
        return;
    const int i = roundHalfEven(y) / m_sw;
    m_choice[static_cast<std::size_t>(button - 1)] = static_cast<std::uint8_t>(i);
    placeMarker(button);
    emit choiceChanged(button, i);
}

void ColourChooser::setMousePictures(const QPixmap& left, const QPixmap& right)
{
    m_mice[0]->setPixmap(left.isNull() ? defaultMousePicture(1) : left);
    m_mice[1]->setPixmap(right.isNull() ? defaultMousePicture(2) : right);
    for (auto* mouse : m_mice)
        mouse->adjustSize();
    layoutMarkers();
}

QPixmap ColourChooser::mousePicture(int button) const
{
    return m_mice[button == 1 ? 0 : 1]->pixmap();
}

int ColourChooser::markerY(int button) const
{
    const int i = m_choice[button == 1 ? 0 : 1];
    return roundHalfEven((i + 0.5) * m_sw);
}

void ColourChooser::layoutMarkers()
{
    const int mouseW = std::max(m_mice[0]->width(), m_mice[1]->width());
    const int mouseH = std::max(m_mice[0]->height(), m_mice[1]->height());
    const int stripX = mouseW + LineLength;
    m_stripWidget->setGeometry(stripX, mouseH / 2, m_sw, m_visible * m_sw);
    setFixedSize(stripX + m_sw + LineLength + mouseW, m_visible * m_sw + mouseH);
    placeMarker(1);
    placeMarker(2);
}

void ColourChooser::placeMarker(int button)
{
    const int b = button - 1;
    const int y = m_stripWidget->y() + markerY(button);
    const int stripX = m_stripWidget->x();
    if (b == 0) {
        m_lines[0]->setGeometry(stripX - LineLength, y, LineLength, 1);
        m_mice[0]->move(stripX - LineLength - m_mice[0]->width(), y - m_mice[0]->height() / 2);
    } else {
        m_lines[1]->setGeometry(stripX + m_sw, y, LineLength, 1);
        m_mice[1]->move(stripX + m_sw + LineLength, y - m_mice[1]->height() / 2);
    }
}

bool ColourChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_stripWidget) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            press(buttonNumber(mouse->button()), mouse->position().y());
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            press(buttonNumber(mouse->buttons()), mouse->position().y());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gw
