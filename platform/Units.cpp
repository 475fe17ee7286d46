#include "platform/Units.h"

#include <QGuiApplication>
#include <QScreen>

#include "core/Rounding.h"

namespace gw::platform {

ScreenUnits::ScreenUnits(double dpiX, double dpiY) : m_dpiX(dpiX > 0 ? dpiX : 96.0), m_dpiY(dpiY > 0 ? dpiY : 96.0) { }

ScreenUnits ScreenUnits::fromScreen(const QScreen* screen)
{
    if (!screen && qGuiApp)
        screen = QGuiApplication::primaryScreen();
    if (!screen)
        return ScreenUnits();
    return ScreenUnits(screen->logicalDotsPerInchX(), screen->logicalDotsPerInchY());
}

int ScreenUnits::twipsToWholePixelsX(double twips) const { return gw::roundHalfEven(twipsToPixelsX(twips)); }
int ScreenUnits::twipsToWholePixelsY(double twips) const { return gw::roundHalfEven(twipsToPixelsY(twips)); }

} // namespace gw::platform
