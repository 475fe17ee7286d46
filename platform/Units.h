#pragma once
// The one place where twips, points and screen pixels are converted.
//
// Window geometry is measured in twips (1/1440 inch), printed pages in points
// (1/72 inch, 20 twips), and surfaces drawn cell by cell in screen pixels.
// Screen pixels here are Qt's device-independent pixels: the logical
// resolution of the screen decides how many twips one pixel is (96 dots per
// inch gives 15 twips per pixel), while a device pixel ratio above 1 only
// makes the drawing sharper and never changes these numbers.

class QScreen;

namespace gw::platform {

constexpr double TwipsPerInch = 1440.0;
constexpr double PointsPerInch = 72.0;
constexpr double TwipsPerPoint = TwipsPerInch / PointsPerInch; // 20

class ScreenUnits {
public:
    // Logical dots per inch horizontally and vertically; values <= 0 fall back to 96.
    explicit ScreenUnits(double dpiX = 96.0, double dpiY = 96.0);
    // The logical resolution of `screen`, or of the primary screen when null
    // (96 dpi when there is no screen at all).
    static ScreenUnits fromScreen(const QScreen* screen = nullptr);

    double dpiX() const { return m_dpiX; }
    double dpiY() const { return m_dpiY; }
    double twipsPerPixelX() const { return TwipsPerInch / m_dpiX; }
    double twipsPerPixelY() const { return TwipsPerInch / m_dpiY; }

    double twipsToPixelsX(double twips) const { return twips / twipsPerPixelX(); }
    double twipsToPixelsY(double twips) const { return twips / twipsPerPixelY(); }
    double pixelsToTwipsX(double pixels) const { return pixels * twipsPerPixelX(); }
    double pixelsToTwipsY(double pixels) const { return pixels * twipsPerPixelY(); }

    double pointsToPixelsX(double points) const { return twipsToPixelsX(points * TwipsPerPoint); }
    double pointsToPixelsY(double points) const { return twipsToPixelsY(points * TwipsPerPoint); }
    double pixelsToPointsX(double pixels) const { return pixelsToTwipsX(pixels) / TwipsPerPoint; }
    double pixelsToPointsY(double pixels) const { return pixelsToTwipsY(pixels) / TwipsPerPoint; }

    // Whole pixels for a geometry given in twips, halves to even.
    int twipsToWholePixelsX(double twips) const;
    int twipsToWholePixelsY(double twips) const;

private:
    double m_dpiX;
    double m_dpiY;
};

constexpr double twipsToPoints(double twips) { return twips / TwipsPerPoint; }
constexpr double pointsToTwips(double points) { return points * TwipsPerPoint; }

} // namespace gw::platform
