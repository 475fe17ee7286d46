// MakerWindow: View > Guide Lines and the drawing tools.
#include <QAction>
#include <QActionGroup>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <cstdlib>

#include "core/DrawingShapes.h"
#include "editor/GridView.h"
#include "editor/MakerDocument.h"
#include "editor/MakerWindow.h"
#include "editor/PreviewView.h"
#include "lang/Language.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"

namespace gw::editor {

namespace {
// The Drawing Tool items in DrawingTool's order: object name, caption, key.
struct ToolItem {
    const char* name;
    const Text* caption;
    QKeyCombination key;
};
const ToolItem toolItems[5] = {
    {"freehandToolAction", &txt::MenuToolFreehand, Qt::Key_F},
    {"lineToolAction", &txt::MenuToolLine, Qt::Key_L},
    {"rectangleToolAction", &txt::MenuToolRectangle, Qt::Key_R},
    {"filledRectangleToolAction", &txt::MenuToolFilledRectangle, Qt::SHIFT | Qt::Key_R},
    {"fillToolAction", &txt::MenuToolFill, Qt::Key_B},
};
} // namespace

void MakerWindow::addViewAndToolItems()
{
    // Last in the Edit menu.
    m_editMenu->addSeparator();
    m_toolMenu = m_editMenu->addMenu(QString());
    m_toolMenu->setObjectName(QStringLiteral("toolMenu"));
    auto* tools = new QActionGroup(this);
    for (std::size_t i = 0; i < m_toolActions.size(); ++i) {
        QAction* a = m_toolMenu->addAction(QString());
        a->setObjectName(QLatin1String(toolItems[i].name));
        a->setCheckable(true);
        a->setShortcut(QKeySequence(toolItems[i].key));
        tools->addAction(a);
        const auto tool = static_cast<DrawingTool>(i);
        connect(a, &QAction::triggered, this, [this, tool] { setTool(tool); });
        m_toolActions[i] = a;
    }
    m_toolActions[0]->setChecked(true);
    connect(m_grid, &GridView::released, this, &MakerWindow::endShape);

    // Between Edit and Language.
    m_viewMenu = new QMenu(this);
    m_viewMenu->setObjectName(QStringLiteral("viewMenu"));
    menuBar()->insertMenu(m_languageMenu->menuAction(), m_viewMenu);
    m_guideLinesAction = m_viewMenu->addAction(QString());
    m_guideLinesAction->setObjectName(QStringLiteral("guideLinesAction"));
    m_guideLinesAction->setCheckable(true);
    connect(m_guideLinesAction, &QAction::toggled, this, &MakerWindow::setGuideLines);
}

void MakerWindow::applyViewAndToolCaptions()
{
    m_viewMenu->setTitle(localText(m_session, txt::MenuView));
    m_guideLinesAction->setText(localText(m_session, txt::MenuGuideLines));
    m_toolMenu->setTitle(localText(m_session, txt::MenuDrawingTool));
    for (std::size_t i = 0; i < m_toolActions.size(); ++i)
        m_toolActions[i]->setText(localText(m_session, *toolItems[i].caption));
}

void MakerWindow::setGuideLines(bool on)
{
    m_guideLinesAction->setChecked(on);
    m_grid->setGuideLines(on);
    if (m_makerSettings.guideLines != on) {
        m_makerSettings.guideLines = on;
        writeMakerSettings();
    }
}

void MakerWindow::setTool(DrawingTool tool)
{
    endShape();
    m_tool = tool;
    m_toolActions[static_cast<std::size_t>(tool)]->setChecked(true);
}

void MakerWindow::useTool(int button, int x, int y)
{
    if (m_tool == DrawingTool::Freehand) {
        drawCell(button, x, y);
        return;
    }
    showPosition(x, y);
    if ((button != 1 && button != 2) || (m_shapeStart && button != m_shapeButton))
        return;
    if (m_tool == DrawingTool::Fill && m_shapeStart)
        return; // one fill a press
    const CellPoint at {x, y};
    if (!m_shapeStart) {
        m_shapeStart = at;
        m_shapeButton = button;
    }
    const std::uint8_t v = m_session.buttonColor[static_cast<std::size_t>(button - 1)];
    if (m_tool == DrawingTool::Fill) {
        m_document->replaceStroke(floodFillCells(m_puzzle, at), v);
        setStatus(localText(m_session, txt::FilledStatus) + QString::fromStdString(colorName(m_session.language, v))
                  + localText(m_session, txt::CellStatusAfter));
    } else {
        const CellPoint from = *m_shapeStart;
        m_document->replaceStroke(m_tool == DrawingTool::Line
                                      ? lineCells(from, at)
                                      : rectangleCells(from, at, m_tool == DrawingTool::FilledRectangle),
                                  v);
        setStatus(localText(m_session, txt::ShapeSizeBefore) + QString::number(std::abs(x - from.x) + 1)
                  + localText(m_session, txt::ShapeSizeBetween) + QString::number(std::abs(y - from.y) + 1));
    }
    m_grid->redraw(m_gridZoom);
    m_preview->redraw();
}

void MakerWindow::endShape()
{
    m_document->endStroke();
    m_shapeStart.reset();
}

void MakerWindow::writeMakerSettings()
{
    // A settings folder that cannot be written only loses the choice.
    gw::writeMakerSettings(platform::pathBytes(m_settingsFolder), m_makerSettings);
}

} // namespace gw::editor
