// MakerWindow: View > Guide Lines and the drawing tools.
#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "editor/GridView.h"
#include "editor/MakerWindow.h"
#include "lang/Texts.h"
#include "platform/FilePaths.h"
#include "platform/LocalText.h"

namespace gw::editor {

void MakerWindow::addViewAndToolItems()
{
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

void MakerWindow::writeMakerSettings()
{
    // A settings folder that cannot be written only loses the choice.
    gw::writeMakerSettings(platform::pathBytes(m_settingsFolder), m_makerSettings);
}

} // namespace gw::editor
