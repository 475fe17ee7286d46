#include "ColorChooser.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

#include "ClueDrawing.h"
#include "PointSurface.h"
#include "platform/FilePaths.h"
#include "platform/MouseButtons.h"

namespace gw {

namespace {
constexpr int MouseWidth = 24;
constexpr int MouseHeight = 32;
// The picture of an unmarked cell, beside the programs.
const char* const UnmarkedLookFile = "hamworst.dat";

// The strip surface; draws the retained swatches that are visible, pixel
// for pixel from the device pixel where its corner falls (the same one the
// press handler counts from), so no hidden swatch shows and every device
// row shows the swatch a press on it takes.
class StripWidget : public QWidget {
public:
    StripWidget(const QImage& swatches, const int& visibleRows, bool greyOutline, QWidget* parent)
        : QWidget(parent), m_swatches(swatches), m_visibleRows(visibleRows), m_greyOutline(greyOutline)
    {
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), Qt::white);
        drawPixelForPixel(painter, m_swatches, devicePixelOf(painter, QPointF(0, 0)),
                          QRect(0, 0, m_swatches.width(), m_visibleRows));
        if (m_greyOutline) {
            painter.setPen(QColor(128, 128, 128));
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
    }

private:
    const QImage& m_swatches;
    const int& m_visibleRows; // device rows of the visible swatches
    bool m_greyOutline;
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

ColorChooser::ColorChooser(ChooserKind kind, std::array<std::uint8_t, 2>& choice, ChooserSizes sizes, QWidget* parent)
    : QWidget(parent), m_kind(kind), m_choice(choice), m_sizes(sizes), m_visible(swatchCount())
{
    setObjectName(QStringLiteral("colorChooser"));
    m_sizes.swatch = std::max(4, m_sizes.swatch);
    const double dpr = devicePixelRatioF();
    m_swatches =
        QImage(qRound(m_sizes.swatch * dpr), qRound(m_sizes.swatch * swatchCount() * dpr), QImage::Format_RGB32);
    m_swatches.setDevicePixelRatio(dpr);
    m_swatches.fill(Qt::white);
    m_visibleRows = swatchTop(m_visible);
    m_stripWidget = new StripWidget(m_swatches, m_visibleRows, m_kind == ChooserKind::PlayField, this);
    m_stripWidget->setObjectName(QStringLiteral("swatchStrip"));
    m_stripWidget->installEventFilter(this);
    const char* const names[2][2] = {{"leftMarkerLine", "leftMousePicture"}, {"rightMarkerLine", "rightMousePicture"}};
    for (std::size_t b = 0; b < 2; ++b) {
        m_lines[b] = new QFrame(this);
        m_lines[b]->setObjectName(QLatin1String(names[b][0]));
        m_lines[b]->setFrameShape(QFrame::NoFrame);
        m_lines[b]->setAutoFillBackground(true);
        QPalette pal = m_lines[b]->palette();
        pal.setColor(QPalette::Window, Qt::black);
        m_lines[b]->setPalette(pal);
        m_mice[b] = new QLabel(this);
        m_mice[b]->setObjectName(QLatin1String(names[b][1]));
        m_mice[b]->setAlignment(Qt::AlignCenter);
        if (m_sizes.mouseBox > 0)
            m_mice[b]->setFixedSize(m_sizes.mouseBox, m_sizes.mouseBox);
    }
    setMousePictures(QPixmap(), QPixmap());
    paintSwatches();
    choose(1, m_choice[0]);
    choose(2, m_choice[1]);
}

void ColorChooser::paintSwatches(const QString& programFolder)
{
    m_swatches.fill(Qt::white);
    QPainter painter(&m_swatches);
    int first = 0;
    if (m_kind == ChooserKind::PlayField) {
        first = 1;
        QImage look;
        if (!programFolder.isEmpty()) {
            const QString path = QDir(programFolder).filePath(QLatin1String(UnmarkedLookFile));
            if (const std::unique_ptr<QFile> file = platform::openRegularFile(path)) // a FIFO would block
                look.load(file.get(), nullptr);
        }
        if (!look.isNull())
            painter.drawImage(QPointF(0, 0), look);
    }
    const int side = m_sizes.swatch;
    for (int i = first; i < swatchCount(); ++i)
        painter.fillRect(QRect(0, i * side, side, side), paletteColor(i - first));
    painter.end();
    m_stripWidget->update();
}

void ColorChooser::showColorPuzzle(bool color)
{
    const int blackAndWhite = m_kind == ChooserKind::PaletteColors ? 2 : 3;
    m_visible = color ? swatchCount() : blackAndWhite;
    m_visibleRows = swatchTop(m_visible);
    layoutMarkers();
    m_stripWidget->update();
}

QColor ColorChooser::swatchColor(int i) const
{
    if (i < 0 || i >= swatchCount())
        return Qt::white;
    const double dpr = m_swatches.devicePixelRatio();
    return m_swatches.pixelColor(qRound(1 * dpr), qRound((i * m_sizes.swatch + 1) * dpr));
}

int ColorChooser::swatchTop(int i) const { return qRound(i * m_sizes.swatch * m_swatches.devicePixelRatio()); }

int ColorChooser::swatchAt(double y) const
{
    // The device row under the pointer, counted from the device pixel where
    // the strip's corner falls in its window, as the strip is painted.
    const double dpr = m_swatches.devicePixelRatio();
    const double top = m_stripWidget->mapTo(m_stripWidget->window(), QPoint(0, 0)).y() * dpr;
    const int row = static_cast<int>(std::floor(top + y * dpr + 1e-6)) - wholeDevicePixel(top);
    if (row < 0 || row >= m_visibleRows)
        return -1;
    int i = 0;
    while (swatchTop(i + 1) <= row)
        ++i;
    return i;
}

void ColorChooser::press(int button, double y)
{
    if (button != 1 && button != 2)
        return;
    const int i = swatchAt(y);
    if (i < 0 || i >= m_visible)
        return;
    m_choice[static_cast<std::size_t>(button - 1)] = static_cast<std::uint8_t>(i);
    placeMarker(button);
}

void ColorChooser::setMousePictures(const QPixmap& left, const QPixmap& right)
{
    const bool drawWhenMissing = m_kind == ChooserKind::PlayField;
    m_mice[0]->setPixmap(left.isNull() && drawWhenMissing ? defaultMousePicture(1) : left);
    m_mice[1]->setPixmap(right.isNull() && drawWhenMissing ? defaultMousePicture(2) : right);
    if (m_sizes.mouseBox <= 0)
        for (QLabel* mouse : m_mice)
            mouse->adjustSize();
    layoutMarkers();
}

QPixmap ColorChooser::mousePicture(int button) const { return m_mice[button == 1 ? 0 : 1]->pixmap(); }

int ColorChooser::markerY(int button) const { return m_lines[button == 1 ? 0 : 1]->y() - m_stripWidget->y(); }

void ColorChooser::layoutMarkers()
{
    const int mouseWidth = std::max(m_mice[0]->width(), m_mice[1]->width());
    const int mouseHeight = std::max(m_mice[0]->height(), m_mice[1]->height());
    const int side = m_sizes.swatch;
    const int stripX = mouseWidth + m_sizes.markerLine;
    m_stripWidget->setGeometry(stripX, mouseHeight / 2, side, m_visible * side);
    setFixedSize(stripX + side + m_sizes.markerLine + mouseWidth, m_visible * side + mouseHeight);
    placeMarker(1);
    placeMarker(2);
}

void ColorChooser::placeMarker(int button)
{
    const std::size_t b = button == 1 ? 0 : 1;
    const int side = m_sizes.swatch;
    const int y = m_stripWidget->y() + m_choice[b] * side + side / 2;
    const int line = m_sizes.markerLine;
    const int stripX = m_stripWidget->x();
    QLabel* mouse = m_mice[b];
    if (b == 0) {
        m_lines[0]->setGeometry(stripX - line, y, line, 1);
        mouse->move(stripX - line - mouse->width(), y - mouse->height() / 2);
    } else {
        m_lines[1]->setGeometry(stripX + side, y, line, 1);
        mouse->move(stripX + side + line, y - mouse->height() / 2);
    }
}

void ColorChooser::paintEvent(QPaintEvent*)
{
    // The main window's frame round the strip; the strip paints over its inside.
    if (m_kind == ChooserKind::PaletteColors) {
        QPainter painter(this);
        painter.fillRect(m_stripWidget->geometry().adjusted(-1, -1, 1, 1), palette().color(QPalette::WindowText));
    }
}

bool ColorChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_stripWidget) {
        if (event->type() == QEvent::MouseButtonPress) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            press(platform::mouseButtonValue(mouse->button()), mouse->position().y());
            return true;
        }
        if (event->type() == QEvent::MouseMove) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            press(platform::mouseButtonValue(mouse->buttons()), mouse->position().y());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace gw
