#include "SolutionWindow.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <algorithm>
#include <cmath>

#include "core/Palette.h"
#include "lang/Texts.h"
#include "player/Choose.h"
#include "platform/SecondaryWindow.h"

namespace gw::player {

namespace {

// Margin around the picture and between the rows below it, in points.
constexpr double MarginPoints = 6.0;
// Gap between a legend picture and its check box, in pixels.
constexpr int LegendGap = 4;

} // namespace

QImage legendImage(int width, int height, const QColor& inner)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter painter(&image);
    drawDot(painter, QPointF(width / 2.0, height / 2.0), std::min(width, height) - 6, inner);
    return image;
}

SolutionWindow::SolutionWindow(const Puzzle& puzzle, const CellStateArray& states, const QString& mainTag,
                               double pixelsPerPoint, QWidget* parent)
    : QWidget(parent, Qt::Window)
    , m_puzzle(puzzle)
    , m_states(states)
    , m_mainTag(mainTag)
    , m_pixelsPerPoint(pixelsPerPoint)
{
    setObjectName(QStringLiteral("Form2"));
    m_picture1 = new QLabel(this);
    m_picture1->setObjectName(QStringLiteral("Picture1"));
    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setPixmap(QPixmap::fromImage(legendImage(16, 18, WrongDotColor)));
    m_image1->setFixedSize(16, 18);
    m_image2 = new QLabel(this);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setPixmap(QPixmap::fromImage(legendImage(17, 18, UnfilledDotColor)));
    m_image2->setFixedSize(17, 18);
    m_chkFouten = new QCheckBox(this);
    m_chkFouten->setObjectName(QStringLiteral("chkFouten"));
    m_chkFouten->setChecked(true);
    m_chkOntbreken = new QCheckBox(this);
    m_chkOntbreken->setObjectName(QStringLiteral("chkOntbreken"));
    m_chkOntbreken->setChecked(true);
    m_cmdOK = new QPushButton(this);
    m_cmdOK->setObjectName(QStringLiteral("cmdOK"));

    connect(m_chkFouten, &QCheckBox::clicked, this, &SolutionWindow::TekenOplossingHokjes);
    connect(m_chkOntbreken, &QCheckBox::clicked, this, &SolutionWindow::TekenOplossingHokjes);
    connect(m_cmdOK, &QPushButton::clicked, this, &QWidget::hide);
    applyLanguage(puzzle.Language);
}

int SolutionWindow::px(double points) const
{
    return static_cast<int>(std::lround(points * m_pixelsPerPoint));
}

void SolutionWindow::applyLanguage(std::uint8_t language)
{
    m_chkFouten->setText(localText(language, txt::SolutionShowErrors));
    m_chkOntbreken->setText(localText(language, txt::SolutionShowMissing));
    m_cmdOK->setText(localText(language, txt::SolutionOk));
}

void SolutionWindow::showSolution(int cellSize)
{
    m_cellSize = cellSize;
    setWindowTitle(QString::fromStdString(m_puzzle.PuzzleName)
                   + localText(m_puzzle.Language, txt::SolutionCaptionSeparator)
                   + localText(m_puzzle.Language, txt::TheSolution));
    layOut();
    TekenOplossingHokjes();
    show();
}

void SolutionWindow::layOut()
{
    const int s = m_cellSize;
    // The field is W*s + 1 by H*s + 1 points; the picture two points more.
    const double pictureWidth = m_puzzle.PuzzleWidth * s + 1 + 2;
    const double pictureHeight = m_puzzle.PuzzleHeight * s + 1 + 2;
    const int margin = px(MarginPoints);
    m_surface.reset(QSizeF(pictureWidth, pictureHeight), m_pixelsPerPoint, devicePixelRatioF(), SolutionBackground);
    const QSize pictureSize = m_surface.image().deviceIndependentSize().toSize();
    m_picture1->setGeometry(margin, margin, pictureSize.width(), pictureSize.height());

    m_chkFouten->adjustSize();
    m_chkOntbreken->adjustSize();
    m_cmdOK->adjustSize();
    const int pictureRight = margin + pictureSize.width();

    const int row1Height = std::max({m_image1->height(), m_chkFouten->height(), m_cmdOK->height()});
    const int row1Top = margin + pictureSize.height() + margin;
    m_image1->move(margin, row1Top + (row1Height - m_image1->height()) / 2);
    m_chkFouten->move(margin + m_image1->width() + LegendGap, row1Top + (row1Height - m_chkFouten->height()) / 2);
    // The OK button ends at the picture's right edge, but never covers the
    // check box beside it when the picture is narrow.
    const int okLeft = std::max(pictureRight - m_cmdOK->width(), m_chkFouten->x() + m_chkFouten->width() + margin);
    m_cmdOK->move(okLeft, row1Top + (row1Height - m_cmdOK->height()) / 2);

    const int row2Height = std::max(m_image2->height(), m_chkOntbreken->height());
    const int row2Top = row1Top + row1Height + margin;
    m_image2->move(margin, row2Top + (row2Height - m_image2->height()) / 2);
    m_chkOntbreken->move(margin + m_image2->width() + LegendGap,
                         row2Top + (row2Height - m_chkOntbreken->height()) / 2);

    const int contentRight = std::max({pictureRight, m_cmdOK->x() + m_cmdOK->width(),
                                       m_chkOntbreken->x() + m_chkOntbreken->width()});
    // Qt adds the frame and caption of the platform around this client size.
    setFixedSize(contentRight + margin, row2Top + row2Height + margin);
}

void SolutionWindow::TekenOplossingHokjes()
{
    QImage& image = m_surface.image();
    if (image.isNull())
        return;
    image.fill(SolutionBackground);
    QPainter painter;
    m_surface.beginPoints(painter);
    gw::player::TekenOplossingHokjes(painter, m_puzzle, m_states, m_cellSize, m_chkFouten->isChecked(),
                                     m_chkOntbreken->isChecked());
    painter.end();
    m_picture1->setPixmap(QPixmap::fromImage(image));
}

void SolutionWindow::closeEvent(QCloseEvent* event)
{
    platform::closeOrHide(*this, *event, m_mainTag == QLatin1String("CLOSE"));
}

} // namespace gw::player
