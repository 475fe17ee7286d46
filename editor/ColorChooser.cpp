#include "editor/ColorChooser.h"

#include <QMouseEvent>
#include <QPainter>

#include "core/Palette.h"
#include "core/Rounding.h"
#include "editor/GridView.h"
#include "editor/PaletteColors.h"

namespace gw::editor {

namespace {
// Places in the side panel, in twips.
constexpr double StripLeft = 840, StripTop = 1920, StripWidth = 375;
constexpr double PictureTop = 1820, LineTop = 2180;
constexpr double PictureSize = 480, MuisLLeft = 120, LineLength = 240;
} // namespace

ColorStrip::ColorStrip(int swatchSize, QWidget* parent) : QWidget(parent), m_swatch(swatchSize) {
    setObjectName(QStringLiteral("colorChooser"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::PointingHandCursor);
    setSwatchCount(2);
}

void ColorStrip::setSwatchCount(int count) {
    m_count = count;
    setFixedSize(m_swatch, m_swatch * count);
    update();
}

void ColorStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    for (int i = 0; i < m_count; ++i)
        painter.fillRect(QRect(0, i * m_swatch, m_swatch, m_swatch), paletteColor(static_cast<std::uint8_t>(i)));
}

void ColorStrip::mousePressEvent(QMouseEvent* event) { emit pressed(buttonValue(event->button()), event->position().y()); }

void ColorStrip::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() != Qt::NoButton)
        emit pressed(buttonValue(event->buttons()), event->position().y());
}

ColorChooser::ColorChooser(Puzzle& puzzle, QWidget& panel, const platform::ScreenUnits& units)
    : QObject(&panel), m_puzzle(puzzle) {
    m_strip = new ColorStrip(units.twipsToWholePixelsX(StripWidth), &panel);
    m_strip->move(units.twipsToWholePixelsX(StripLeft), units.twipsToWholePixelsY(StripTop));
    m_border = new QFrame(&panel);
    m_border->setFrameShape(QFrame::Box);
    m_border->setLineWidth(1);
    m_border->setGeometry(m_strip->geometry().adjusted(-1, -1, 1, 1));
    m_border->lower();
    const int picture = units.twipsToWholePixelsX(PictureSize);
    const int lineLength = units.twipsToWholePixelsX(LineLength);
    const int stripLeft = m_strip->x();
    const int stripRight = stripLeft + m_strip->width();
    const char* const names[2][2] = {{"MuisL", "LijnL"}, {"MuisR", "LijnR"}};
    for (int b = 0; b < 2; ++b) {
        m_muis[b] = new QLabel(&panel);
        m_muis[b]->setObjectName(QLatin1String(names[b][0]));
        m_muis[b]->setFixedSize(picture, picture);
        m_muis[b]->setAlignment(Qt::AlignCenter);
        m_lijn[b] = new QFrame(&panel);
        m_lijn[b]->setObjectName(QLatin1String(names[b][1]));
        m_lijn[b]->setFrameShape(QFrame::NoFrame);
        m_lijn[b]->setAutoFillBackground(true);
        QPalette pal = m_lijn[b]->palette();
        pal.setColor(QPalette::Window, Qt::black);
        m_lijn[b]->setPalette(pal);
        m_lijn[b]->setFixedSize(lineLength, 1);
    }
    const int muisL = units.twipsToWholePixelsX(MuisLLeft);
    m_muis[0]->move(muisL, units.twipsToWholePixelsY(PictureTop));
    m_lijn[0]->move(stripLeft - lineLength, units.twipsToWholePixelsY(LineTop));
    m_lijn[1]->move(stripRight, units.twipsToWholePixelsY(LineTop));
    m_muis[1]->move(stripRight + lineLength, units.twipsToWholePixelsY(PictureTop));
    connect(m_strip, &ColorStrip::pressed, this, &ColorChooser::press);
}

void ColorChooser::press(int button, double y) {
    if (y < 0 || y >= m_strip->height())
        return;
    if (button != 1 && button != 2)
        return;
    const int sw = m_strip->swatchSize();
    const int i = roundHalfEven(y) / sw;
    if (i >= m_strip->swatchCount())
        return;
    m_puzzle.ButtonColor[button - 1] = static_cast<std::uint8_t>(i);
    placeMarker(button, m_strip->y() + (i + 0.5) * sw);
}

void ColorChooser::choose(int button, int index) { press(button, (index + 0.5) * m_strip->swatchSize()); }

void ColorChooser::showColorMode(bool color) {
    m_puzzle.ColorPuzzle = color;
    m_strip->setSwatchCount(color ? PaletteSize : 2);
    m_border->setGeometry(m_strip->geometry().adjusted(-1, -1, 1, 1));
}

void ColorChooser::placeMarker(int button, double lineY) {
    const int b = button - 1;
    const int line = static_cast<int>(lineY);
    m_lijn[b]->move(m_lijn[b]->x(), line);
    m_muis[b]->move(m_muis[b]->x(), line - m_muis[b]->height() / 2);
}

int ColorChooser::markerY(int button) const { return m_lijn[button - 1]->y(); }

void ColorChooser::setMousePictures(const QPixmap& left, const QPixmap& right) {
    m_pictures[0] = left;
    m_pictures[1] = right;
    m_muis[0]->setPixmap(left);
    m_muis[1]->setPixmap(right);
}

QPixmap ColorChooser::mousePicture(int button) const { return m_pictures[button - 1]; }

} // namespace gw::editor
