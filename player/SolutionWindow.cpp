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
#include "platform/FilePaths.h"
#include "platform/LocalText.h"
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

SolutionWindow::SolutionWindow(const Puzzle& puzzle, const Session& session, const CellStateArray& states,
                               double pixelsPerPoint, QWidget* parent)
    : QWidget(parent, Qt::Window), m_puzzle(puzzle), m_session(session), m_states(states),
      m_pixelsPerPoint(pixelsPerPoint)
{
    setObjectName(QStringLiteral("SolutionWindow"));
    m_pictureLabel = new QLabel(this);
    m_pictureLabel->setObjectName(QStringLiteral("solutionPicture"));
    m_errorsLegend = new QLabel(this);
    m_errorsLegend->setObjectName(QStringLiteral("errorsLegend"));
    m_errorsLegend->setPixmap(QPixmap::fromImage(legendImage(16, 18, WrongDotColor)));
    m_errorsLegend->setFixedSize(16, 18);
    m_missingLegend = new QLabel(this);
    m_missingLegend->setObjectName(QStringLiteral("missingLegend"));
    m_missingLegend->setPixmap(QPixmap::fromImage(legendImage(17, 18, UnfilledDotColor)));
    m_missingLegend->setFixedSize(17, 18);
    m_showErrorsCheck = new QCheckBox(this);
    m_showErrorsCheck->setObjectName(QStringLiteral("showErrorsCheck"));
    m_showErrorsCheck->setChecked(true);
    m_showMissingCheck = new QCheckBox(this);
    m_showMissingCheck->setObjectName(QStringLiteral("showMissingCheck"));
    m_showMissingCheck->setChecked(true);
    m_okButton = new QPushButton(this);
    m_okButton->setObjectName(QStringLiteral("okButton"));

    connect(m_showErrorsCheck, &QCheckBox::clicked, this, &SolutionWindow::redrawPicture);
    connect(m_showMissingCheck, &QCheckBox::clicked, this, &SolutionWindow::redrawPicture);
    connect(m_okButton, &QPushButton::clicked, this, &QWidget::hide);
    applyLanguage(session.language);
}

int SolutionWindow::px(double points) const { return static_cast<int>(std::lround(points * m_pixelsPerPoint)); }

void SolutionWindow::applyLanguage(Language language)
{
    m_showErrorsCheck->setText(localText(language, txt::SolutionShowErrors));
    m_showMissingCheck->setText(localText(language, txt::SolutionShowMissing));
    m_okButton->setText(localText(language, txt::SolutionOk));
    // An open (or once opened) window fits the new captions at once.
    if (!m_surface.image().isNull())
        placeRows();
}

void SolutionWindow::showSolution(int cellSize)
{
    m_cellSize = cellSize;
    setWindowTitle(platform::displayText(m_puzzle.name) + localText(m_session, txt::SolutionCaptionSeparator)
                   + localText(m_session, txt::TheSolution));
    layOut();
    redrawPicture();
    show();
}

void SolutionWindow::layOut()
{
    const int s = m_cellSize;
    // The field is W*s + 1 by H*s + 1 points; the picture two points more.
    const double pictureWidth = m_puzzle.width * s + 1 + 2;
    const double pictureHeight = m_puzzle.height * s + 1 + 2;
    const int margin = px(MarginPoints);
    m_surface.reset(QSizeF(pictureWidth, pictureHeight), m_pixelsPerPoint, devicePixelRatioF(),
                    SolutionBackgroundColor);
    const QSize pictureSize = m_surface.image().deviceIndependentSize().toSize();
    m_pictureLabel->setGeometry(margin, margin, pictureSize.width(), pictureSize.height());
    placeRows();
}

void SolutionWindow::placeRows()
{
    const int margin = px(MarginPoints);
    const QSize pictureSize = m_pictureLabel->size();
    m_showErrorsCheck->adjustSize();
    m_showMissingCheck->adjustSize();
    m_okButton->adjustSize();
    const int pictureRight = margin + pictureSize.width();

    const int row1Height = std::max({m_errorsLegend->height(), m_showErrorsCheck->height(), m_okButton->height()});
    const int row1Top = margin + pictureSize.height() + margin;
    m_errorsLegend->move(margin, row1Top + (row1Height - m_errorsLegend->height()) / 2);
    m_showErrorsCheck->move(margin + m_errorsLegend->width() + LegendGap,
                            row1Top + (row1Height - m_showErrorsCheck->height()) / 2);
    // The OK button ends at the picture's right edge, but never covers the
    // check box beside it when the picture is narrow.
    const int okLeft =
        std::max(pictureRight - m_okButton->width(), m_showErrorsCheck->x() + m_showErrorsCheck->width() + margin);
    m_okButton->move(okLeft, row1Top + (row1Height - m_okButton->height()) / 2);

    const int row2Height = std::max(m_missingLegend->height(), m_showMissingCheck->height());
    const int row2Top = row1Top + row1Height + margin;
    m_missingLegend->move(margin, row2Top + (row2Height - m_missingLegend->height()) / 2);
    m_showMissingCheck->move(margin + m_missingLegend->width() + LegendGap,
                             row2Top + (row2Height - m_showMissingCheck->height()) / 2);

    const int contentRight = std::max(
        {pictureRight, m_okButton->x() + m_okButton->width(), m_showMissingCheck->x() + m_showMissingCheck->width()});
    // Qt adds the frame and caption of the platform around this client size.
    setFixedSize(contentRight + margin, row2Top + row2Height + margin);
}

void SolutionWindow::redrawPicture()
{
    QImage& image = m_surface.image();
    if (image.isNull())
        return;
    image.fill(SolutionBackgroundColor);
    QPainter painter;
    m_surface.beginPoints(painter);
    paintSolution(painter, m_puzzle, m_states, m_cellSize, m_showErrorsCheck->isChecked(),
                  m_showMissingCheck->isChecked());
    painter.end();
    m_pictureLabel->setPixmap(QPixmap::fromImage(image));
}

void SolutionWindow::closeEvent(QCloseEvent* event) { platform::closeOrHide(*this, *event, m_session); }

} // namespace gw::player
